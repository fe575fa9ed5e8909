#include "service/StartOptions.h"

#include "service/MessageOutput.h"
#include "service/ServiceLog.h"
#include "service/SessionBusProbe.h"
#include "state/Translations.h"

#include <climits>
#include <csignal>
#include <cstdio>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <unistd.h>

namespace {

// The options a command line may hold: the program's own, shown by --help in this order, then the two of
// Qt's that are kept to judge whether a display can be had.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(StartOptions)

public:
    QCommandLineOption headless{QStringLiteral("headless"),
                                tr("Run without windows or tray, needing no display: "
                                   "the transmitter, its settings and the session bus only.")};
    QCommandLineOption background{
        QStringLiteral("background"),
        tr("Start with the window hidden in the tray (headless when there is no display).")};
    QCommandLineOption web{
        QStringLiteral("web"),
        tr("Switch the web page for phones on and keep that choice (see WebAddress on the bus).")};
    QCommandLineOption onAirAtStart{
        QStringLiteral("on-air-at-start"),
        tr("Go on air as soon as a transmitter is connected after the start, from now on: the "
           "choice is kept ('tessalyctl start-on-air off' or the window's menu switches it off).")};
    QCommandLineOption verbose{QStringLiteral("verbose"),
                               tr("Tell on stderr, besides warnings, what the transmitter, the sound "
                                  "server, the session bus and the web page are doing.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               tr("Show the version and exit.")};
    QCommandLineOption platform{QStringLiteral("platform"), QString(), QStringLiteral("name")};
    QCommandLineOption display{QStringLiteral("display"), QString(), QStringLiteral("name")};
};

// Qt's own options, taken by the application object where there is one: accepted on every path, the
// headless one included, and left out of the help.
void AddQtOptions(QCommandLineParser& parser, const CommandLine& line)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QList<QCommandLineOption> qtOptions = {line.platform, line.display};
    for (const char* name :
         {"platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowtitle", "qwindowicon",
          "style", "stylesheet", "session", "geometry", "name", "title", "visual", "ncols", "qmljsdebugger"})
        qtOptions.append(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : {"reverse", "nograb", "dograb", "sync", "widgetcount", "cmap"})
        qtOptions.append(QCommandLineOption(QString::fromLatin1(name)));
    for (QCommandLineOption& qtOption : qtOptions) {
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
}

// What a command line the parser took asks for.
StartOptions OptionsOf(const QCommandLineParser& parser, const CommandLine& line)
{
    StartOptions options;
    // Read before any application object exists, the parser cannot know the program's name.
    if (parser.isSet(line.help))
        options.output =
            parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tessaly"));
    else if (parser.isSet(line.version))
        options.output = QStringLiteral("tessaly %1\n").arg(QStringLiteral(TESSALY_VERSION));
    options.headless = parser.isSet(line.headless);
    options.background = parser.isSet(line.background);
    options.web = parser.isSet(line.web);
    options.onAirAtStart = parser.isSet(line.onAirAtStart);
    options.verbose = parser.isSet(line.verbose);
    options.platform =
        parser.isSet(line.platform) ? parser.value(line.platform) : qEnvironmentVariable("QT_QPA_PLATFORM");
    options.display =
        parser.isSet(line.display) ? parser.value(line.display) : qEnvironmentVariable("DISPLAY");
    return options;
}

} // namespace

StartOptions ReadStartOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CommandLine::tr(
        "Controls a USB FM transmitter. While it runs, tessalyctl and the session bus "
        "(org.tessaly.Tessaly) control it too; a second start shows the running one's window."));
    const CommandLine line;
    parser.addOptions(
        {line.headless, line.background, line.web, line.onAirAtStart, line.verbose, line.help, line.version});
    AddQtOptions(parser, line);

    StartOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error =
            CommandLine::tr("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return options;
    }
    return OptionsOf(parser, line);
}

StartOptions ReadStartOptions(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return ReadStartOptions(arguments);
}

std::optional<int> BeginStart(int argc, char* argv[], StartOptions& options)
{
    std::signal(SIGPIPE, SIG_IGN);
    SetUpMessageOutput();
    options = ReadStartOptions(argc, argv);
    if (options.output.isEmpty() && options.error.isEmpty()) {
        TellDetails(options.verbose);
        return std::nullopt;
    }
    // Only a start that ends here pays for the user's language: read again with the catalogues installed.
    // The help's usage line names the program as it is known, whichever file runs it.
    char name[] = "tessaly";
    char* named[] = {name, nullptr};
    int count = 1;
    QCoreApplication application(count, named);
    Translations::Install(application);
    options = ReadStartOptions(argc, argv);
    return AnswerStartOptions(options);
}

int AnswerStartOptions(const StartOptions& options)
{
    if (!options.error.isEmpty()) {
        qCWarning(serviceLog, "%s",
                  qUtf8Printable(CommandLine::tr("%1\nTry 'tessaly --help'.").arg(options.error)));
        return 2;
    }
    std::fputs(qPrintable(options.output), stdout);
    return 0;
}

void HandOverToHeadless(char* argv[])
{
    char executable[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0)
        return;
    executable[length] = '\0';
    const QByteArray directory = QByteArray(executable).left(QByteArray(executable).lastIndexOf('/') + 1);
    ::execv((directory + "tessaly-headless").constData(), argv);
}
