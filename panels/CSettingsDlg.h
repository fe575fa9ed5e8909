#pragma once

#include "skin/CSkinnedDialog.h"

#include <array>
#include <QBrush>

class CBitmapButton;
class CSkinSlider;
class QButtonGroup;
class TransmitterCore;

// The settings window: stereo/mono, band, de-emphasis, spacing and TX gain. Build one for each opening
// and run it with exec(); it initialises itself when first shown.
//
// While open, each TX-GAIN change (a mouse step, or a key or assistive tool moving the thumb to another
// position) goes to the core with the options the window opened with, which sends one SetupReport; the
// radio buttons reach the core only when the window closes. Every way of closing (DONE or Enter, the close
// button, Escape, the window manager) applies the radios and the slider through the core before the window
// goes away. A change made elsewhere meanwhile (the session bus) shows at once in the group or slider it
// concerns, so the closing never puts an older choice back.
class CSettingsDlg final : public CSkinnedDialog
{
    Q_OBJECT

public:
    explicit CSettingsDlg(TransmitterCore& core, QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    // The slider notification: acts only for the TX-GAIN slider 1012, and reads the slider's position
    // itself. Sends one SetupReport per call, whether or not the position changed.
    void OnTxGainChanged(int controlId);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The framing boxes and the radio buttons they hold.
    void createRadioGroups();
    bool OnInitDialog();
    // Applies the radios, the slider and the composed option byte through the core.
    void CommitSettings();
    // Shows what changed in the core's state since the window last showed it.
    void onCoreChanged();
    // The radio indexes from option flags.
    void readOptionFlags(int flags);
    // true: checked radios into the index members (-1 for a group with none checked);
    // false: checks the radio each index member names.
    void UpdateData(bool saveAndValidate);
    int ComposeOptionFlags() const;
    int& RadioIndex(int group);
    // The option bits a radio group stands for, and the index of its radio that flags check.
    static int GroupBits(int group);
    static int RadioIndexOf(int group, int flags);

    TransmitterCore& core;
    const QBrush backgroundBrush;
    std::array<QButtonGroup*, 4> radioGroups{};
    CSkinSlider* txGainSlider;
    CBitmapButton* doneButton;
    int stereoMonoIndex = -1;
    int bandIndex = -1;
    int spacingIndex = -1;
    int deEmphasisIndex = -1;
    // The core's options and TX-GAIN as this window last saw them: only what changes there is shown anew.
    int shownOptionFlags = 0;
    int shownTxGainIndex = 0;
    bool initialised = false;
    bool committed = false;
};
