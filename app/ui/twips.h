// The one conversion between the twips the windows are laid out in and the screen's pixels.
#pragma once

#include "app/core/layout_rules.h"

#include <QPoint>
#include <QSize>

namespace brisk {

// Logical pixels for a length in twips (1440 to the inch), at the screen's logical DPI, so the
// layout grows with the user's font scaling.
int twips(int length);
inline QSize twipSize(int width, int height) {
    return QSize(twips(width), twips(height));
}
inline QPoint twipPoint(TwipPoint p) {
    return QPoint(twips(p.x), twips(p.y));
}
// Twips for a length in logical pixels.
int pixelsToTwips(int pixels);

} // namespace brisk
