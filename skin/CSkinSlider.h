#pragma once

#include "skin/SliderImages.h"

#include <cstdint>
#include <QWidget>

// The message numbers the two notifications stand for; they identify them in the windows' handler tables.
inline constexpr int WM_SLIDER_CHANGED = 10449;
inline constexpr int WM_SLIDER_SETTLED = 10450;

// Horizontal slider drawn entirely from bitmaps: a channel in a normal and an active (filled) look, split at
// the thumb centre, and a thumb in a normal and an active (held) look.
//
// The control ID is given at construction and becomes the widget's objectName; both signals carry it.
// Both signals are always delivered through the event queue, after the mouse or key event that caused them
// has been handled completely, whatever connection type the receiver uses. By then further drag steps may
// have moved the slider on, so receivers read GetPos() rather than trusting the carried position.
//
// Focus policy defaults to Qt::ClickFocus; a window that wants the slider as a tab stop sets
// Qt::StrongFocus. While focused, the slider takes the arrow, Page, Home and End keys ahead of any shortcut
// of its window; Tab still moves the focus on. Focus brought by the keyboard shows a ring (FocusRing.h).
//
// Assistive tools see a slider named by accessibleName whose value is the shown value (see
// SetShownOffset); setting that value moves the thumb as a key does.
class CSkinSlider final : public QWidget
{
    Q_OBJECT

public:
    explicit CSkinSlider(int controlId, QWidget* parent = nullptr);

    // Loads the channel images by resource ID (activeId 0: no active look) and resizes the slider to the
    // normal image, keeping its place. Returns false, and the channel is not drawn, when an image cannot
    // be loaded. transparent: pixels of the key colour are see-through.
    bool SetChannelImages(int normalId, int activeId, bool transparent, std::uint32_t keyColour, int keyX,
                          int keyY);
    // The same for the thumb; does not resize the slider.
    bool SetThumbImages(int normalId, int activeId, bool transparent, std::uint32_t keyColour, int keyX,
                        int keyY);
    void EnableFocusRect(bool enable, bool redraw = false);

    // Neither touches the position; the next SetPos clamps it.
    void SetRangeMin(int minimum, bool redraw = false);
    void SetRangeMax(int maximum, bool redraw = false);
    void SetRange(int minimum, int maximum, bool redraw = false);
    // Clamps into the range (maximum first, then minimum) and repaints; emits nothing.
    void SetPos(int value);
    int GetPos() const { return position; }
    // Moves the thumb as a key does: clamps, repaints, then posts sliderChanged when the position moved
    // and sliderSettled in any case.
    void MoveTo(int value);

    // What the user is shown for a position is position + offset (0 unless set).
    void SetShownOffset(int offset) { shownOffset = offset; }
    int ShownOffset() const { return shownOffset; }
    int GetRangeMin() const { return rangeMinimum; }
    int GetRangeMax() const { return rangeMaximum; }

    // x of the thumb centre for a position, and the position a thumb centre at x selects. While the range
    // is empty (maximum not above minimum) or the thumb has no travel, every position sits at the left end
    // and every pixel selects the minimum.
    int PosToPixel(int value) const;
    int PixelToPos(int x) const;

    QSize sizeHint() const override;

signals:
    // A drag step or a press on the channel moved the thumb centre to another pixel, or a key (MoveTo)
    // moved the thumb to another position.
    void sliderChanged(int controlId, int position);
    // The left button was released over the slider, or one of its keys was handled.
    void sliderSettled(int controlId, int position);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void DragStep(int x);
    void Post(int message);

    const int controlId;
    int rangeMaximum = 100;
    int rangeMinimum = 0;
    int position = 0;
    int shownOffset = 0;
    int channelWidth = 0;
    int thumbWidth = 0;
    int grabOffset = 0;
    bool dragging = false;
    bool focusRectEnabled = true;
    bool focusRingShown = false;
    SliderImages channel;
    SliderImages thumb;
};
