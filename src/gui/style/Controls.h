#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

class QColor;
class QFont;
class QRect;

// The plain Qt controls the windows build, in the program's look.
namespace Style {

// A label with text colour, font and geometry in one call, named by its objectName.
QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry, const QColor& colour,
    const QFont& font);
// Grey face, bold Verdana caption.
void styleButton(QPushButton* button, const char* name, const QRect& geometry);
QPushButton* button(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
// A button drawn as a link: an underlined caption in the colour given, with the hand pointer.
QPushButton* linkButton(QWidget* parent, const char* name, const QColor& colour);
// Yellow on brown, read-only but scrollable and selectable, with a vertical scroll bar always shown.
QPlainTextEdit* textBox(QWidget* parent, const char* name, const QRect& geometry);
// Puts text into such a box and shows it from its first line, wherever the box was scrolled to before.
void showText(QPlainTextEdit* box, const QString& text);

} // namespace Style
