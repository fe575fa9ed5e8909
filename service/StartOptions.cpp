#include "service/StartOptions.h"

#include <climits>
#include <cstdio>
#include <QCommandLineParser>
#include <unistd.h>

StartOptions ReadStartOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Controls a USB FM transmitter. While it runs, tessalyctl and the session bus "
        "(org.tessaly.Tessaly) control it too; a second start shows the running one's window."));
    const QCommandLineOption headless(
        QStringLiteral("headless"),
        QStringLiteral("Run without windows or tray, needing no display: "
                       "the transmitter, its settings and the session bus only."));
    const QCommandLineOption background(
        QStringLiteral("background"),
        QStringLiteral("Start with the window hidden in the tray (headless when there is no display)."));
    const QCommandLineOption web(
        QStringLiteral("web"),
        QStringLiteral(
            "Switch the web page for phones on and keep that choice (see WebAddress on the bus)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOptions({headless, background, web, help, version});

    StartOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return options;
    }
    // Read before any application object exists, the parser cannot know the program's name.
    if (parser.isSet(help))
        options.output =
            parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tessaly"));
    else if (parser.isSet(version))
        options.output = QStringLiteral("tessaly %1\n").arg(QStringLiteral(TESSALY_VERSION));
    options.headless = parser.isSet(headless);
    options.background = parser.isSet(background);
    options.web = parser.isSet(web);
    return options;
}

bool DisplayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

StartOptions ReadStartOptions(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return ReadStartOptions(arguments);
}

int AnswerStartOptions(const StartOptions& options)
{
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "tessaly: %s\nTry 'tessaly --help'.\n", qPrintable(options.error));
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
