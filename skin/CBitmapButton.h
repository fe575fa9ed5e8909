#pragma once

#include <QAbstractButton>
#include <QPixmap>

// Push button drawn from two bitmaps: the normal image while up, the pressed image while down. It draws
// nothing else (no focus or hover look); a window that wants a hover look swaps the pair itself.
// Its accessible name follows its tooltip, so screen readers can name it.
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

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap normalImage;
    QPixmap pressedImage;
};
