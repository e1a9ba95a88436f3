#include "Art.h"

#include <QGuiApplication>
#include <QTextStream>

// Usage: artgen [assets folder]; draws every picture of the program into it (default: ./assets).
int main(int argc, char* argv[])
{
    // Painting needs no screen; fonts still need a platform plugin.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() > 2) {
        QTextStream(stderr) << "usage: artgen [assets folder]\n";
        return 2;
    }
    const QDir assets(arguments.size() == 2 ? arguments.at(1) : QStringLiteral("assets"));
    if (!QDir().mkpath(assets.path())) {
        QTextStream(stderr) << "cannot create " << assets.path() << '\n';
        return 1;
    }

    QStringList written;
    bool ok = writeSignPictures(assets, written);
    ok = writeAsanaPictures(assets, written) && ok;
    ok = writeAppIcon(assets, written) && ok;
    QTextStream out(stdout);
    for (const QString& file : written)
        out << assets.filePath(file) << '\n';
    return ok ? 0 : 1;
}
