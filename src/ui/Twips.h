#pragma once
#include <QRect>

namespace kestive::ui {

// The window designs are in twips; 15 twips make one logical pixel, so high-DPI scaling keeps them.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }

// A control's place, Left, Top, Width, Height in twips, as a rectangle in logical pixels.
inline QRect twipRect(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

}  // namespace kestive::ui
