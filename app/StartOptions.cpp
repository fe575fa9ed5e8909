#include "app/StartOptions.h"

#include <QCommandLineParser>

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
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOptions({headless, background, help, version});

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
    return options;
}

bool DisplayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
