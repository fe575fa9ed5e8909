#include "app/CTransmitterApp.h"
#include "app/HeadlessRun.h"
#include "app/StartOptions.h"

#include <csignal>
#include <cstdio>
#include <QApplication>

namespace {

// Help and version go to stdout with status 0; usage errors to stderr with status 2.
int Answer(const StartOptions& options)
{
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "tessaly: %s\nTry 'tessaly --help'.\n", qPrintable(options.error));
        return 2;
    }
    std::fputs(qPrintable(options.output), stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // A vanished device peer must fail the write, not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    StartOptions options = ReadStartOptions(arguments);
    const bool windowless = options.headless || (options.background && !DisplayAvailable());
    if (!options.output.isEmpty() || (!options.error.isEmpty() && (windowless || !DisplayAvailable())))
        return Answer(options);
    if (options.error.isEmpty() && windowless) {
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Tessaly"));
        return RunHeadless();
    }

    QApplication application(argc, argv);
    // Qt has taken its own options out by now: what is still unknown is a usage error.
    options = ReadStartOptions(QCoreApplication::arguments());
    if (!options.output.isEmpty() || !options.error.isEmpty())
        return Answer(options);
    // The name panels show for the tray item (and the class part of X11's WM_CLASS); the settings and
    // lock paths do not derive from it. The desktop file name is the Wayland app id, so docks can match
    // the window to its desktop entry.
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaly.Tessaly"));
    CTransmitterApp theApp;
    theApp.InitInstance(options);
    return 0;
}
