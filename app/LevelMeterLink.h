#pragma once

#include <QObject>

class CFrequencyReadout;
class QWidget;
class SoundRouting;

// The read-out's level meter: the level is watched, and the meter drawn, only while the window is on the
// screen (not hidden in the tray, not minimised) and the sound is routed to the transmitter, so that a
// window out of sight costs nothing.
class LevelMeterLink final : public QObject
{
public:
    // Belongs to window.
    LevelMeterLink(QWidget& window, CFrequencyReadout& readout, SoundRouting& routing);
    ~LevelMeterLink() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Update();

    QWidget& window;
    CFrequencyReadout& readout;
    SoundRouting& routing;
    bool watching = false;
};
