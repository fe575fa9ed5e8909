#pragma once

#include <QObject>
#include <sys/types.h>

// Announces device arrivals and removals on the user-interface thread. An arrival does not say which
// device came: every arrival is a reason to try opening.
class HotplugWatcher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void deviceArrived();
    // node: the device number of the node that went away, 0 when it is not known.
    void deviceRemoved(dev_t node = 0);
};
