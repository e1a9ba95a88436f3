#pragma once

#include <QString>

class QKeyEvent;
class QPoint;
class QPushButton;
class QRect;
class QSize;
class QWidget;

// What every window of the program shares: its caption, its fixed size and place, and its keys for Exit.
namespace Style {

inline const QString windowCaption = QStringLiteral("Astravida v" ASTRAVIDA_VERSION);

// A fixed-size window that cannot be resized, centred on its screen.
void fixWindowSize(QWidget* window, const QSize& clientSize);
void centreOnScreen(QWidget* window);
// Where centreOnScreen puts a window's frame: centred on the screen's available area, but on an axis where the frame
// is larger than the area, at the area's top or left edge.
QPoint placeOnScreen(const QSize& frame, const QRect& available);

// Exit as both the default and the cancel button: Esc presses it, and so does Enter unless a button has the focus,
// which Enter then presses. False for any other key. A focused link takes its own Enter and never gets here.
bool pressExitKeys(QKeyEvent* event, QWidget* focused, QPushButton* exitButton);

} // namespace Style
