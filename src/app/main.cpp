#include "app/CommandLine.h"
#include "gui/Application.h"
#include "gui/Heartbeat.h"
#include "gui/QtPlatform.h"
#include "gui/style/ControlStyle.h"
#include "gui/style/Look.h"
#include "gui/style/Pictures.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("astravida"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ASTRAVIDA_VERSION));

    // Help, version and a wrong option are answered before the window system starts, so they work over ssh with
    // no display, and never take the single-instance lock or touch the settings.
    QString readingFile;
    {
        const QCoreApplication terminal(argc, argv);
        const CommandLine line = parseCommandLine(QCoreApplication::arguments());
        if (line.outcome != CommandLine::Outcome::Run) {
            const bool failed = line.outcome == CommandLine::Outcome::Fail;
            std::fputs(qPrintable(line.text), failed ? stderr : stdout);
            return failed ? 1 : 0;
        }
        readingFile = line.readingFile;
    }

    QApplication qtApp(argc, argv);
    // No display name: Qt would add it to every title bar after the caption. The desktop entry names the program.
    QGuiApplication::setDesktopFileName(QStringLiteral(ASTRAVIDA_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    Style::installFonts();
    Style::installControlStyle();

    // For outside checks: logs each new longest time the window's thread was kept from its events.
    std::unique_ptr<Heartbeat> heartbeat;
    if (qEnvironmentVariableIsSet("ASTRAVIDA_HEARTBEAT"))
        heartbeat = std::make_unique<Heartbeat>(true);

    QtPlatform platform;
    // Settings live under the executable's own name.
    Application app(platform, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    if (!app.start(readingFile))
        return 0;
    return QApplication::exec();
}
