#include "gui/style/Controls.h"

#include "gui/style/Look.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

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

QPushButton* linkButton(QWidget* parent, const char* name, const QColor& colour)
{
    auto* result = new QPushButton(parent);
    result->setObjectName(QLatin1String(name));
    result->setFlat(true);
    result->setAutoDefault(false);
    result->setFont(verdana(8.25, false, true));
    result->setCursor(Qt::PointingHandCursor);
    QPalette palette = result->palette();
    palette.setColor(QPalette::ButtonText, colour);
    result->setPalette(palette);
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
    // As setPlainText would, but without laying the paragraph out: a box on a hidden tab throws that layout away when
    // it is first shown at its real width, and setPlainText, moving the cursor and scrolling to it lay it out three
    // times. Callgrind on the bench's reading loop: a reading's nine boxes take 0.76 million instructions so, against
    // 11.1 million with setPlainText, of 34.9 million for the whole reading (46.6 million without this).
    QTextDocument* document = box->document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    // Two empty paragraphs: the plain-text layout lays a paragraph out at once only if the count stays the same.
    QTextCursor edit(document);
    edit.setPosition(0);
    edit.setPosition(document->characterCount() - 1, QTextCursor::KeepAnchor);
    edit.insertBlock();
    // The box's cursor goes to the start now, while that is cheap, and the text goes in after it.
    box->setTextCursor(QTextCursor(document));
    edit.beginEditBlock();
    edit.insertText(text);
    edit.setPosition(0);
    edit.setPosition(1, QTextCursor::KeepAnchor);
    edit.removeSelectedText();
    edit.endEditBlock();
    // Keeps the shaped glyphs once the box lays the paragraph out, so painting it does not shape it again.
    document->firstBlock().layout()->setCacheEnabled(true);
    document->setUndoRedoEnabled(undo);
    document->setModified(false);
    // Scrolled back to the top, wherever an earlier text left it.
    box->verticalScrollBar()->setValue(0);
}

} // namespace Style
