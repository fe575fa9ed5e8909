#include "app/CTransmitterApp.h"
#include "service/HeadlessRun.h"
#include "service/StartOptions.h"

#include <csignal>
#include <QApplication>

int main(int argc, char* argv[])
{
    // A vanished device peer must fail the write, not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    StartOptions options = ReadStartOptions(argc, argv);
    const bool windowless = options.headless || (options.background && !DisplayAvailable());
    if (!options.output.isEmpty() || (!options.error.isEmpty() && (windowless || !DisplayAvailable())))
        return AnswerStartOptions(options);
    if (options.error.isEmpty() && windowless) {
        HandOverToHeadless(argv);
        // Without its lighter sibling (a copy of this file alone) the same run goes on here.
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Tessaly"));
        return RunHeadless(options.web);
    }

    QApplication application(argc, argv);
    // Qt has taken its own options out by now: what is still unknown is a usage error.
    options = ReadStartOptions(QCoreApplication::arguments());
    if (!options.output.isEmpty() || !options.error.isEmpty())
        return AnswerStartOptions(options);
    // The name panels show for the tray item (and the class part of X11's WM_CLASS); the settings and
    // lock paths do not derive from it. The desktop file name is the Wayland app id, so docks can match
    // the window to its desktop entry.
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaly.Tessaly"));
    CTransmitterApp theApp;
    theApp.InitInstance(options);
    return 0;
}
