#include "FakePlatform.h"

void (*FakePlatform::preparePrinter)(QPrinter& printer, const QString& pdfPath, bool selection) = nullptr;

void FakePlatform::setNextPrint(bool accepted, const QString& pdfPath)
{
    m_prints.enqueue({accepted, pdfPath});
}

QString FakePlatform::settingPath(const QString& application, const QString& section, const QString& key)
{
    return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

QStringList FakePlatform::messageTexts() const
{
    QStringList texts;
    for (const Message& message : messages)
        texts.append(message.text);
    return texts;
}

MessageAnswer FakePlatform::showMessage(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    messages.append({text, icon, buttons});
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

MessageAnswer FakePlatform::askQuestion(const QString& text, const QString& yesCaption, const QString& noCaption)
{
    questionButtons.append({yesCaption, noCaption});
    return showMessage(text, MessageIcon::Information, MessageButtons::YesNo);
}

QString FakePlatform::getOpenFileName(const FileDialogRequest& request)
{
    openDialogs.append(request);
    return m_openFileNames.isEmpty() ? QString() : m_openFileNames.dequeue();
}

QString FakePlatform::getSaveFileName(const FileDialogRequest& request)
{
    saveDialogs.append(request);
    return m_saveFileNames.isEmpty() ? QString() : m_saveFileNames.dequeue();
}

bool FakePlatform::execPrintDialog(QPrinter& printer, bool selectionPreset)
{
    printDialogSelectionPresets.append(selectionPreset);
    if (m_prints.isEmpty())
        return false;
    const auto [accepted, pdfPath] = m_prints.dequeue();
    if (accepted && preparePrinter)
        preparePrinter(printer, pdfPath, selectionPreset);
    return accepted;
}

QString FakePlatform::readSetting(const QString& application, const QString& section, const QString& key)
{
    return settings.value(settingPath(application, section, key));
}

void FakePlatform::writeSetting(
    const QString& application, const QString& section, const QString& key, const QString& value)
{
    settings.insert(settingPath(application, section, key), value);
}
