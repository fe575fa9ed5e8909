#include "panels/ButtonHover.h"

#include "skin/CBitmapButton.h"

const PanelButtonLooks* ButtonHover::LooksOf(const QObject* object) const
{
    for (const auto& [button, looks] : buttons) {
        if (object == button)
            return &looks;
    }
    return nullptr;
}

void ButtonHover::Show(CBitmapButton* button, const ButtonLook& look)
{
    button->LoadBitmaps(look.hover, look.pressed);
    record = {button, look.normal, look.pressed};
}

void ButtonHover::PutBackLater(CBitmapButton* button)
{
    const int normalImage = LooksOf(button)->off.normal;
    record = {button, normalImage, normalImage};
}

void ButtonHover::PutBack()
{
    if (!IsShown())
        return;
    record.button->LoadBitmaps(record.normalImage, record.pressedImage);
    record = {};
}
