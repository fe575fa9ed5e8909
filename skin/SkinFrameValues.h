#pragma once

#include <array>

// One caption button as a window's template and set-up define it. toolTip nullptr: no tip. name: what
// assistive tools read.
struct CaptionButtonValues
{
    int id;
    int normalImage;
    int pressedImage;
    int x;
    bool visible;
    bool enabled;
    const char* toolTip;
    const char* name;
};

// What tells the two skinned windows apart; everything else about their frame is shared.
struct SkinFrameValues
{
    int skinId;
    const char* title;
    // The main window has no taskbar button, is centred on the screen, and its close button cancels; the
    // settings window is centred on its owner and its close button accepts, as its DONE button does.
    bool mainWindow;
    // The caption button whose size all three take.
    int sizingButtonId;
    std::array<CaptionButtonValues, 3> captionButtons;
};

inline constexpr int CAPTION_BUTTON_Y = 5;

inline constexpr SkinFrameValues mainWindowFrame{141,
                                                 "Tessaly Ver1.2.1",
                                                 true,
                                                 1034,
                                                 {{{1034, 214, 186, 368, true, true, "minimize", "minimize"},
                                                   {1035, 191, 190, 402, true, false, "max", "max"},
                                                   {1036, 212, 184, 436, true, true, "close", "close"}}}};

inline constexpr SkinFrameValues settingsWindowFrame{
    207,
    "Tessaly Set",
    false,
    1036,
    {{{1034, 187, 186, 368, false, false, nullptr, "minimize"},
      {1035, 191, 213, 402, false, false, nullptr, "max"},
      {1036, 212, 184, 436, true, true, nullptr, "close"}}}};
