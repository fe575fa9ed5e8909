#pragma once

#include "state/PanelButtonWords.h"

// A panel button's pictures by bitmap ID: plain, under the pointer, and held down.
struct ButtonLook
{
    int normal;
    int hover;
    int pressed;
};

// What a panel button shows: its tooltip, the name assistive tools read (both in English, translated in the
// context "PanelButtons" where shown), its look, and for the two toggles the look while what they switch is
// on.
struct PanelButtonLooks
{
    const char* tip;
    const char* name;
    ButtonLook off;
    ButtonLook on = {};

    constexpr const ButtonLook& Look(bool isOn) const { return isOn ? on : off; }
};

// The main panel's buttons, in the order the window sets them up.
namespace PanelButtons {
inline constexpr PanelButtonLooks stopPlay{
    PanelButtonWords::stopPlayTip, PanelButtonWords::stopPlayName, {172, 220, 173}, {168, 218, 169}};
inline constexpr PanelButtonLooks mute{
    PanelButtonWords::mute, PanelButtonWords::mute, {166, 217, 167}, {165, 216, 180}};
inline constexpr PanelButtonLooks frequencyUp{
    PanelButtonWords::frequencyUpTip, PanelButtonWords::frequencyUpName, {182, 222, 183}};
inline constexpr PanelButtonLooks frequencyDown{
    PanelButtonWords::frequencyDownTip, PanelButtonWords::frequencyDownName, {174, 221, 181}};
inline constexpr PanelButtonLooks set{PanelButtonWords::setTip, PanelButtonWords::setName, {170, 219, 171}};
} // namespace PanelButtons
