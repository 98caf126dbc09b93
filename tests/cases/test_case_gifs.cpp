// SPDX-License-Identifier: GPL-3.0-or-later
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cases/CasePicture.h"

namespace kestive {
namespace {

// The picture in a GIF file, row by row: empty unless giflib reads an 81 x 81 image from it.
std::vector<Rgb> decode(const std::filesystem::path& file) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(file.c_str(), &error);
    std::vector<Rgb> pixels;
    if (gif && DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0 && gif->SWidth == 81 && gif->SHeight == 81) {
        const SavedImage& image = gif->SavedImages[0];
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        const bool whole = map && image.ImageDesc.Width == 81 && image.ImageDesc.Height == 81;
        for (int i = 0; whole && i < 81 * 81; ++i) {
            const int index = image.RasterBits[i];  // outside the palette: a colour no picture uses
            const GifColorType c = index < map->ColorCount ? map->Colors[index] : GifColorType{1, 2, 3};
            pixels.push_back({c.Red, c.Green, c.Blue});
        }
    }
    DGifCloseFile(gif, &error);
    return pixels;
}

TEST(CasePictureFiles, TheBuildHoldsThe57PicturesDrawnFromTheModel) {
    const Rgb white{255, 255, 255}, yellow{255, 213, 0}, grey{110, 110, 110}, black{0, 0, 0};
    const int centre[3] = {19, 40, 61};
    for (int pll = 0; pll < 57; ++pll) {
        const auto file = std::filesystem::path(KESTIVE_BUILT_PICTURES_DIR) / casePictureFileName(pll);
        const std::vector<Rgb> p = decode(file);
        ASSERT_EQ(p.size(), 81u * 81u) << file;
        auto at = [&](int x, int y) { return p[y * 81 + x]; };
        const TopView v = ollCaseView(pll);
        int sides = 0;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j)
                EXPECT_EQ(at(centre[j], centre[i]), v.up[i * 3 + j] ? yellow : grey) << file << " " << i << j;
            for (auto [x, y, on] : {std::tuple{centre[i], 4, v.back[i]},
                                    {centre[i], 76, v.front[i]},
                                    {4, centre[i], v.left[i]},
                                    {76, centre[i], v.right[i]}})
                EXPECT_EQ(at(x, y), on ? yellow : white) << file << " bar at " << x << "," << y;
            sides += v.back[i] + v.front[i] + v.left[i] + v.right[i];
        }
        // Areas: 19 x 19 stickers, 19 x 6 bars, the 63 x 63 black face around the stickers.
        const int up = std::ranges::count(v.up, true);
        EXPECT_EQ(std::ranges::count(p, yellow), 361 * up + 114 * sides) << file;
        EXPECT_EQ(std::ranges::count(p, grey), 361 * (9 - up)) << file;
        EXPECT_EQ(std::ranges::count(p, black), 63 * 63 - 9 * 361) << file;
    }
}

}  // namespace
}  // namespace kestive
