#pragma once

#include "sound/SoundRouting.h"

#include <QObject>

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
    SoundRouting& Routing() { return routing; }

private:
    SoundRouting routing;
};
