#include "app/CommandLine.h"

#include "base/AppInfo.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <cstdio>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

constexpr int usageError = 2;

// A window program has no console of its own. Output that is not redirected goes to the console
// the program was started from, when there is one; a redirected stream stays where it points.
void reachStartingConsole()
{
#ifdef Q_OS_WIN
    const bool outputFree = !GetStdHandle(STD_OUTPUT_HANDLE);
    const bool errorsFree = !GetStdHandle(STD_ERROR_HANDLE);
    if ((!outputFree && !errorsFree) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (outputFree)
        std::freopen("CONOUT$", "w", stdout);
    if (errorsFree)
        std::freopen("CONOUT$", "w", stderr);
#endif
}

// Qt's own options, which the application object takes out of the arguments after this parse:
// accepted here, unlisted, so that a start such as "-platform wayland a.zod" still works.
void acceptQtOptions(QCommandLineParser &parser)
{
    const char *const withValue[]
            = {"platform",        "platformpluginpath", "platformtheme", "plugin",
               "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
               "display",         "geometry",           "name",          "style",
               "stylesheet"};
    const char *const withoutValue[] = {"reverse", "widgetcount"};
    for (const char *name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : withoutValue) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString usage(const QCommandLineParser &parser, const QStringList &arguments)
{
    QString text = parser.helpText();
    // Without an application object Qt names no program in the usage line: name the one started.
    const QString program = arguments.isEmpty() ? AppInfo::executableName() : arguments.first();
    text.replace(QLatin1String("<executable_name>"), program);
    return text;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"), not bundles of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(AppInfo::description());
    const QCommandLineOption help(
            {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
            tr("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Displays the version."));
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);
    parser.addPositionalArgument(QStringLiteral("file"), tr("A saved reading (.zod) to open."),
                                 QStringLiteral("[file]"));

    CommandLine line;
    const bool parsed = parser.parse(arguments);
    const QStringList files = parser.positionalArguments();
    if (!parsed || files.size() > 1) {
        line.chosen = Action::Refuse;
        const QString error = parsed ? tr("Only one saved reading can be opened at a time.")
                                     : parser.errorText();
        line.text = error + QStringLiteral("\n\n") + usage(parser, arguments);
    } else if (parser.isSet(help)) {
        line.chosen = Action::ShowHelp;
        line.text = usage(parser, arguments);
    } else if (parser.isSet(version)) {
        line.chosen = Action::ShowVersion;
        line.text = AppInfo::versionText() + QLatin1Char('\n');
    } else {
        line.path = files.value(0);
    }
    return line;
}

QStringList CommandLine::fromArgv(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int CommandLine::exitCode() const
{
    return chosen == Action::Refuse ? usageError : 0;
}

int CommandLine::print() const
{
    reachStartingConsole();
    std::FILE *stream = chosen == Action::Refuse ? stderr : stdout;
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return exitCode();
}
