#pragma once

#include <QCoreApplication>

// The main panel's controls as a person knows them: each button's tooltip and the name assistive tools
// read, and the power slider's name. The panel shows them and the hearing check's fixes name the controls
// by them, so both say the same in every language: translated in the context "PanelButtons" where shown.
namespace PanelButtonWords {

inline constexpr char Context[] = "PanelButtons";

// The on-air button's tip, the same whether on air or not.
//: Tooltip of the main window's on-air (play/stop) button, in either state
inline constexpr char stopPlayTip[] = QT_TRANSLATE_NOOP("PanelButtons", "Stop");
//: Name a screen reader says for the main window's on-air button (a check box, checked while on air)
inline constexpr char stopPlayName[] = QT_TRANSLATE_NOOP("PanelButtons", "Transmit");
//: Tooltip and screen reader name of the main window's mute button
inline constexpr char mute[] = QT_TRANSLATE_NOOP("PanelButtons", "Mute");
//: Tooltip of the button that raises the frequency by one step
inline constexpr char frequencyUpTip[] = QT_TRANSLATE_NOOP("PanelButtons", "Frequency add");
//: Screen reader name of the button that raises the frequency by one step
inline constexpr char frequencyUpName[] = QT_TRANSLATE_NOOP("PanelButtons", "Frequency up");
//: Tooltip of the button that lowers the frequency by one step
inline constexpr char frequencyDownTip[] = QT_TRANSLATE_NOOP("PanelButtons", "Frequency dec");
//: Screen reader name of the button that lowers the frequency by one step
inline constexpr char frequencyDownName[] = QT_TRANSLATE_NOOP("PanelButtons", "Frequency down");
//: Tooltip of the button that opens the settings window
inline constexpr char setTip[] = QT_TRANSLATE_NOOP("PanelButtons", "Set");
//: Screen reader name of the button that opens the settings window
inline constexpr char setName[] = QT_TRANSLATE_NOOP("PanelButtons", "Settings");
//: Name of the main window's transmit power slider, as printed beside it
inline constexpr char paValueSlider[] = QT_TRANSLATE_NOOP("PanelButtons", "PA-VALUE");

} // namespace PanelButtonWords
