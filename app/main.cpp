#include "app/CTransmitterApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CTransmitterApp theApp;
    theApp.InitInstance();
    return 0;
}
