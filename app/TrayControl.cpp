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
    QString shown;
    switch (core.Connection()) {
    case TransmitterCore::ConnectionState::Absent:
        shown = QStringLiteral("no transmitter");
        break;
    case TransmitterCore::ConnectionState::NoPermission:
        shown = QStringLiteral("no permission for the transmitter");
        break;
    case TransmitterCore::ConnectionState::Connected:
        if (!state.onAir)
            shown = QStringLiteral("off air");
        else if (state.muted)
            shown = QStringLiteral("muted");
        else
            shown = QStringLiteral("on air, ") + CFrequencyReadout::FrequencyText(state.frequency) +
                    (nothingPlaying ? QStringLiteral(", nothing playing") : QString());
        if (!core.Delivered())
            shown += QStringLiteral(" — the transmitter did not take the last change");
        break;
    }
    return QStringLiteral("Tessaly — ") + shown;
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
    onAir->setText(core.State().onAir ? tr("&Off air") : tr("&On air"));
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
    if (trayIcon.ShowMessage(QStringLiteral("Tessaly"), text))
        return;
    auto* note =
        new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tessaly"), text, QMessageBox::Ok, &window);
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setWindowModality(Qt::NonModal);
    note->show();
}
