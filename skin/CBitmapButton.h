#pragma once

#include <QAbstractButton>
#include <QPixmap>

// Push button drawn from two bitmaps: the normal image while up, the pressed image while down. It draws
// nothing else, except a focus ring once the keyboard has brought the focus (see FocusRing.h); a window
// that wants a hover look swaps the pair itself.
//
// A checkable bitmap button shows its owner's on/off state to assistive tools: a click does not flip
// it, the owner sets it with setChecked. Assistive tools read accessibleName (else the button's text),
// never the tooltip.
class CBitmapButton final : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CBitmapButton(QWidget* parent = nullptr);

    // Replaces both images by resource ID and repaints the button before returning, so that an image
    // change is on screen even when the caller goes on to block the event loop.
    void LoadBitmaps(int normalId, int pressedId);
    // Resizes the button to its normal image, keeping its place.
    void SizeToContent();

    // The accessibility Press action: emits pressActionRun, then clicks the button as a short press would.
    void RunPressAction();

    QSize sizeHint() const override;

signals:
    // For a window whose button acts on the press itself rather than on the click.
    void pressActionRun();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void nextCheckState() override;

private:
    QPixmap normalImage;
    QPixmap pressedImage;
    bool focusRingShown = false;
};
