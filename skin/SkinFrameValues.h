#pragma once

#include <array>
#include <QtGlobal>

// One caption button as a window's template and set-up define it. toolTip nullptr: no tip. name: what
// assistive tools read. The words are translated where shown, in the context "SkinFrame".
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
    const char* title; // the window's title, and what assistive tools read for its picture
    // The main window has no taskbar button, is centred on the screen, and its close button cancels; the
    // settings window is centred on its owner and its close button accepts, as its DONE button does.
    bool mainWindow;
    // The caption button whose size all three take.
    int sizingButtonId;
    std::array<CaptionButtonValues, 3> captionButtons;
};

inline constexpr int CAPTION_BUTTON_Y = 5;

inline constexpr SkinFrameValues mainWindowFrame{
    141,
    QT_TRANSLATE_NOOP("SkinFrame", "Tessaly Ver1.2.1"),
    true,
    1034,
    {{{1034, 214, 186, 368, true, true, QT_TRANSLATE_NOOP("SkinFrame", "minimize"),
       QT_TRANSLATE_NOOP("SkinFrame", "minimize")},
      //: The caption button that would make the window as large as the screen
      {1035, 191, 190, 402, true, false, QT_TRANSLATE_NOOP("SkinFrame", "max"),
       QT_TRANSLATE_NOOP("SkinFrame", "max")},
      {1036, 212, 184, 436, true, true, QT_TRANSLATE_NOOP("SkinFrame", "close"),
       QT_TRANSLATE_NOOP("SkinFrame", "close")}}}};

inline constexpr SkinFrameValues settingsWindowFrame{
    207,
    QT_TRANSLATE_NOOP("SkinFrame", "Tessaly Set"),
    false,
    1036,
    {{{1034, 187, 186, 368, false, false, nullptr, QT_TRANSLATE_NOOP("SkinFrame", "minimize")},
      {1035, 191, 213, 402, false, false, nullptr, QT_TRANSLATE_NOOP("SkinFrame", "max")},
      {1036, 212, 184, 436, true, true, nullptr, QT_TRANSLATE_NOOP("SkinFrame", "close")}}}};
