#pragma once

#include <QObject>

// Announces device arrivals and removals on the user-interface thread. Which device an event concerns is
// not told: every arrival is a reason to try opening, every removal a reason to close.
class HotplugWatcher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void deviceArrived();
    void deviceRemoved();
};
