#include "gui/QtPlatform.h"

#include "gui/CuePlayer.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include <sys/file.h>
#include <time.h>
#include <unistd.h>

namespace {

const QString Title = QStringLiteral("Astravida");

const QString ScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");

QDBusMessage screenSaverCall(const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(ScreenSaverService, ScreenSaverPath, ScreenSaverService, method);
    call.setArguments(arguments);
    return call;
}

QWidget* dialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

qint64 clockMs(clockid_t clock)
{
    timespec now {};
    ::clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

qint64 bootTimeMs()
{
#ifdef CLOCK_BOOTTIME
    return clockMs(CLOCK_BOOTTIME);
#else
    return clockMs(CLOCK_MONOTONIC);
#endif
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
    : m_bootStartMs(bootTimeMs())
    , m_sleepStartMs(m_bootStartMs - clockMs(CLOCK_MONOTONIC))
    , m_instanceLockPath(instanceLockPath)
    , m_answers(std::make_unique<QObject>())
{ }

QtPlatform::~QtPlatform()
{
    keepScreenOn(false);
}

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

MessageAnswer QtPlatform::askQuestion(const QString& text, const QString& yesCaption, const QString& noCaption)
{
    // No question mark: the desktops' own guides keep it for help, and the buttons already say what each answer does.
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::NoButton, dialogParent());
    QPushButton* yes = box.addButton(yesCaption, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(noCaption, QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
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

QByteArray QtPlatform::timeZoneId()
{
    return {};
}

qint64 QtPlatform::monotonicMs()
{
    return bootTimeMs() - m_bootStartMs;
}

qint64 QtPlatform::sleptMs()
{
    return bootTimeMs() - clockMs(CLOCK_MONOTONIC) - m_sleepStartMs;
}

CuePlayer& QtPlatform::cues()
{
    if (!m_cues)
        m_cues = std::make_unique<CuePlayer>();
    return *m_cues;
}

SpeechStatus QtPlatform::speech()
{
    return cues().speech();
}

void QtPlatform::say(const QString& text)
{
    cues().say(text);
}

void QtPlatform::playTone(Tone tone)
{
    cues().playTone(tone);
}

void QtPlatform::keepScreenOn(bool on)
{
    if (on == m_screenKeptOn)
        return;
    m_screenKeptOn = on;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (!on) {
        if (m_inhibitCookie != 0)
            bus.call(screenSaverCall(QStringLiteral("UnInhibit"), {m_inhibitCookie}), QDBus::Block, 1000);
        m_inhibitCookie = 0;
        return;
    }
    // Asked without waiting: a desktop without the service answers with an error, which is let go.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(screenSaverCall(QStringLiteral("Inhibit"),
                                                    {QStringLiteral("Astravida"), QStringLiteral("Guided practice")})),
        m_answers.get());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, m_answers.get(), [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError())
            return;
        // Released before the answer came, or asked twice: a cookie not kept is given back at once.
        if (m_screenKeptOn && m_inhibitCookie == 0)
            m_inhibitCookie = reply.value();
        else
            QDBusConnection::sessionBus().call(
                screenSaverCall(QStringLiteral("UnInhibit"), {reply.value()}), QDBus::Block, 1000);
    });
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
    QStringList paths;
    if (!m_instanceLockPath.isEmpty()) {
        paths.append(m_instanceLockPath);
    } else {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!folder.isEmpty())
            paths.append(folder + QStringLiteral("/astravida.lock"));
    }
    // Where the runtime folder is read-only, or holds a lock file no one can open, the temporary folder is shared by
    // every user, so the lock there carries the user's number.
    paths.append(QDir::tempPath() + QStringLiteral("/astravida-%1.lock").arg(::getuid()));

    // The kernel holds the lock while the file stays open and drops it when the process ends, however it ends, so an
    // instance that has died never blocks. Kept for the start-up target: QLockFile writes and flushes its details to
    // disk at every start, up to 13 ms more where the folder is on disk, and 1 to 2 % more start-up CPU.
    for (const QString& path : std::as_const(paths)) {
        m_instanceLock = std::make_unique<QFile>(path);
        // flock needs no write access, so a lock file left by a start as another user (with sudo -E, say) still
        // serves when it can only be read.
        if (!m_instanceLock->open(QIODevice::ReadWrite) && !m_instanceLock->open(QIODevice::ReadOnly))
            continue;
        if (::flock(m_instanceLock->handle(), LOCK_EX | LOCK_NB) == 0)
            return false;
        // Only a lock held elsewhere means another instance; a file system that cannot lock at all does not.
        if (errno == EWOULDBLOCK)
            return true;
    }
    // Nowhere to hold a lock: a second window is a smaller harm than a program that will not start.
    m_instanceLock.reset();
    return false;
}

void QtPlatform::endProcess()
{
    m_instanceLock.reset();
    // Only the program's own streams: flushing every stream waits on each one's lock, and a speech library's reader
    // thread holds its socket's lock for as long as it waits to read. The speech and tone threads go with the
    // process, wherever they are.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(EXIT_SUCCESS);
}
