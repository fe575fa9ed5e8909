#pragma once

// The keys a focused bitmap slider takes: the arrows step by one, Page Up and Page Down by a page, Home and
// End go to the ends. Left, Up and Page Up move toward the minimum.
bool IsSliderKey(int key);
// The position the slider key moves to from position, within the int range but not within
// [minimum, maximum]: the slider clamps it as any position.
int SliderKeyTarget(int key, int position, int minimum, int maximum);
