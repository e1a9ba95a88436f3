#include "platform/QtPlatform.h"
#include "shell/Application.h"
#include "shell/Style.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#ifdef ASTRAVIDA_BENCH
#include "BenchHooks.h"
#endif

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("astravida"));
    QApplication::setApplicationDisplayName(QStringLiteral("Astravida"));
    QApplication::setApplicationVersion(QStringLiteral("1.25"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ASTRAVIDA_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/astravida.png")));
    Style::installFonts();
    Style::installControlStyle();

    QtPlatform platform;
    // Settings live under the executable's own name.
    Application app(platform, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    if (!app.start())
        return 0;
#ifdef ASTRAVIDA_BENCH
    benchAfterStart(app);
#endif
    return QApplication::exec();
}
