#include "app/LevelMeterLink.h"

#include "panels/CFrequencyReadout.h"
#include "sound/SoundRouting.h"
#include "state/SoundStateValue.h"

#include <limits>
#include <QEvent>
#include <QWidget>

LevelMeterLink::LevelMeterLink(QWidget& window, CFrequencyReadout& readout, SoundRouting& routing)
    : QObject(&window), window(window), readout(readout), routing(routing)
{
    window.installEventFilter(this);
    connect(&routing, &SoundRouting::stateChanged, this, &LevelMeterLink::Update);
    connect(&routing, &SoundRouting::levelChanged, this, [this](double peakDbfs) {
        if (watching)
            this->readout.ShowLevel(peakDbfs);
    });
    Update();
}

LevelMeterLink::~LevelMeterLink()
{
    if (watching)
        routing.UnwatchLevel();
}

bool LevelMeterLink::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        Update();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void LevelMeterLink::Update()
{
    const bool wanted = window.isVisible() && !window.isMinimized() &&
                        routing.State() == QLatin1String(SoundStateValue::Routed);
    if (wanted == watching)
        return;
    watching = wanted;
    if (watching) {
        readout.ShowLevel(-std::numeric_limits<double>::infinity());
        routing.WatchLevel();
    } else {
        routing.UnwatchLevel();
        readout.HideLevel();
    }
}
