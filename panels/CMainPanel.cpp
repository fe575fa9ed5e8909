#include "panels/CMainPanel.h"

#include "core/TransmitterCore.h"
#include "core/Tuning.h"
#include "panels/CFrequencyReadout.h"
#include "panels/CSettingsDlg.h"
#include "panels/CTypedEntry.h"
#include "res/Resources.h"
#include "skin/CBitmapButton.h"
#include "skin/CSkinnedDialog.h"
#include "skin/CSkinSlider.h"
#include "skin/UpdateTipText.h"
#include "state/Power.h"
#include "state/TransmitterValues.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

CMainPanel::CMainPanel(CSkinnedDialog* window, TransmitterCore& core)
    : QObject(window), window(window), core(core), stopPlay(createButton(1007)), mute(createButton(1008)),
      frequencyDown(createButton(1009)), frequencyUp(createButton(1010)), set(createButton(1000)),
      paSlider(new CSkinSlider(1006, window)), idlePicture(new QLabel(window)),
      readout(new CFrequencyReadout(window)), typedEntry(new CTypedEntry(window, readout, core)),
      frequencyDownRepeat(window, frequencyDown, PanelButtons::frequencyDown.off, TIMER_STEP_DOWN, core,
                          &TransmitterCore::StepFrequencyDown),
      frequencyUpRepeat(window, frequencyUp, PanelButtons::frequencyUp.off, TIMER_STEP_UP, core,
                        &TransmitterCore::StepFrequencyUp),
      hover({{{stopPlay, PanelButtons::stopPlay},
              {mute, PanelButtons::mute},
              {frequencyUp, PanelButtons::frequencyUp},
              {frequencyDown, PanelButtons::frequencyDown},
              {set, PanelButtons::set}}})
{
    // Moves without a pressed button must reach the body and the buttons, or hover never happens.
    window->setMouseTracking(true);
    paSlider->setAttribute(Qt::WA_NoMousePropagation);
    idlePicture->setObjectName(QStringLiteral("1039"));
    idlePicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Tab follows the screen: left to right along the strip, the slider last.
    paSlider->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(stopPlay, frequencyDown);
    QWidget::setTabOrder(frequencyDown, frequencyUp);
    QWidget::setTabOrder(frequencyUp, mute);
    QWidget::setTabOrder(mute, set);
    QWidget::setTabOrder(set, paSlider);

    connect(stopPlay, &QAbstractButton::clicked, this, &CMainPanel::ToggleOnAir);
    connect(mute, &QAbstractButton::clicked, this, &CMainPanel::ToggleMute);
    connect(set, &QAbstractButton::clicked, this, &CMainPanel::OpenSettings);
    connect(paSlider, &CSkinSlider::sliderChanged, this,
            [this](int controlId, int) { OnPaLevelChanged(controlId); });
    connect(&core, &TransmitterCore::changed, this, &CMainPanel::onCoreChanged);
    connect(typedEntry, &CTypedEntry::typing, this, [this](bool active) {
        if (active) {
            idlePicture->hide();
            return;
        }
        readout->ShowFrequency(this->core.State().frequency, shownOnAir);
        showConnection();
    });
}

CBitmapButton* CMainPanel::createButton(int id)
{
    auto* button = new CBitmapButton(window);
    button->setObjectName(QString::number(id));
    button->setMouseTracking(true);
    // A move over a button belongs to the button: it must not also count as a move over the body.
    button->setAttribute(Qt::WA_NoMousePropagation);
    return button;
}

void CMainPanel::SetUpSliderAndReadout()
{
    frequencyUpRepeat.Disengage();
    frequencyDownRepeat.Disengage();
    paSlider->SetChannelImages(176, 177, false, KEY_COLOUR_FROM_PIXEL, 0, 0);
    paSlider->SetThumbImages(178, 179, true, KEY_COLOUR_FROM_PIXEL, 0, 0);
    paSlider->EnableFocusRect(false, false);
    paSlider->SetRange(0, PaLevelMaximum, false);
    paSlider->SetPos(core.State().paLevel);
    paSlider->move(325, 237);
    // Assistive tools read PA-VALUE as the power the device gets.
    //: The transmit power, as the slider's label reads
    paSlider->setAccessibleName(tr("PA-VALUE"));
    paSlider->SetShownOffset(PaLevelOffset);
    readout->SetUp();
}

void CMainPanel::PlaceIdlePicture()
{
    idlePicture->setPixmap(LoadBitmap(194));
    idlePicture->resize(idlePicture->sizeHint());
    idlePicture->move(190, 110);
}

void CMainPanel::RegisterSliderTip()
{
    paSlider->setToolTip(QString::number(Power::PaValueOf(paSlider->GetPos())));
}

void CMainPanel::SetUpButtons()
{
    hover.Clear();
    for (const auto& [button, looks] : hover.All()) {
        button->LoadBitmaps(looks.off.normal, looks.off.pressed);
        button->SizeToContent();
        button->setToolTip(QCoreApplication::translate("PanelButtons", looks.tip));
        button->setAccessibleName(QCoreApplication::translate("PanelButtons", looks.name));
    }
    // The two toggles show their on/off state to assistive tools.
    stopPlay->setCheckable(true);
    mute->setCheckable(true);
}

