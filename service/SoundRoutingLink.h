#pragma once

#include "sound/SoundRouting.h"

#include <QObject>

class TransmitterCore;

// Ties the sound routing to the program: the option read at once (the bus shows it from the start), the
// sound server and the transmitter's connecting and going only from Start(), once the transmitter is set
// up and the window shown, so nothing of it comes before the first report.
class SoundRoutingLink final : public QObject
{
    Q_OBJECT

public:
    explicit SoundRoutingLink(TransmitterCore& core, QObject* parent = nullptr);

    // From now on the routing follows the core's Connected.
    void Start();
    SoundRouting& Routing() { return routing; }

private:
    void followConnection();

    TransmitterCore& core;
    SoundRouting routing;
    bool transmitterConnected = false;
};
