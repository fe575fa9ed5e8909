#include "panels/CSettingsDlg.h"

#include "core/TransmitterCore.h"
#include "res/Resources.h"
#include "res/SettingsLayout.h"
#include "skin/CBitmapButton.h"
#include "skin/CSkinSlider.h"
#include "skin/CToolTipStyle.h"
#include "skin/UpdateTipText.h"
#include "state/TransmitterValues.h"

#include <algorithm>
#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

namespace {

// The body colour of skin 207.
constexpr QColor SKIN_BODY_COLOUR(206, 210, 214);
// Between a radio button and its box's right edge, as the widest English one leaves.
constexpr int RADIO_RIGHT_MARGIN = 8;

QString TipText(int value)
{
    return QString::number(value);
}

} // namespace

CSettingsDlg::CSettingsDlg(TransmitterCore& core, QWidget* parent)
    : CSkinnedDialog(settingsWindowFrame, parent), core(core), backgroundBrush(SKIN_BODY_COLOUR)
{
    setObjectName(QStringLiteral("129"));
    setWindowTitle(QCoreApplication::translate("SkinFrame", settingsWindowFrame.title));
    // Modal to the main window only: the tray icon must still reach the main window.
    setWindowModality(Qt::WindowModal);

    createRadioGroups();

    txGainSlider = new CSkinSlider(SETTINGS_TX_GAIN_SLIDER_ID, this);
    txGainSlider->setFocusPolicy(Qt::StrongFocus);
    //: The transmitter's input gain, as the slider's label reads
    txGainSlider->setAccessibleName(tr("TX-GAIN"));
    connect(txGainSlider, &CSkinSlider::sliderChanged, this, &CSettingsDlg::OnTxGainChanged);

    doneButton = new CBitmapButton(this);
    doneButton->setObjectName(QString::number(SETTINGS_DONE_ID));
    //: The button that closes the settings window
    doneButton->setText(tr("DONE"));
    doneButton->move(SETTINGS_DONE_POSITION);
    connect(doneButton, &QAbstractButton::clicked, this, &QDialog::accept);

    auto* txGainLabel = new QLabel(this);
    txGainLabel->setObjectName(QString::number(SETTINGS_TX_GAIN_LABEL_ID));
    txGainLabel->setPixmap(LoadBitmap(SETTINGS_TX_GAIN_LABEL_BITMAP));
    txGainLabel->adjustSize();
    txGainLabel->move(SETTINGS_TX_GAIN_LABEL_POSITION);

    // Tab follows the screen: the groups row by row, left to right, then TX-GAIN, DONE and the close
    // button.
    QWidget* previous = nullptr;
    for (const int group : {SETTINGS_STEREO_MONO_GROUP, SETTINGS_BAND_GROUP, SETTINGS_DE_EMPHASIS_GROUP,
                            SETTINGS_SPACING_GROUP}) {
        for (QAbstractButton* radio : radioGroups[group]->buttons()) {
            if (previous)
                setTabOrder(previous, radio);
            previous = radio;
        }
    }
    setTabOrder(previous, txGainSlider);
    setTabOrder(txGainSlider, doneButton);
    setTabOrder(doneButton, CaptionButton(1036));
    connect(&core, &TransmitterCore::changed, this, &CSettingsDlg::onCoreChanged);
}

