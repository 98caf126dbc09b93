// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <cmath>

namespace kestive::ui {

// The window designs are in twips; 15 twips make one logical pixel, so high-DPI scaling keeps them.
inline constexpr int kTwipsPerPixel = 15;

// How large the designs are drawn: 1 is the design size, one logical pixel per 15 twips. A window
// that would not fit its screen is drawn smaller, every place, size and font by the same factor.
class DesignScale {
public:
    constexpr DesignScale() = default;
    // factor is clamped to (0, 1]: the designs are never drawn larger than designed.
    explicit DesignScale(double factor) : factor_(factor > 0 && factor < 1 ? factor : 1.0) {}

    // The largest factor, at most 1, at which a window of the design size fits the space.
    static DesignScale fitting(QSizeF space, QSizeF design) {
        if (design.width() <= 0 || design.height() <= 0) return DesignScale();
        return DesignScale(std::min({1.0, space.width() / design.width(), space.height() / design.height()}));
    }

    double factor() const { return factor_; }
    // Logical pixels per twip.
    double pixelsPerTwip() const { return factor_ / kTwipsPerPixel; }
    // A place in twips as logical pixels. Lengths are measured between rounded edges, so controls that
    // meet or overlap in the design still meet or overlap by the same edge.
    int px(double twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip())); }
    QRect rect(int left, int top, int width, int height) const {
        const int x = px(left), y = px(top);
        return QRect(x, y, px(left + width) - x, px(top + height) - y);
    }
    // A font drawn this much smaller: its pixel size is rounded down, so no text outgrows the control
    // it was designed for.
    QFont font(QFont f) const {
        if (factor_ < 1 && f.pixelSize() > 0)
            f.setPixelSize(std::max(1, static_cast<int>(std::floor(f.pixelSize() * factor_ + 1e-9))));
        return f;
    }

private:
    double factor_ = 1.0;
};

}  // namespace kestive::ui
