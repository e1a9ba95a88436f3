#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The colours and fonts every window shares.
namespace Style {

inline const QColor brown {130, 57, 4};
inline const QColor yellow {255, 255, 0};
inline const QColor lightYellow {255, 255, 128};
inline const QColor grey {128, 128, 128};
inline const QColor cyan {0, 255, 255};
inline const QColor linkBlue {0, 0, 255};

// Verdana, or DejaVu Sans where Verdana is missing.
QFont verdana(double pointSize, bool bold = false, bool underline = false, bool italic = false);
// Makes Verdana fall back to DejaVu Sans and sets the program's default font.
void installFonts();

void setBackground(QWidget* widget, const QColor& colour);
void setForeground(QWidget* widget, const QColor& colour);

} // namespace Style
