#pragma once

#include "core/PracticeWords.h"

#include <QColor>
#include <QSize>

#include <initializer_list>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// What the practice pages share: their buttons, labels and colours, and fonts that grow with the window.
namespace PracticeLook {

inline const QColor cautionGreen {0, 255, 0};

// A program button that Enter presses when it has the focus, as Space does.
QPushButton* button(QWidget* parent, const char* name, const QString& caption, QSize size = {110, 31});
// Plain text, never taken for markup, bold Verdana.
QLabel* valueLabel(QWidget* parent, const char* name, const QColor& colour);
// A row of buttons against the right edge, as the program's windows place them.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);

// Each phase's colour, bright against the brown page so it reads from across a room.
QColor phaseColour(PhaseLook look);
// Verdana of that many pixels, set only where it changes so nothing lays out again for nothing.
void setPixelFont(QWidget* widget, int pixels, bool bold);

} // namespace PracticeLook
