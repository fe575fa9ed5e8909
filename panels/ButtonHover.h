#pragma once

#include "panels/PanelButtonLooks.h"

#include <array>

class CBitmapButton;
class QObject;

// The hover looks of the panel's buttons: each button with what it shows, and the one button that shows its
// look under the pointer, with the plain look a move over the window's body puts back.
class ButtonHover
{
public:
    struct ButtonAndLooks
    {
        CBitmapButton* button;
        const PanelButtonLooks& looks;
    };
    using Buttons = std::array<ButtonAndLooks, 5>;

    // The buttons in the order they are set up.
    explicit ButtonHover(const Buttons& buttons) : buttons(buttons) {}

    const Buttons& All() const { return buttons; }
    // Null for anything that is not one of the buttons.
    const PanelButtonLooks* LooksOf(const QObject* object) const;
    // Whether a button shows a look that a move over the body puts back.
    bool IsShown() const { return record.normalImage != 0; }
    // Forgets the recorded look; what the button shows stays.
    void Clear() { record = {}; }
    // Gives the button its look under the pointer, and records the look a move over the body puts back.
    void Show(CBitmapButton* button, const ButtonLook& look);
    // Records that a move over the body gives the button its plain off look, held down as well.
    void PutBackLater(CBitmapButton* button);
    // Puts the recorded button back to its plain look and forgets it.
    void PutBack();

private:
    struct Record
    {
        CBitmapButton* button = nullptr;
        int normalImage = 0; // 0: the record is empty
        int pressedImage = 0;
    };

    const Buttons buttons;
    Record record;
};
