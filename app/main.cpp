#include "app/CTransmitterApp.h"

#include <csignal>
#include <QApplication>

int main(int argc, char* argv[])
{
    // A vanished device peer must fail the write, not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    QApplication application(argc, argv);
    CTransmitterApp theApp;
    theApp.InitInstance();
    return 0;
}