void CMainPanel::PlaceButtons()
{
    const QSize size = stopPlay->size();
    stopPlay->setGeometry(QRect(QPoint(20, 250), size));
    frequencyDown->setGeometry(QRect(QPoint(70, 250), size));
    frequencyUp->setGeometry(QRect(QPoint(130, 250), size));
    mute->setGeometry(QRect(QPoint(190, 250), size));
    set->setGeometry(QRect(QPoint(245, 250), size));
    shownOnAir = core.State().onAir;
    shownMuted = core.State().muted;
    shownFrequency = core.State().frequency;
    readout->ShowFrequency(shownFrequency, shownOnAir);
    showConnection();
    setUp = true;
}

void CMainPanel::showConnection()
{
    shownConnection = core.Connection();
    idlePicture->setVisible(!shownOnAir && shownConnection == TransmitterCore::ConnectionState::Connected);
    readout->ShowConnection(shownConnection);
    readout->ShowDelivered(core.Delivered(), core.FailedWriteTime());
}

bool CMainPanel::isOn(const QObject* button) const
{
    return (button == stopPlay && core.State().onAir) || (button == mute && core.State().muted);
}

void CMainPanel::ToggleOnAir()
{
    core.ToggleOnAir();
}

void CMainPanel::ToggleMute()
{
    core.ToggleMute();
}

void CMainPanel::onCoreChanged()
{
    if (!setUp)
        return;
    if (core.State().onAir != shownOnAir) {
        shownOnAir = core.State().onAir;
        showToggle(stopPlay, shownOnAir);
        if (!typedEntry->IsActive()) {
            readout->ShowFrequency(core.State().frequency, shownOnAir);
            showConnection();
        }
    }
    if (core.Connection() != shownConnection && !typedEntry->IsActive())
        showConnection();
    if (!typedEntry->IsActive())
        readout->ShowDelivered(core.Delivered(), core.FailedWriteTime());
    if (core.State().muted != shownMuted) {
        shownMuted = core.State().muted;
        showToggle(mute, shownMuted);
    }
    if (core.State().frequency != shownFrequency) {
        shownFrequency = core.State().frequency;
        if (!typedEntry->IsActive())
            readout->ShowFrequency(shownFrequency, shownOnAir);
    }
    if (core.State().paLevel != paSlider->GetPos()) {
        paSlider->SetPos(core.State().paLevel);
        UpdateTipText(paSlider, QString::number(Power::PaValueOf(paSlider->GetPos())));
    }
}

// The hover look of the new state: the pointer is normally over the button.
void CMainPanel::showToggle(CBitmapButton* button, bool on)
{
    hover.Show(button, hover.LooksOf(button)->Look(on));
    button->setChecked(on);
}

void CMainPanel::StepFrequencyUp()
{
    frequencyUpRepeat.TakeStep();
}

void CMainPanel::StepFrequencyDown()
{
    frequencyDownRepeat.TakeStep();
}

void CMainPanel::OpenSettings()
{
    CSettingsDlg settings(core, window);
    settings.exec();
}

int CMainPanel::OnPaLevelChanged(int controlId)
{
    if (controlId != 1006)
        return 0;
    const int position = paSlider->GetPos();
    if (position == core.State().paLevel)
        return 0;
    core.ChangePaLevel(position);
    UpdateTipText(paSlider, QString::number(Power::PaValueOf(position)));
    return 0;
}

void CMainPanel::PreTranslateMessage(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        onPointerMove(receiver, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::WindowBlocked:
        // A modal window (above all the write-error message) takes the input away mid-hold: the release
        // would never arrive.
        if (receiver == window)
            EndRepeat();
        break;
    default:
        passToFrequencyButtons(receiver, event);
        break;
    }
}

void CMainPanel::passToFrequencyButtons(QObject* receiver, QEvent* event)
{
    const bool forUp = receiver == frequencyUp;
    (forUp ? frequencyDownRepeat : frequencyUpRepeat).Handle(receiver, event);
    (forUp ? frequencyUpRepeat : frequencyDownRepeat).Handle(receiver, event);
}

void CMainPanel::onPointerMove(QObject* receiver, const QPoint& globalPosition)
{
    if (frequencyUpRepeat.IsEngaged() || frequencyDownRepeat.IsEngaged()) {
        leaveCheck(globalPosition);
    } else if (const PanelButtonLooks* looks = hover.LooksOf(receiver); looks && !hover.IsShown()) {
        hover.Show(static_cast<CBitmapButton*>(receiver), looks->Look(isOn(receiver)));
    }
    // A move over the body itself puts the last hovered button back to its plain look.
    if (receiver == window)
        hover.PutBack();
}

void CMainPanel::leaveCheck(const QPoint& globalPosition)
{
    // Only the button engaged first is looked at, up before down; leaving it stops both repeats.
    const bool upFirst = frequencyUpRepeat.IsEngaged();
    CRepeatButton& engaged = upFirst ? frequencyUpRepeat : frequencyDownRepeat;
    if (!engaged.LeaveCheck(globalPosition))
        return;
    (upFirst ? frequencyDownRepeat : frequencyUpRepeat).StopTimer();
    hover.PutBackLater(upFirst ? frequencyUp : frequencyDown);
}

void CMainPanel::EndRepeat()
{
    frequencyUpRepeat.EndRepeat();
    frequencyDownRepeat.EndRepeat();
}

bool CMainPanel::TakeTypedKey(QObject* receiver, QEvent* event)
{
    return setUp && typedEntry->TakeKey(receiver, event);
}

bool CMainPanel::OnTimer(int timerId)
{
    return frequencyUpRepeat.OnTimer(timerId) || frequencyDownRepeat.OnTimer(timerId);
}
