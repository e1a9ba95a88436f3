#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The options QGuiApplication and QApplication remove from the command line, with one dash or two.
const QStringList WindowSystemOptionsWithValue {QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"), QStringLiteral("qwindowtitle"), QStringLiteral("display"),
    QStringLiteral("geometry"), QStringLiteral("style"), QStringLiteral("stylesheet"), QStringLiteral("session"),
    QStringLiteral("name"), QStringLiteral("title")};
const QStringList WindowSystemFlags {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
    QStringLiteral("dograb"), QStringLiteral("sync")};

QStringList withoutWindowSystemOptions(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (i == 0 || !argument.startsWith(QLatin1Char('-'))) {
            kept.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            kept.append(arguments.mid(i));
            break;
        }
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (WindowSystemFlags.contains(name) || name.startsWith(QLatin1String("qmljsdebugger=")))
            continue;
        if (WindowSystemOptionsWithValue.contains(equals < 0 ? name : name.left(equals))) {
            if (equals < 0)
                ++i; // the value is the next argument
            continue;
        }
        kept.append(argument);
    }
    return kept;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Zodiac yoga readings: sun sign, health, diet and asanas."));
    // Not addHelpOption(): its --help-all prints Qt's own options, which only QApplication could then show.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays help on command-line options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"), QStringLiteral("A saved reading (.avd) to open."), QStringLiteral("[FILE]"));

    CommandLine line;
    const QString program = QCoreApplication::applicationName();
    if (!parser.parse(withoutWindowSystemOptions(arguments))) {
        line.outcome = CommandLine::Outcome::Fail;
        line.text = program + QStringLiteral(": ") + parser.errorText() + QLatin1Char('\n');
    } else if (parser.isSet(help)) {
        line.outcome = CommandLine::Outcome::ShowHelp;
        line.text = parser.helpText();
    } else if (parser.isSet(version)) {
        line.outcome = CommandLine::Outcome::ShowVersion;
        line.text = program + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n');
    } else if (parser.positionalArguments().size() > 1) {
        line.outcome = CommandLine::Outcome::Fail;
        line.text = program + QStringLiteral(": only one FILE can be opened\n");
    } else {
        line.readingFile = parser.positionalArguments().value(0);
    }
    return line;
}
