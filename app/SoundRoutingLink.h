#pragma once

#include "sound/SoundRouting.h"

#include <QObject>

class QMenu;

// Ties the sound routing to the window program: the checkable item in the system menu and the device's
// opening and closing. Made once the window is shown, so nothing of it comes before the first report.
class SoundRoutingLink final : public QObject
{
    Q_OBJECT

public:
    SoundRoutingLink(QMenu* systemMenu, QObject* parent);
    ~SoundRoutingLink() override;

    SoundRouting& Routing() { return routing; }

private:
    SoundRouting routing;
};
