#pragma once

#include "sound/SoundRouting.h"

#include <QObject>

class QMenu;

// Ties the sound routing to the program: the option read at once (the bus shows it from the start), the
// sound server and the device's opening and closing only from Start(), once the transmitter is set up and
// the window shown, so nothing of it comes before the first report.
class SoundRoutingLink final : public QObject
{
    Q_OBJECT

public:
    explicit SoundRoutingLink(QObject* parent = nullptr);
    ~SoundRoutingLink() override;

    void Start();
    // The checkable "Play sound through the transmitter" item, kept in step both ways.
    void AddMenuItem(QMenu* systemMenu);
    SoundRouting& Routing() { return routing; }

private:
    SoundRouting routing;
};