void CSettingsDlg::createRadioGroups()
{
    // The boxes go first so that they lie beneath the radio buttons they frame.
    for (const SettingsRadioGroup& group : settingsRadioGroups) {
        auto* box = new QGroupBox(QCoreApplication::translate("SettingsWindow", group.title), this);
        box->setObjectName(QString::number(group.groupBoxId));
        box->setGeometry(group.box);
        QPalette palette = box->palette();
        palette.setBrush(QPalette::Window, backgroundBrush);
        box->setPalette(palette);
        box->setAutoFillBackground(true);
    }
    // Radios in dialog order, which is also the tab order; each button's ID in its group is its index.
    for (std::size_t group = 0; group < settingsRadioGroups.size(); ++group) {
        radioGroups[group] = new QButtonGroup(this);
        for (int index = 0; index < settingsRadioGroups[group].radioCount; ++index) {
            const SettingsRadio& values = settingsRadioGroups[group].radios[index];
            auto* radio = new QRadioButton(QCoreApplication::translate("SettingsWindow", values.text), this);
            radio->setObjectName(QString::number(values.id));
            // Each reaches to its box's inner edge: room for words longer than the English ones, which
            // look the same, drawn from the left. A face taller than the skin's row (Japanese, Chinese)
            // grows it about the same middle.
            QRect rect = values.rect;
            rect.setRight(settingsRadioGroups[group].box.right() - RADIO_RIGHT_MARGIN);
            const int height = std::max(rect.height(), radio->sizeHint().height());
            radio->setGeometry(rect.adjusted(0, -(height - rect.height()) / 2, 0,
                                             height - rect.height() - (height - rect.height()) / 2));
            radioGroups[group]->addButton(radio, index);
        }
    }
}

// Showing stands for the dialog's creation and hiding for its destruction: every way a run ends hides
// the window, so committing here leaves no way out without it.
void CSettingsDlg::setVisible(bool visible)
{
    if (visible && !initialised) {
        initialised = true;
        OnInitDialog();
    }
    if (!visible && initialised && !committed && isVisible()) {
        committed = true;
        CommitSettings();
    }
    CSkinnedDialog::setVisible(visible);
}

