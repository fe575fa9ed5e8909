#pragma once

#include <QObject>

// The least a headless program on the session bus holds: one object with one readable property, exported
// the plain Qt way. The floor that the headless program's memory is measured against.
class BusFloor final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.tessaly.Tessaly1")
    Q_PROPERTY(uint Frequency READ frequency)

public:
    uint frequency() const { return 90000; }
};
