#pragma once

#include "skin/CSkinnedDialog.h"

#include <array>
#include <QBrush>

class CBitmapButton;
class CSkinSlider;
class QButtonGroup;

// The settings window: stereo/mono, band, de-emphasis, spacing and TX gain. Build one for each opening
// and run it with exec(); it initialises itself when first shown.
//
// While open, each TX-GAIN change (a mouse step, or a key or assistive tool moving the thumb to another
// position) writes txGainIndex and optionFlags and sends one SetupReport; the radio buttons reach
// transmitterState only when the window closes. Every way of closing (DONE or Enter, the close button,
// Escape, the window manager) commits the radios and the slider before the window goes away. Closing sends
// nothing: the caller sends the reports.
class CSettingsDlg final : public CSkinnedDialog
{
    Q_OBJECT

public:
    explicit CSettingsDlg(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    // The slider notification: acts only for the TX-GAIN slider 1012, and reads the slider's position
    // itself. Sends one SetupReport per call, whether or not the position changed.
    void OnTxGainChanged(int controlId);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool OnInitDialog();
    // Reads the radios, the slider and the composed option byte into transmitterState.
    void CommitSettings();
    // true: checked radios into the index members (-1 for a group with none checked);
    // false: checks the radio each index member names.
    void UpdateData(bool saveAndValidate);
    int ComposeOptionFlags() const;
    int& RadioIndex(int group);

    const QBrush backgroundBrush;
    std::array<QButtonGroup*, 4> radioGroups{};
    CSkinSlider* txGainSlider;
    CBitmapButton* doneButton;
    int stereoMonoIndex = -1;
    int bandIndex = -1;
    int spacingIndex = -1;
    int deEmphasisIndex = -1;
    bool initialised = false;
    bool committed = false;
};
