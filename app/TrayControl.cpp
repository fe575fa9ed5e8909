#include "app/TrayControl.h"

#include "app/UnattendedMenu.h"
#include "core/TransmitterCore.h"
#include "panels/CFrequencyReadout.h"
#include "service/HearingRun.h"
#include "skin/CTrayIcon.h"
#include "sound/SoundRouting.h"

#include <QMessageBox>
#include <utility>

QString TrayToolTip(const TransmitterCore& core, bool nothingPlaying)
{
    const TransmitterState& state = core.State();
    switch (core.Connection()) {
    case TransmitterCore::ConnectionState::Absent:
        return TrayControl::tr("Tessaly — no transmitter");
    case TransmitterCore::ConnectionState::NoPermission:
        return TrayControl::tr("Tessaly — no permission for the transmitter");
    case TransmitterCore::ConnectionState::Connected:
        break;
    }
    const QString frequency = CFrequencyReadout::FrequencyText(state.frequency);
    const QString shown = !state.onAir  ? TrayControl::tr("Tessaly — off air")
                          : state.muted ? TrayControl::tr("Tessaly — muted")
                          : nothingPlaying
                              ? TrayControl::tr("Tessaly — on air, %1, nothing playing").arg(frequency)
                              : TrayControl::tr("Tessaly — on air, %1").arg(frequency);
    if (core.Delivered())
        return shown;
    //: %1 is the tip as it would be: the program's name and the transmitter's state
    return TrayControl::tr("%1 — the transmitter did not take the last change").arg(shown);
}

TrayControl::TrayControl(TransmitterCore& core, CTrayIcon& trayIcon, QWidget& window, WindowActions actions)
    : QObject(&window), core(core), trayIcon(trayIcon), window(window), actions(std::move(actions))
{
    connect(trayIcon.Menu(), &QMenu::aboutToShow, this, &TrayControl::fillMenu);
    connect(&core, &TransmitterCore::changed, this, &TrayControl::showState);
    showState();
}

void TrayControl::fillMenu()
{
    if (onAir)
        return;
    QMenu* menu = trayIcon.Menu();
    onAir = menu->addAction(QString(), &core, &TransmitterCore::ToggleOnAir);
    //: The tray menu's item that silences what the transmitter sends
    mute = menu->addAction(tr("&Mute"));
    mute->setCheckable(true);
    connect(mute, &QAction::triggered, &core, [this](bool muted) {
        if (muted != core.State().muted)
            core.ToggleMute();
    });
    AddStoredChoice(*menu, tr("Start at &login"), core, &TransmitterCore::StartsAtLogin,
                    &TransmitterCore::SetStartAtLogin, [this](const QString& text) { Tell(text); });
    menu->addAction(tr("&Show window"), this, [this] { actions.show(); });
    menu->addSeparator();
    menu->addAction(tr("&Quit"), this, [this] { actions.quit(); });
    showMenuState();
}

void TrayControl::showMenuState()
{
    if (!onAir)
        return;
    // The item says what it does: go on air while off air, and back.
    //: The tray menu's item while on air: choosing it goes off air
    const QString goOffAir = tr("&Off air");
    //: The tray menu's item while off air: choosing it goes on air
    onAir->setText(core.State().onAir ? goOffAir : tr("&On air"));
    mute->setChecked(core.State().muted);
}

void TrayControl::showState()
{
    showMenuState();
    const bool connected = core.Connection() == TransmitterCore::ConnectionState::Connected;
    // The tip says what was not taken; the picture shows it too, for a glance at the tray.
    const CTrayIcon::Picture picture = connected && !core.Delivered()    ? CTrayIcon::Picture::NotTaken
                                       : connected && core.State().onAir ? CTrayIcon::Picture::OnAir
                                                                         : CTrayIcon::Picture::Plain;
    trayIcon.ShowStatus(TrayToolTip(core, hearing && hearing->NothingPlaying()), picture);
}

void TrayControl::FollowHearing(SoundRouting& routing, HearingRun& hearingRun)
{
    hearing = &hearingRun;
    connect(&routing, &SoundRouting::stateChanged, this, &TrayControl::showState);
    showState();
}

void TrayControl::Tell(const QString& text)
{
    if (trayIcon.ShowMessage(window.windowTitle(), text))
        return;
    auto* note = new QMessageBox(QMessageBox::NoIcon, window.windowTitle(), text, QMessageBox::Ok, &window);
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setWindowModality(Qt::NonModal);
    note->show();
}
