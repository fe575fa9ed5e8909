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
#include "state/TransmitterValues.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <utility>

namespace {

constexpr int firstRepeatMs = 500;
constexpr int repeatMs = 100;
// How long a Space release waits for the press of the same instant that would make it a key repeat.
constexpr int releaseConfirmMs = 50;

} // namespace

CMainPanel::CMainPanel(CSkinnedDialog* window, TransmitterCore& core)
    : QObject(window), window(window), core(core), stopPlay(createButton(1007)), mute(createButton(1008)),
      frequencyDown(createButton(1009)), frequencyUp(createButton(1010)), set(createButton(1000)),
      paSlider(new CSkinSlider(1006, window)), idlePicture(new QLabel(window)),
      readout(new CFrequencyReadout(window)), typedEntry(new CTypedEntry(window, readout, core))
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
    // An assistive tool's press is a click: one step, no repeat.
    connect(frequencyDown, &CBitmapButton::pressActionRun, this, &CMainPanel::StepFrequencyDown);
    connect(frequencyUp, &CBitmapButton::pressActionRun, this, &CMainPanel::StepFrequencyUp);
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
    upEngaged = false;
    downEngaged = false;
    paSlider->SetChannelImages(176, 177, false, KEY_COLOUR_FROM_PIXEL, 0, 0);
    paSlider->SetThumbImages(178, 179, true, KEY_COLOUR_FROM_PIXEL, 0, 0);
    paSlider->EnableFocusRect(false, false);
    paSlider->SetRange(0, PaLevelMaximum, false);
    paSlider->SetPos(core.State().paLevel);
    paSlider->move(325, 237);
    // Assistive tools read PA-VALUE as the power the device gets.
    paSlider->setAccessibleName(QStringLiteral("PA-VALUE"));
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
    paSlider->setToolTip(QString::number(paSlider->GetPos() + PaLevelOffset));
}

