// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cases/TopView.h"
#include "stats/Rgb.h"

namespace kestive {

// A picture of few colours: one palette index per pixel, row by row from the top.
struct PaletteImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;

    Rgb at(int x, int y) const {
        return palette[pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                              static_cast<std::size_t>(x)]];
    }
};

// The colours of the case pictures.
inline constexpr Rgb kPictureBackground{255, 255, 255};
inline constexpr Rgb kPictureFace{0, 0, 0};
inline constexpr Rgb kPictureYellow{255, 213, 0};
inline constexpr Rgb kPictureGrey{110, 110, 110};

// The size of a case picture: the 1215-twip case box at 96 dots per inch.
inline constexpr int kPictureSize = 81;

// One filled rectangle of a case picture, in pixels of the kPictureSize square.
struct PictureRect {
    int x = 0, y = 0, width = 0, height = 0;
    Rgb colour;
};

// The case picture as the rectangles that make it, painted in order over the white background: the same
// drawing as drawCasePicture, for output that is not a pixel image.
std::vector<PictureRect> casePictureRects(const TopView& view);

// The case picture of a last layer: the top face as a black square with its nine stickers, yellow where
// the yellow faces up and grey elsewhere, and a yellow bar beside every side sticker that shows yellow.
PaletteImage drawCasePicture(const TopView& view);

// The file the trainer loads the picture of case index pll from: "oll01print.gif" for 0 ... "oll57print.gif";
// empty for an index outside 0..56.
std::string casePictureFileName(int pll);

}  // namespace kestive
