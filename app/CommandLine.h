#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the command line asks for: a start, with the path of a saved reading to open or without;
// the usage or the version; or, for an option it does not know or a second file, the usage as an
// error. Parsing needs no application object, so that --help and --version work without a
// display, and Qt's own options (-platform, -display, -style, ...) pass through to Qt.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action { Start, ShowHelp, ShowVersion, Refuse };

    // arguments: the program's name first, as QCoreApplication::arguments() gives them.
    static CommandLine parse(const QStringList &arguments);
    // argv decoded as Qt decodes it on Unix, for parsing before the application object exists.
    static QStringList fromArgv(int argc, char **argv);

    Action action() const { return chosen; }
    // Empty when no file was given.
    QString readingPath() const { return path; }
    // The usage, the version or the error with the usage; empty for a start.
    QString output() const { return text; }
    // 0 for the usage and the version, 2 for an error.
    int exitCode() const;
    // Prints the output, to standard error for an error, and returns the exit code.
    int print() const;

private:
    Action chosen = Action::Start;
    QString path;
    QString text;
};
