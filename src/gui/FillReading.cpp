#include "gui/FillReading.h"

#include "core/ElementConstitutions.h"
#include "core/SignProfiles.h"
#include "gui/ReadingWindow.h"
#include "gui/Application.h"
#include "gui/style/Pictures.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// Shows text from its first line, as QPlainTextEdit::setPlainText does, without laying the paragraph out: a box on a
// hidden tab would throw that layout away when it is first shown at its real width.
void showText(QPlainTextEdit* box, const QString& text)
{
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
}

// Puts the value into the control, if it is of the kind the field needs.
bool writeInto(QObject* control, const ReadingField& field)
{
    switch (field.kind) {
    case ReadingField::Kind::Caption:
        if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(field.value);
            return true;
        }
        break;
    case ReadingField::Kind::Text:
        if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
            showText(box, field.value);
            return true;
        }
        break;
    case ReadingField::Kind::Picture:
        if (auto* picture = qobject_cast<QLabel*>(control)) {
            // A picture that is not there leaves the box empty rather than showing the last one.
            picture->setPixmap(Style::picture(field.value, picture->devicePixelRatio()));
            return true;
        }
        break;
    }
    return false;
}

// Finds every control in one walk over the window rather than one walk per field; a name that is not the window's
// only one is looked up the usual way.
void writeReadingFields(QWidget* window, const QList<ReadingField>& fields)
{
    QHash<QString, QWidget*> byName;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const auto found = byName.find(widget->objectName());
        if (found == byName.end())
            byName.insert(widget->objectName(), widget);
        else
            *found = nullptr;
    }
    for (const ReadingField& field : fields) {
        QWidget* control = byName.value(field.control);
        if (!control || !writeInto(control, field))
            writeReadingField(window, field);
    }
}

} // namespace

bool writeReadingField(QWidget* window, const ReadingField& field)
{
    QObject* control = field.kind == ReadingField::Kind::Text
        ? static_cast<QObject*>(window->findChild<QPlainTextEdit*>(field.control))
        : window->findChild<QLabel*>(field.control);
    return control && writeInto(control, field);
}

void FillSignProfile(Application& app)
{
    ReadingWindow* window = app.ensureReadingWindow();
    const QString& sign = app.state().currentSign;
    const SignProfile* profile = findSignProfile(sign);
    if (!profile)
        return;
    writeReadingFields(window, signProfileFields(*profile, sign));
    if (QGroupBox* frame = window->signFrame(profile->sign()))
        frame->setVisible(true);
}

void FillConstitution(Application& app)
{
    ReadingWindow* window = app.readingWindow();
    if (!window)
        return;
    const auto* type = window->findChild<QLabel*>(QStringLiteral("lblConstitutionType"));
    const ElementConstitution* constitution = type ? findElementConstitution(type->text()) : nullptr;
    if (!constitution)
        return;
    writeReadingFields(window, constitutionFields(*constitution));
}