bool CSettingsDlg::OnInitDialog()
{
    SizeToSkin();
    MakeKeyColourTransparent();
    PlaceEmblem();
    SetUpTitle();
    SetUpCaptionButtons();
    PlaceCaptionButtons();
    doneButton->LoadBitmaps(SETTINGS_DONE_BITMAP, SETTINGS_DONE_PRESSED_BITMAP);
    doneButton->SizeToContent();

    txGainSlider->SetChannelImages(SETTINGS_TX_GAIN_CHANNEL_BITMAP, SETTINGS_TX_GAIN_ACTIVE_CHANNEL_BITMAP,
                                   false, KEY_COLOUR_FROM_PIXEL, 0, 0);
    txGainSlider->SetThumbImages(SETTINGS_TX_GAIN_THUMB_BITMAP, SETTINGS_TX_GAIN_ACTIVE_THUMB_BITMAP, true,
                                 KEY_COLOUR_FROM_PIXEL, 0, 0);
    txGainSlider->EnableFocusRect(false, false);
    txGainSlider->SetRange(0, TxGainMaximum, false);
    txGainSlider->SetPos(core.State().txGainIndex);
    txGainSlider->move(SETTINGS_TX_GAIN_SLIDER_POSITION);

    CToolTipStyle::Install();
    txGainSlider->setToolTip(TipText(core.State().txGainIndex));

    shownOptionFlags = core.State().optionFlags;
    shownTxGainIndex = core.State().txGainIndex;
    readOptionFlags(shownOptionFlags);
    UpdateData(false);
    // Tab enters a group at its checked radio; the arrows move within the group.
    for (QButtonGroup* group : radioGroups) {
        for (QAbstractButton* radio : group->buttons())
            radio->setFocusPolicy(radio->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }

    // The slider takes the focus first.
    txGainSlider->setFocus(Qt::OtherFocusReason);
    return true;
}

void CSettingsDlg::OnTxGainChanged(int controlId)
{
    if (controlId != SETTINGS_TX_GAIN_SLIDER_ID)
        return;
    UpdateTipText(txGainSlider, TipText(txGainSlider->GetPos()));
    // The indexes still hold what the window opened with: radio changes wait for the closing.
    core.ChangeTxGain(ComposeOptionFlags(), txGainSlider->GetPos());
}

void CSettingsDlg::readOptionFlags(int flags)
{
    for (std::size_t group = 0; group < radioGroups.size(); ++group)
        RadioIndex(int(group)) = RadioIndexOf(int(group), flags);
}

void CSettingsDlg::onCoreChanged()
{
    if (!initialised || committed)
        return;
    // Each group that changed elsewhere shows the new choice; the others keep what the user picked.
    const int changedBits = core.State().optionFlags ^ shownOptionFlags;
    shownOptionFlags = core.State().optionFlags;
    for (std::size_t group = 0; group < radioGroups.size(); ++group) {
        if ((changedBits & GroupBits(int(group))) == 0)
            continue;
        RadioIndex(int(group)) = RadioIndexOf(int(group), shownOptionFlags);
        if (QAbstractButton* radio = radioGroups[group]->button(RadioIndex(int(group)))) {
            radio->setChecked(true);
            for (QAbstractButton* other : radioGroups[group]->buttons())
                other->setFocusPolicy(other == radio ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }
    // Only a TX-GAIN changed elsewhere moves the slider: any other change (a failed write, say) would
    // otherwise undo a move of the user's whose news is still on its way through the event queue.
    if (core.State().txGainIndex != shownTxGainIndex) {
        shownTxGainIndex = core.State().txGainIndex;
        if (shownTxGainIndex != txGainSlider->GetPos()) {
            txGainSlider->SetPos(shownTxGainIndex);
            UpdateTipText(txGainSlider, TipText(shownTxGainIndex));
        }
    }
}

void CSettingsDlg::keyPressEvent(QKeyEvent* event)
{
    // DONE is the default button; QDialog finds default buttons only among push buttons.
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        doneButton->click();
        return;
    }
    CSkinnedDialog::keyPressEvent(event);
}

void CSettingsDlg::CommitSettings()
{
    UpdateData(true);
    core.ApplySettings(ComposeOptionFlags(), txGainSlider->GetPos());
}

void CSettingsDlg::UpdateData(bool saveAndValidate)
{
    for (std::size_t group = 0; group < radioGroups.size(); ++group) {
        int& index = RadioIndex(int(group));
        if (saveAndValidate) {
            index = radioGroups[group]->checkedId();
        } else if (QAbstractButton* radio = radioGroups[group]->button(index)) {
            radio->setChecked(true);
        }
    }
}

int CSettingsDlg::ComposeOptionFlags() const
{
    return EncodeOptions({.mono = stereoMonoIndex != 0,
                          .lowBand = bandIndex != 0,
                          .deemphasis75 = deEmphasisIndex != 0,
                          .step = spacingIndex == 0   ? Step200kHz
                                  : spacingIndex == 1 ? Step100kHz
                                                      : Step50kHz});
}

int CSettingsDlg::GroupBits(int group)
{
    switch (group) {
    case SETTINGS_STEREO_MONO_GROUP:
        return MonoFlag;
    case SETTINGS_BAND_GROUP:
        return LowBandFlag;
    case SETTINGS_SPACING_GROUP:
        return StepBits;
    default:
        return Deemphasis75Flag;
    }
}

int CSettingsDlg::RadioIndexOf(int group, int flags)
{
    const int bits = flags & GroupBits(group);
    if (group != SETTINGS_SPACING_GROUP)
        return bits != 0 ? 1 : 0;
    // Both 50 kHz codes, 2 and the undefined 3, check the 50 kHz radio.
    return int(DecodeOptions(flags).step);
}

int& CSettingsDlg::RadioIndex(int group)
{
    switch (group) {
    case SETTINGS_STEREO_MONO_GROUP:
        return stereoMonoIndex;
    case SETTINGS_BAND_GROUP:
        return bandIndex;
    case SETTINGS_SPACING_GROUP:
        return spacingIndex;
    default:
        return deEmphasisIndex;
    }
}
