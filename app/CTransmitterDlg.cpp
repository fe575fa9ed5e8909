#include "app/CTransmitterDlg.h"

#include "app/CHearingDlg.h"
#include "app/CWebControlDlg.h"
#include "app/DisplayCheck.h"
#include "app/FavouritesNotice.h"
#include "app/LevelMeterLink.h"
#include "app/TrayControl.h"
#include "app/WindowPlace.h"
#include "app/WriteErrorMessage.h"
#include "core/TransmitterCore.h"
#include "panels/CMainPanel.h"
#include "res/Resources.h"
#include "skin/CAboutDlg.h"
#include "skin/CSystemMenu.h"
#include "skin/CToolTipStyle.h"
#include "skin/CTrayIcon.h"
#include "sound/SoundRouting.h"
#include "state/SoundStateValue.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

CTransmitterDlg::CTransmitterDlg(TransmitterCore& core, QWidget* parent)
    : CSkinnedDialog(mainWindowFrame, parent), core(core), trayIcon(new CTrayIcon(this))
{
    setObjectName(QStringLiteral("102"));
    panel = new CMainPanel(this, this->core);
}

CTransmitterDlg::~CTransmitterDlg()
{
    DestroyWindow();
    // The controls go away after this destructor; their last events must not reach the panel.
    panel = nullptr;
}

int CTransmitterDlg::DoModal()
{
    // With the library the first control takes the focus; without it no control has it, the window does.
    if (OnInitDialog())
        FocusFirstTabStop();
    else
        setFocus(Qt::OtherFocusReason);
    RestorePlace(*this, WindowPlacePath(core.SettingsFileInUse()));
    if (startHidden) {
        OnMinimize();
    } else {
        show();
        // As a modal run would: the window takes the keyboard at start.
        activateWindow();
    }
    const int ending = Run();
    DestroyWindow();
    return ending;
}

void CTransmitterDlg::EndRun()
{
    // Windows open over this one close first, from the top; the settings window commits as it always does.
    while (auto* modalWindow = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        modalWindow->reject();
        if (modalWindow->isVisible())
            break;
    }
    reject();
}

bool CTransmitterDlg::OnInitDialog()
{
    connect(&core, &TransmitterCore::writeFailed, this,
            [this] { ShowWriteErrorMessage(this, writeErrorMessage); });

    systemMenu = new CSystemMenu(this);
    connect(systemMenu, &CSystemMenu::commandChosen, this, &CTransmitterDlg::OnSysCommand);
    trayControl = new TrayControl(core, *trayIcon, *this,
                                  {.show = [this] { BringBack(); }, .quit = [this] { EndRun(); }});
    trayIcon->Add();
    // Without a tray host a hidden window could never come back: keep a taskbar button then.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);

    SizeToSkin();
    MakeKeyColourTransparent();
    SetUpTitle();

    panel->SetUpSliderAndReadout();
    PlaceEmblem();
    panel->PlaceIdlePicture();
    CToolTipStyle::Install();
    panel->RegisterSliderTip();
    panel->SetUpButtons();
    SetUpCaptionButtons();
    panel->PlaceButtons();
    PlaceCaptionButtons();

    //: The program's name, as its windows' title
    setWindowTitle(tr("Tessaly"));
    // Icon 192 only: nothing shows before it, so giving the window icon 128 first would be wasted work.
    setWindowIcon(LoadWindowIcon());
    return core.IsLibraryLoaded();
}

void CTransmitterDlg::DestroyWindow()
{
    if (tornDown)
        return;
    tornDown = true;
    KeepPlace(*this, WindowPlacePath(core.SettingsFileInUse()));
    // Gone from the screen at once, the tray icon too, before the end waits for the transmitter: one that
    // does not read holds it for seconds, and the display server must see the unmap before that.
    hide();
    trayIcon->Remove();
    SendPendingDisplayRequests();
    if (teardown)
        teardown();
}

void CTransmitterDlg::ToggleOnAir()
{
    core.ToggleOnAir();
}

void CTransmitterDlg::Tell(const QString& text)
{
    if (!text.isEmpty() && trayControl)
        trayControl->Tell(text);
}