void CMainPanel::SetUpButtons()
{
    hoverRecord = {};
    const struct
    {
        CBitmapButton* button;
        int normal;
        int pressed;
        const char* text;
        const char* name; // what assistive tools read
    } buttons[] = {{stopPlay, 172, 173, "Stop", "Transmit"},
                   {mute, 166, 167, "Mute", "Mute"},
                   {frequencyUp, 182, 183, "Frequency add", "Frequency up"},
                   {frequencyDown, 174, 181, "Frequency dec", "Frequency down"},
                   {set, 170, 171, "Set", "Settings"}};
    for (const auto& entry : buttons) {
        entry.button->LoadBitmaps(entry.normal, entry.pressed);
        entry.button->SizeToContent();
        entry.button->setToolTip(QString::fromLatin1(entry.text));
        entry.button->setAccessibleName(QString::fromLatin1(entry.name));
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

CMainPanel::ButtonImages CMainPanel::imagesOf(const CBitmapButton* button) const
{
    if (button == stopPlay)
        return core.State().onAir ? ButtonImages{168, 218, 169} : ButtonImages{172, 220, 173};
    if (button == mute)
        return core.State().muted ? ButtonImages{165, 216, 180} : ButtonImages{166, 217, 167};
    if (button == frequencyDown)
        return {174, 221, 181};
    if (button == frequencyUp)
        return {182, 222, 183};
    return {170, 219, 171};
}

bool CMainPanel::isPanelButton(const QObject* object) const
{
    return object == stopPlay || object == mute || object == frequencyDown || object == frequencyUp ||
           object == set;
}

void CMainPanel::setHoverRecord(CBitmapButton* button, int normalImage, int pressedImage)
{
    hoverRecord = {button, normalImage, pressedImage};
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
    // The hover image of the new state: the pointer is normally over the button.
    if (core.State().onAir != shownOnAir) {
        shownOnAir = core.State().onAir;
        if (shownOnAir) {
            stopPlay->LoadBitmaps(218, 169);
            setHoverRecord(stopPlay, 168, 169);
        } else {
            stopPlay->LoadBitmaps(220, 173);
            setHoverRecord(stopPlay, 172, 173);
        }
        stopPlay->setChecked(shownOnAir);
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
        if (shownMuted) {
            mute->LoadBitmaps(216, 180);
            setHoverRecord(mute, 165, 180);
        } else {
            mute->LoadBitmaps(217, 167);
            setHoverRecord(mute, 166, 167);
        }
        mute->setChecked(shownMuted);
    }
    if (core.State().frequency != shownFrequency) {
        shownFrequency = core.State().frequency;
        if (!typedEntry->IsActive())
            readout->ShowFrequency(shownFrequency, shownOnAir);
    }
    if (core.State().paLevel != paSlider->GetPos()) {
        paSlider->SetPos(core.State().paLevel);
        UpdateTipText(paSlider, QString::number(paSlider->GetPos() + PaLevelOffset));
    }
}

void CMainPanel::StepFrequencyUp()
{
    stepFrequency(upEngaged, &TransmitterCore::StepFrequencyUp);
}

void CMainPanel::StepFrequencyDown()
{
    stepFrequency(downEngaged, &TransmitterCore::StepFrequencyDown);
}

void CMainPanel::stepFrequency(bool& engaged, bool (TransmitterCore::*step)())
{
    if (!core.State().onAir)
        return;
    engaged = true;
    (core.*step)();
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
    UpdateTipText(paSlider, QString::number(position + PaLevelOffset));
    return 0;
}

void CMainPanel::PreTranslateMessage(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        onPointerMove(receiver, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            onFrequencyButtonPress(receiver);
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            onFrequencyButtonRelease(receiver);
        break;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            onFrequencyButtonDoubleClick(receiver);
        break;
    case QEvent::WindowBlocked:
        // A modal window (above all the write-error message) takes the input away mid-hold: the release
        // would never arrive.
        if (receiver == window)
            EndRepeat();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        onSpace(receiver, static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusOut:
        // The button no longer looks held once the focus has left it.
        if (receiver == spaceHeld)
            endSpaceHold();
        break;
    default:
        break;
    }
}

void CMainPanel::onPointerMove(QObject* receiver, const QPoint& globalPosition)
{
    if (upEngaged || downEngaged) {
        leaveCheck(globalPosition);
    } else if (isPanelButton(receiver) && hoverRecord.normalImage == 0) {
        auto* button = static_cast<CBitmapButton*>(receiver);
        const ButtonImages images = imagesOf(button);
        button->LoadBitmaps(images.hover, images.pressed);
        setHoverRecord(button, images.normal, images.pressed);
    }
    // A move over the body itself puts the last hovered button back to its plain look.
    if (receiver == window && hoverRecord.normalImage != 0) {
        hoverRecord.button->LoadBitmaps(hoverRecord.normalImage, hoverRecord.pressedImage);
        hoverRecord = {};
    }
}

void CMainPanel::leaveCheck(const QPoint& globalPosition)
{
    // Only the button engaged first is looked at: up before down.
    const FrequencyButton& engagedButton = upEngaged ? frequencyButtons[0] : frequencyButtons[1];
    CBitmapButton* const button = this->*engagedButton.button;
    if (!(this->*engagedButton.engaged) ||
        QRect(button->mapToGlobal(QPoint(0, 0)), button->size()).contains(globalPosition))
        return;
    window->KillTimer(TIMER_STEP_UP);
    window->KillTimer(TIMER_STEP_DOWN);
    this->*engagedButton.engaged = false;
    button->LoadBitmaps(engagedButton.normalImage, engagedButton.normalImage);
    setHoverRecord(button, engagedButton.normalImage, engagedButton.normalImage);
}

const CMainPanel::FrequencyButton CMainPanel::frequencyButtons[2] = {
    {&CMainPanel::frequencyUp, &CMainPanel::upEngaged, &CMainPanel::StepFrequencyUp, TIMER_STEP_UP, 182, 183},
    {&CMainPanel::frequencyDown, &CMainPanel::downEngaged, &CMainPanel::StepFrequencyDown, TIMER_STEP_DOWN,
     174, 181},
};

const CMainPanel::FrequencyButton* CMainPanel::frequencyButtonOf(const QObject* receiver) const
{
    for (const FrequencyButton& frequencyButton : frequencyButtons) {
        if (receiver == this->*frequencyButton.button)
            return &frequencyButton;
    }
    return nullptr;
}

void CMainPanel::EndRepeat()
{
    endSpaceHold();
    for (const FrequencyButton& frequencyButton : frequencyButtons) {
        window->KillTimer(frequencyButton.timerId);
        this->*frequencyButton.engaged = false;
        CBitmapButton* const button = this->*frequencyButton.button;
        button->setDown(false);
        button->LoadBitmaps(frequencyButton.normalImage, frequencyButton.pressedImage);
    }
}

void CMainPanel::stepAndRepeat(const FrequencyButton& frequencyButton, int delayMs)
{
    (this->*frequencyButton.step)();
    // The step may have ended the repeat (its report failed and the message took the input away).
    if (this->*frequencyButton.engaged && core.State().onAir)
        window->SetTimer(frequencyButton.timerId, delayMs);
}

void CMainPanel::onFrequencyButtonPress(QObject* receiver)
{
    const FrequencyButton* pressed = frequencyButtonOf(receiver);
    if (!pressed || !core.State().onAir)
        return;
    stepAndRepeat(*pressed, firstRepeatMs);
    (this->*pressed->button)->LoadBitmaps(pressed->normalImage, pressed->pressedImage);
}

void CMainPanel::onFrequencyButtonRelease(QObject* receiver)
{
    if (const FrequencyButton* released = frequencyButtonOf(receiver)) {
        window->KillTimer(released->timerId);
        (this->*released->button)->LoadBitmaps(released->normalImage, released->pressedImage);
    }
}

void CMainPanel::onFrequencyButtonDoubleClick(QObject* receiver)
{
    // The second press of a double-click: one step and one repeat start, never also the plain press.
    const FrequencyButton* clicked = frequencyButtonOf(receiver);
    if (!clicked)
        return;
    (this->*clicked->button)->LoadBitmaps(clicked->pressedImage, clicked->pressedImage);
    stepAndRepeat(*clicked, firstRepeatMs);
}

// Space holds a focused frequency button as the left mouse button does, and the button's own timer repeats
// the step; the keyboard's repeats neither step nor restart that timer. Releasing Space ends the hold
// wherever the focus went meanwhile.
//
// An X server repeats a held key as a release and a press of the same instant, and Qt marks the pair as a
// repeat only when both have arrived by the time it handles the release. So a release ends the hold only
// once no press of its instant has followed within releaseConfirmMs; a repeat step falling due meanwhile
// waits for that answer.
void CMainPanel::onSpace(QObject* receiver, const QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat())
        return;
    if (event->type() == QEvent::KeyRelease) {
        if (!spaceHeld)
            return;
        spaceReleasedAt = event->timestamp();
        QTimer::singleShot(releaseConfirmMs, this, [this, releasedAt = event->timestamp()] {
            if (spaceReleasedAt == releasedAt)
                endSpaceHold();
        });
        return;
    }
    if (spaceHeld == receiver && spaceReleasedAt == event->timestamp()) {
        spaceReleasedAt.reset();
        resumeSpaceHold();
        return;
    }
    endSpaceHold();
    if (frequencyButtonOf(receiver)) {
        spaceHeld = receiver;
        onFrequencyButtonPress(receiver);
    }
}

void CMainPanel::resumeSpaceHold()
{
    const FrequencyButton* held = frequencyButtonOf(spaceHeld);
    if (!window->IsTimerActive(held->timerId))
        stepAndRepeat(*held, repeatMs);
}

void CMainPanel::endSpaceHold()
{
    spaceReleasedAt.reset();
    if (spaceHeld)
        onFrequencyButtonRelease(std::exchange(spaceHeld, nullptr));
}

bool CMainPanel::TakeTypedKey(QObject* receiver, QEvent* event)
{
    return setUp && typedEntry->TakeKey(receiver, event);
}

bool CMainPanel::OnTimer(int timerId)
{
    // Stopped before the step and restarted after it, so a step that blocks never lets ticks pile up.
    for (const FrequencyButton& repeating : frequencyButtons) {
        if (repeating.timerId == timerId) {
            window->KillTimer(timerId);
            if (spaceReleasedAt && spaceHeld == this->*repeating.button)
                return true;
            stepAndRepeat(repeating, repeatMs);
            return true;
        }
    }
    return false;
}
