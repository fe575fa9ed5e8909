#include "bench/FloorDialog.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    FloorDialog dialog;
    return dialog.exec();
}
