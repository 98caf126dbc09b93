// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kestive {

// The case panel of the main window, in twips from the client area's top-left corner: for each case its
// picture pll(i), to the right its bar box avg(i), and below the bar the labels avglabel(i), numlabel(i)
// and stdlabel(i). The window is laid out from here, the fit test looks for every case where this
// says, and the SVG report draws its bar boxes to the same grid.
struct CasePlace {
    int left = 0, top = 0;  // of the case's picture
};

// Six cases a row from the top right, the last three under the drill's controls on the left.
constexpr CasePlace casePlace(int pll) {
    if (pll == 54) return {960, 10680};
    if (pll == 55) return {3480, 10680};
    if (pll == 56) return {2160, 9360};
    return {6000 + 2520 * (pll % 6), 120 + 1320 * (pll / 6)};
}

inline constexpr int kCasePictureSize = 1215;  // square
// The bar box: right of the picture, overlapping its last 15 twips.
inline constexpr int kBarLeft = 1200, kBarWidth = 1215, kBarHeight = 495;
inline constexpr int kBarGridStep = 100;  // a dark grey line every 100 twips across the bar
// The three labels under the bar, as wide as it.
inline constexpr int kAvgLabelTop = 480, kNumLabelTop = 720, kStdLabelTop = 960, kLabelHeight = 255;

}  // namespace kestive
