#pragma once

#include <cstdint>
#include <QPixmap>

class QPainter;

// Key colour meaning "take the key from the image's own pixel at (key x, key y)". Any other key colour is a
// COLORREF, 0x00BBGGRR.
inline constexpr std::uint32_t KEY_COLOUR_FROM_PIXEL = 0xFF000000;

// One part of a bitmap slider, its channel or its thumb: a normal look and an optional active look, ready
// to draw at the screen's density.
struct SliderImages
{
    QPixmap normal;
    QPixmap active; // null: no active look
    bool loaded = false;

    // Loads the looks by resource ID (activeId 0: no active look); nothing is loaded when either cannot be.
    // transparent: pixels of the key colour are see-through.
    static SliderImages Load(int normalId, int activeId, bool transparent, std::uint32_t keyColour, int keyX,
                             int keyY);
    // The normal look's size in the widget's pixels, whatever the picture's density.
    QSize Size() const;
};

// Draws the pixmap's columns [from, to) at their own place; columns the pixmap lacks are left alone.
void DrawColumns(QPainter& painter, const QPixmap& pixmap, int from, int to);
