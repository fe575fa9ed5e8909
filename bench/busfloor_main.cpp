#include "bench/BusFloor.h"

#include <cstdio>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    BusFloor floor;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/tessaly/Tessaly"), &floor,
                            QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.tessaly.Tessaly"))) {
        std::fprintf(stderr, "tessaly_busfloor: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    return QCoreApplication::exec();
}
