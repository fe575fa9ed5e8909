#include "app/AppLog.h"
#include "app/CTransmitterApp.h"
#include "app/DisplayCheck.h"
#include "service/HeadlessRun.h"
#include "service/RunningInstance.h"
#include "service/Session.h"
#include "service/SessionBusProbe.h"
#include "service/StartOptions.h"
#include "state/Translations.h"

#include <malloc.h>
#include <QApplication>

int main(int argc, char* argv[])
{
    StartOptions options;
    if (const std::optional<int> answered = BeginStart(argc, argv, options))
        return *answered;
    // Asked now and answered while the display and the lock are looked at, which reach no bus.
    SessionBusProbe busProbe(sessionBusAnswerLimit);
    const bool displayUsable = !options.headless && DisplayUsable(options.platform, options.display);
    if (options.headless || (options.background && !displayUsable)) {
        HandOverToHeadless(argv);
        // Without its lighter sibling (a copy of this file alone) the same run goes on here.
        busProbe.KeepBusIfItAnswers();
        return RunHeadless(argc, argv, options);
    }

    // The running copy is found before any display is opened: a start from ssh still reaches it.
    const SingleInstanceLock lock = Session::AcquireLock();
    if (lock == SingleInstanceLock::HeldByAnother) {
        busProbe.KeepBusIfItAnswers();
        QCoreApplication application(argc, argv);
        Translations::Install(application);
        return HandOverToRunningInstance(options.background);
    }
    if (!displayUsable) {
        busProbe.KeepBusIfItAnswers(); // not left to the end of the process, half asked
        // An application object without a display, for the user's language alone.
        QCoreApplication application(argc, argv);
        Translations::Install(application);
        qCWarning(
            appLog, "%s",
            qUtf8Printable(QCoreApplication::translate(
                "main", "no display to show the window on (DISPLAY or WAYLAND_DISPLAY cannot be opened); "
                        "'tessaly --headless' runs without one")));
        return 2;
    }

    // Pictures of 64 KiB and more (the skin as decoded, the window icon's sizes, the icon as handed to the
    // display) are made and let go as the window is built. glibc would raise its threshold for a mapping of
    // their own on the first one freed, and the rest would stay behind as holes in the heap for the run.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    busProbe.KeepBusIfItAnswers();
    QApplication application(argc, argv);
    qCDebug(appLog, "the display is open");
    Translations::Install(application);
    // The name panels show for the tray item (and the class part of X11's WM_CLASS); the settings and
    // lock paths do not derive from it. The desktop file name is the Wayland app id, so docks can match
    // the window to its desktop entry.
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaly.Tessaly"));
    CTransmitterApp theApp;
    return theApp.InitInstance(options, lock);
}
