// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/CasePicture.h"

#include <cstddef>

#include "stats/CaseCount.h"

namespace kestive {
namespace {

constexpr int kFaceStart = 9;  // the top face covers 9..71 in both directions
constexpr int kCell = 21;      // three cells per row and column
constexpr int kSticker = 19;   // a sticker fills its cell less one pixel on every side
constexpr int kBar = 6;        // thickness of a side bar
constexpr int kBarLow = 2;     // the bars lie outside the face: 2..7 above or left of it,
constexpr int kBarHigh = 73;   // 73..78 below or right of it

// First pixel of the sticker in cell i (0..2) along either direction.
constexpr int stickerStart(int i) {
    return kFaceStart + i * kCell + 1;
}

}  // namespace

std::vector<PictureRect> casePictureRects(const TopView& view) {
    std::vector<PictureRect> rects;
    rects.push_back({kFaceStart, kFaceStart, 3 * kCell, 3 * kCell, kPictureFace});
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool yellow = view.up[static_cast<std::size_t>(row * 3 + col)];
            rects.push_back({stickerStart(col), stickerStart(row), kSticker, kSticker,
                             yellow ? kPictureYellow : kPictureGrey});
        }
    }
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (view.back[k]) rects.push_back({stickerStart(i), kBarLow, kSticker, kBar, kPictureYellow});
        if (view.front[k]) rects.push_back({stickerStart(i), kBarHigh, kSticker, kBar, kPictureYellow});
        if (view.left[k]) rects.push_back({kBarLow, stickerStart(i), kBar, kSticker, kPictureYellow});
        if (view.right[k]) rects.push_back({kBarHigh, stickerStart(i), kBar, kSticker, kPictureYellow});
    }
    return rects;
}

PaletteImage drawCasePicture(const TopView& view) {
    PaletteImage image;
    image.width = kPictureSize;
    image.height = kPictureSize;
    image.palette = {kPictureBackground, kPictureFace, kPictureYellow, kPictureGrey};
    image.pixels.assign(static_cast<std::size_t>(kPictureSize * kPictureSize), 0);
    for (const PictureRect& rect : casePictureRects(view)) {
        std::uint8_t ink = 0;
        while (!(image.palette[ink] == rect.colour)) ++ink;
        for (int y = rect.y; y < rect.y + rect.height; ++y) {
            for (int x = rect.x; x < rect.x + rect.width; ++x) {
                image.pixels[static_cast<std::size_t>(y * image.width + x)] = ink;
            }
        }
    }
    return image;
}

std::string casePictureFileName(int pll) {
    if (!isCaseIndex(pll)) {
        return {};
    }
    const int number = pll + 1;
    std::string name = "oll";
    name += static_cast<char>('0' + number / 10 % 10);
    name += static_cast<char>('0' + number % 10);
    name += "print.gif";
    return name;
}

}  // namespace kestive
