#include "app/CTransmitterApp.h"

#include <csignal>
#include <QApplication>

int main(int argc, char* argv[])
{
    // A vanished device peer must fail the write, not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    QApplication application(argc, argv);
    // The name panels show for the tray item (and the class part of X11's WM_CLASS); the settings and
    // lock paths do not derive from it. The desktop file name is the Wayland app id, so docks can match
    // the window to its desktop entry.
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaly.Tessaly"));
    CTransmitterApp theApp;
    theApp.InitInstance();
    return 0;
}
