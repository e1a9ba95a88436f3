#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. Help, version and errors are answered before any window system starts.
struct CommandLine
{
    enum class Outcome { Run, ShowHelp, ShowVersion, Fail };
    Outcome outcome = Outcome::Run;
    QString readingFile; // the saved reading to open once the main window is up; empty for none
    QString text; // the help or version text for standard output, or the error for standard error
};

// arguments as QCoreApplication::arguments() gives them, the program first; the window system's own options
// (-platform, -style and so on) are left for QApplication to take.
CommandLine parseCommandLine(const QStringList& arguments);
