#include "gui/style/Controls.h"

#include "gui/style/Look.h"

#include <QTextCursor>

namespace Style {

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry, const QColor& colour,
    const QFont& font)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(geometry);
    result->setFont(font);
    setForeground(result, colour);
    return result;
}

void styleButton(QPushButton* button, const char* name, const QRect& geometry)
{
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(verdana(8.25, true));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, grey);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setAutoDefault(false);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* result = new QPushButton(text, parent);
    styleButton(result, name, geometry);
    return result;
}

QPlainTextEdit* textBox(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFont(verdana(8.25));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, brown);
    palette.setColor(QPalette::Text, yellow);
    box->setPalette(palette);
    return box;
}

void showText(QPlainTextEdit* box, const QString& text)
{
    box->setPlainText(text);
    box->moveCursor(QTextCursor::Start);
    box->ensureCursorVisible();
}

} // namespace Style
