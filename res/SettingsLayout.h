#pragma once

#include <array>
#include <QPoint>
#include <QRect>
#include <QtGlobal>

// The settings window's own controls on skin 207, in client pixels. The template's dialog units are
// doubled, which lays every control on the skin's plain body (x 8 to 466, y 34 to 289); the frame's
// controls (emblem, title, caption buttons) are placed by the frame. The words are translated where shown,
// in the context "SettingsWindow".

struct SettingsRadio
{
    int id;
    const char* text;
    QRect rect;
};

// One option: its group box and its radio buttons in dialog order, so a radio's place in `radios` is its
// index in the group.
struct SettingsRadioGroup
{
    int groupBoxId;
    const char* title;
    QRect box;
    int radioCount;
    std::array<SettingsRadio, 3> radios;
};

inline constexpr int SETTINGS_STEREO_MONO_GROUP = 0;
inline constexpr int SETTINGS_BAND_GROUP = 1;
inline constexpr int SETTINGS_SPACING_GROUP = 2;
inline constexpr int SETTINGS_DE_EMPHASIS_GROUP = 3;

// Groups in dialog order. De-emphasis comes last and lists 1018 before 1017: 1018 is index 0.
inline constexpr std::array<SettingsRadioGroup, 4> settingsRadioGroups{{
    {1021,
     QT_TRANSLATE_NOOP("SettingsWindow", "Stereo/Mono"),
     QRect(32, 38, 136, 90),
     2,
     {{{1013, QT_TRANSLATE_NOOP("SettingsWindow", "Stereo"), QRect(48, 64, 74, 20)},
       {1014, QT_TRANSLATE_NOOP("SettingsWindow", "Mono"), QRect(48, 94, 68, 20)}}}},
    {1022,
     QT_TRANSLATE_NOOP("SettingsWindow", "Band"),
     QRect(202, 38, 258, 90),
     2,
     {{{1015, QT_TRANSLATE_NOOP("SettingsWindow", "87.5 - 108MHz(USA,Europe)"), QRect(228, 64, 212, 20)},
       {1016, QT_TRANSLATE_NOOP("SettingsWindow", "76 - 90MHz(Japan)"), QRect(228, 94, 154, 20)}}}},
    {1024,
     //: The tuning step: how far apart the frequencies an arrow steps to are
     QT_TRANSLATE_NOOP("SettingsWindow", "Spacing"),
     QRect(256, 136, 204, 118),
     3,
     {{{1019, QT_TRANSLATE_NOOP("SettingsWindow", "200KHz(USA)"), QRect(272, 162, 118, 20)},
       {1020, QT_TRANSLATE_NOOP("SettingsWindow", "100KHz(Europe,Japan)"), QRect(272, 192, 180, 20)},
       {1025, QT_TRANSLATE_NOOP("SettingsWindow", "50KHz"), QRect(272, 222, 76, 20)}}}},
    {1023,
     QT_TRANSLATE_NOOP("SettingsWindow", "De-emphasis"),
     QRect(32, 136, 206, 90),
     2,
     {{{1018, QT_TRANSLATE_NOOP("SettingsWindow", "50us(Europe,Australia)"), QRect(48, 162, 180, 20)},
       {1017, QT_TRANSLATE_NOOP("SettingsWindow", "75us(USB,Japan)"), QRect(48, 192, 144, 20)}}}},
}};

inline constexpr int SETTINGS_TX_GAIN_SLIDER_ID = 1012;
inline constexpr QPoint SETTINGS_TX_GAIN_SLIDER_POSITION(37, 270);
inline constexpr int SETTINGS_TX_GAIN_CHANNEL_BITMAP = 208;
inline constexpr int SETTINGS_TX_GAIN_ACTIVE_CHANNEL_BITMAP = 209;
inline constexpr int SETTINGS_TX_GAIN_THUMB_BITMAP = 178;
inline constexpr int SETTINGS_TX_GAIN_ACTIVE_THUMB_BITMAP = 179;

inline constexpr int SETTINGS_TX_GAIN_LABEL_ID = 1048;
inline constexpr int SETTINGS_TX_GAIN_LABEL_BITMAP = 215;
inline constexpr QPoint SETTINGS_TX_GAIN_LABEL_POSITION(34, 236);

// The dialog's OK command.
inline constexpr int SETTINGS_DONE_ID = 1;
inline constexpr int SETTINGS_DONE_BITMAP = 210;
inline constexpr int SETTINGS_DONE_PRESSED_BITMAP = 211;
inline constexpr QPoint SETTINGS_DONE_POSITION(390, 262);
