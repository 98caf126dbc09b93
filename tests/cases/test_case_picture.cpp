#include <gtest/gtest.h>

#include <map>

#include "cases/CasePicture.h"

namespace kestive {
namespace {

const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};
const Rgb kYellow{255, 213, 0};
const Rgb kGrey{110, 110, 110};

std::map<std::tuple<int, int, int>, int> colourCounts(const PaletteImage& image) {
    std::map<std::tuple<int, int, int>, int> counts;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            ++counts[{c.red, c.green, c.blue}];
        }
    }
    return counts;
}

TopView everythingYellow() {
    TopView v;
    v.up.fill(true);
    v.back.fill(true);
    v.front.fill(true);
    v.left.fill(true);
    v.right.fill(true);
    return v;
}

TEST(CasePicture, IsAnEightyOnePixelSquareOfFourColours) {
    const PaletteImage image = drawCasePicture(TopView{});
    EXPECT_EQ(image.width, 81);
    EXPECT_EQ(image.height, 81);
    ASSERT_EQ(image.pixels.size(), 81u * 81u);
    for (std::uint8_t p : image.pixels) {
        ASSERT_LT(p, image.palette.size());
    }
    // Nothing yellow: a black face of 63 x 63 with nine grey 19 x 19 stickers, white elsewhere.
    const auto counts = colourCounts(image);
    EXPECT_EQ(counts.at({110, 110, 110}), 9 * 19 * 19);
    EXPECT_EQ(counts.at({0, 0, 0}), 63 * 63 - 9 * 19 * 19);
    EXPECT_EQ(counts.at({255, 255, 255}), 81 * 81 - 63 * 63);
    EXPECT_EQ(counts.count({255, 213, 0}), 0u);
    EXPECT_EQ(image.at(19, 19), kGrey);
    EXPECT_EQ(image.at(61, 40), kGrey);
}

TEST(CasePicture, StickersAndBarsSitExactlyInTheirCells) {
    const PaletteImage image = drawCasePicture(everythingYellow());
    const auto counts = colourCounts(image);
    EXPECT_EQ(counts.at({255, 213, 0}), 9 * 19 * 19 + 12 * 19 * 6);
    EXPECT_EQ(counts.count({110, 110, 110}), 0u);
    // The face's outline and the one-pixel black rims of the cells.
    EXPECT_EQ(image.at(9, 9), kBlack);
    EXPECT_EQ(image.at(71, 71), kBlack);
    EXPECT_EQ(image.at(8, 40), kWhite);
    EXPECT_EQ(image.at(72, 40), kWhite);
    for (int rim : {9, 29, 30, 50, 51, 71}) {
        EXPECT_EQ(image.at(rim, 40), kBlack) << rim;
        EXPECT_EQ(image.at(40, rim), kBlack) << rim;
    }
    for (int inside : {10, 28, 31, 49, 52, 70}) {
        EXPECT_EQ(image.at(inside, 40), kYellow) << inside;
        EXPECT_EQ(image.at(40, inside), kYellow) << inside;
    }
    // Bars: six pixels thick, as long as the sticker beside them, one white pixel from the face's outline.
    for (int along : {10, 28, 31, 49, 52, 70}) {
        for (int across : {2, 7, 73, 78}) {
            EXPECT_EQ(image.at(along, across), kYellow) << along << "," << across;
            EXPECT_EQ(image.at(across, along), kYellow) << across << "," << along;
        }
        for (int across : {0, 1, 8, 72, 79, 80}) {
            EXPECT_EQ(image.at(along, across), kWhite) << along << "," << across;
            EXPECT_EQ(image.at(across, along), kWhite) << across << "," << along;
        }
    }
    for (int gap : {9, 29, 30, 50, 51, 71}) {
        EXPECT_EQ(image.at(gap, 4), kWhite) << gap;
        EXPECT_EQ(image.at(4, gap), kWhite) << gap;
    }
}

TEST(CasePicture, EachYellowFacingShowsInItsOwnPlace) {
    // One yellow at a time: exactly that sticker or bar is yellow, sampled at its centre.
    const int centre[3] = {19, 40, 61};
    for (int which = 0; which < 21; ++which) {
        TopView v;
        int x = 0, y = 0;
        const int i = which % 3;
        if (which < 9) {
            v.up[static_cast<std::size_t>(which)] = true;
            x = centre[which % 3];
            y = centre[which / 3];
        } else if (which < 12) {
            v.back[static_cast<std::size_t>(i)] = true;
            x = centre[i];
            y = 4;
        } else if (which < 15) {
            v.front[static_cast<std::size_t>(i)] = true;
            x = centre[i];
            y = 76;
        } else if (which < 18) {
            v.left[static_cast<std::size_t>(i)] = true;
            x = 4;
            y = centre[i];
        } else {
            v.right[static_cast<std::size_t>(i)] = true;
            x = 76;
            y = centre[i];
        }
        const PaletteImage image = drawCasePicture(v);
        EXPECT_EQ(image.at(x, y), kYellow) << which;
        const int area = which < 9 ? 19 * 19 : 19 * 6;
        EXPECT_EQ(colourCounts(image).at({255, 213, 0}), area) << which;
        if (which < 9) {
            EXPECT_EQ(colourCounts(image).at({110, 110, 110}), 8 * 19 * 19) << which;
        }
    }
}

TEST(CasePicture, FileNamesCarryTheCaseNumberInTwoDigits) {
    EXPECT_EQ(casePictureFileName(0), "oll01print.gif");
    EXPECT_EQ(casePictureFileName(8), "oll09print.gif");
    EXPECT_EQ(casePictureFileName(9), "oll10print.gif");
    EXPECT_EQ(casePictureFileName(56), "oll57print.gif");
    EXPECT_EQ(casePictureFileName(-1), "");
    EXPECT_EQ(casePictureFileName(57), "");
}

}  // namespace
}  // namespace kestive
