#include "skin/SliderKeys.h"

#include <algorithm>
#include <climits>
#include <Qt>

namespace {

constexpr int pageStep = 20;

} // namespace

bool IsSliderKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

int SliderKeyTarget(int key, int position, int minimum, int maximum)
{
    long long target = position;
    switch (key) {
    case Qt::Key_PageUp:
        target -= pageStep;
        break;
    case Qt::Key_PageDown:
        target += pageStep;
        break;
    case Qt::Key_End:
        target = maximum;
        break;
    case Qt::Key_Home:
        target = minimum;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        target -= 1;
        break;
    default:
        target += 1;
        break;
    }
    return static_cast<int>(std::clamp<long long>(target, INT_MIN, INT_MAX));
}