void CTransmitterDlg::AddSoundRoutingItem(SoundRouting& routing)
{
    QAction* item = systemMenu->Menu()->addAction(tr("Play &sound through the transmitter"));
    item->setCheckable(true);
    item->setChecked(routing.IsEnabled());
    // While the sound settings send the sound elsewhere, choosing the ticked item puts it back on the
    // transmitter and leaves it ticked; the item says so.
    connect(item, &QAction::triggered, &routing, [this, &routing, item](bool on) {
        if (!on && routing.State() == QLatin1String(SoundStateValue::Elsewhere)) {
            item->setChecked(true);
            on = true;
        }
        Tell(routing.SetEnabled(on));
    });
    connect(&routing, &SoundRouting::enabledChanged, item, &QAction::setChecked);
    connect(&routing, &SoundRouting::stateChanged, item, [&routing, item] {
        const QString elsewhere = routing.ElsewhereText();
        //: %1 says where the sound plays instead, as the sound settings have it
        const QString onElsewhere =
            tr("Play &sound through the transmitter (on, but %1; choose to put it back)");
        item->setText(elsewhere.isEmpty() ? tr("Play &sound through the transmitter")
                                          : onElsewhere.arg(elsewhere));
    });
    connect(
        &routing, &SoundRouting::cardNotFound, trayControl,
        [this] {
            trayControl->Tell(tr("The transmitter's sound card was not found: the computer's sound "
                                 "keeps playing where it did."));
        },
        Qt::SingleShotConnection);
    new LevelMeterLink(*this, panel->Readout(), routing);
}

void CTransmitterDlg::AddWebControlItem(WebControl& web)
{
    QAction* item = systemMenu->Menu()->addAction(tr("&Control from a phone…"));
    connect(item, &QAction::triggered, this, [this, &web] {
        CWebControlDlg window(web, this);
        window.exec();
    });
}

void CTransmitterDlg::AddHearingCheckItem(SoundRouting& routing, HearingRun& hearing)
{
    QAction* item = systemMenu->Menu()->addAction(tr("&Why can't I hear it?"));
    item->setObjectName(QString::number(IDM_HEARINGCHECK));
    trayControl->FollowHearing(routing, hearing);
    connect(item, &QAction::triggered, this, [this, &routing, &hearing] {
        if (!hearingWindow) {
            hearingWindow = new CHearingDlg(core, &routing, hearing, this);
            hearingWindow->setAttribute(Qt::WA_DeleteOnClose);
        }
        hearingWindow->show();
        hearingWindow->raise();
        hearingWindow->activateWindow();
    });
}

void CTransmitterDlg::BringBack()
{
    trayIcon->OnActivated(QSystemTrayIcon::Trigger);
}

void CTransmitterDlg::OnSysCommand(int command)
{
    if ((command & ~0xF) != IDM_ABOUTBOX)
        return;
    CAboutDlg about(this);
    about.exec();
}

bool CTransmitterDlg::PreTranslateMessage(QObject* receiver, QEvent* event)
{
    if (panel && panel->TakeTypedKey(receiver, event))
        return true;
    if (panel)
        panel->PreTranslateMessage(receiver, event);
    return CSkinnedDialog::PreTranslateMessage(receiver, event);
}

void CTransmitterDlg::OnTimer(int timerId)
{
    if (!panel || !panel->OnTimer(timerId))
        CSkinnedDialog::OnTimer(timerId);
}

void CTransmitterDlg::OnMinimize()
{
    if (trayIcon->IsShown())
        hide();
    else
        showMinimized();
}

void CTransmitterDlg::OnOK()
{
    accept();
}

void CTransmitterDlg::showEvent(QShowEvent* event)
{
    CSkinnedDialog::showEvent(event);
    if (shownOnce)
        return;
    shownOnce = true;
    // Once the window is on the screen, so that the box opens over it.
    QTimer::singleShot(0, this, [this] { ShowFavouritesNotice(*this, core.FavouritesLeftOutAtStart()); });
}

void CTransmitterDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter ends the run as the dialog's OK command, even with no default push button to click.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnOK();
        return;
    }
    QDialog::keyPressEvent(event);
}
