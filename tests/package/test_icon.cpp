// The program's icon: the geometry at every size, the drawn pixels, and the .ico container read back
// by Qt's own icon reader.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "IcoFile.h"
#include "IconArt.h"
#include "IconSizes.h"

using namespace kestive::icon;

namespace {

unsigned read16(const std::string& s, std::size_t at) {
    return static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8);
}
std::uint32_t read32(const std::string& s, std::size_t at) { return read16(s, at) | (read16(s, at + 2) << 16); }

// Every image of an .ico file as Qt's ico reader decodes it.
std::vector<QImage> decodeWithQt(const std::string& ico) {
    QByteArray bytes(ico.data(), static_cast<qsizetype>(ico.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images.push_back(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

// The decoded image shows the palette colour of each opaque pixel and nothing where it is transparent.
void expectSamePixels(const IcoImage& drawn, const QImage& decoded) {
    ASSERT_EQ(decoded.width(), drawn.width);
    ASSERT_EQ(decoded.height(), drawn.height);
    for (int y = 0; y < drawn.height; ++y) {
        for (int x = 0; x < drawn.width; ++x) {
            const auto p = static_cast<std::size_t>(y) * drawn.width + x;
            const QRgb got = decoded.pixel(x, y);
            if (drawn.transparent[p]) {
                EXPECT_EQ(qAlpha(got), 0) << "at " << x << "," << y;
            } else {
                EXPECT_EQ(qAlpha(got), 255) << "at " << x << "," << y;
                EXPECT_EQ(got & 0xFFFFFFu, drawn.palette[drawn.index[p]]) << "at " << x << "," << y;
            }
        }
    }
}

IcoImage patterned(int width, int height, int colours) {
    IcoImage image;
    image.width = width;
    image.height = height;
    for (int i = 0; i < colours; ++i) image.palette.push_back(static_cast<std::uint32_t>(0x102030 * (i + 1)) & 0xFFFFFF);
    for (int i = 0; i < width * height; ++i) {
        image.index.push_back(static_cast<std::uint8_t>((i * 7 + i / width) % colours));
        image.transparent.push_back(i % 5 == 3);
    }
    return image;
}

}  // namespace

TEST(IconGeometry, SmallSizesArePixelExact) {
    const IconGeometry g16 = geometryFor(16);
    EXPECT_EQ(g16.gap, 1);
    EXPECT_EQ(g16.sticker, 4);
    EXPECT_EQ(g16.body(), 16);
    const IconGeometry g32 = geometryFor(32);
    EXPECT_EQ(g32.gap, 2);
    EXPECT_EQ(g32.sticker, 8);
    EXPECT_EQ(g32.body(), 32);
}

TEST(IconGeometry, BodyFitsAndIsCentredAtEveryThemeSize) {
    for (int size : kThemeSizes) {
        const IconGeometry g = geometryFor(size);
        EXPECT_GE(g.sticker, 2 * g.gap) << size;
        EXPECT_LE(g.margin + g.body(), size) << size;
        EXPECT_LE(size - g.body() - 2 * g.margin, 1) << size;  // at most one pixel off centre
        EXPECT_EQ(g.stickerLeft(2) + g.sticker + g.gap, g.margin + g.body()) << size;
    }
}

TEST(IconDrawing, StickersAreYellowOnADarkBodyAtEveryThemeSize) {
    for (int size : kThemeSizes) {
        const QImage image = drawIcon(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        const IconGeometry g = geometryFor(size);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const int cx = g.stickerLeft(column) + g.sticker / 2;
                const int cy = g.stickerLeft(row) + g.sticker / 2;
                const QRgb c = image.pixel(cx, cy);
                EXPECT_GE(qRed(c), 240) << size;
                EXPECT_GE(qGreen(c), 180) << size;
                EXPECT_LE(qBlue(c), 40) << size;
                EXPECT_EQ(qAlpha(c), 255) << size;
            }
        }
        // Between the first two stickers of the top row lies the body.
        const int between = g.stickerLeft(1) - (g.gap + 1) / 2;
        const QRgb body = image.pixel(between, g.stickerLeft(0) + g.sticker / 2);
        EXPECT_LE(qRed(body), 60) << size;
        EXPECT_EQ(qAlpha(body), 255) << size;
        // The rounded or cut corner lets the desktop show through.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0) << size;
    }
}

TEST(IconDrawing, PaletteImagesUseTheirPaletteOnly) {
    const IcoImage mono = drawPaletteIcon(32, 2);
    ASSERT_EQ(mono.palette.size(), 2u);
    const IcoImage sixteen = drawPaletteIcon(16, 16);
    ASSERT_EQ(sixteen.palette.size(), 16u);
    // Centre sticker: white in two colours, pure yellow in sixteen; corner pixel transparent.
    EXPECT_EQ(mono.palette[mono.index[16 * 32 + 16]], 0xFFFFFFu);
    EXPECT_EQ(sixteen.palette[sixteen.index[7 * 16 + 7]], 0xFFFF00u);
    EXPECT_TRUE(mono.transparent[0]);
    EXPECT_TRUE(sixteen.transparent[15]);
    EXPECT_FALSE(sixteen.transparent[1]);
    EXPECT_THROW(drawPaletteIcon(32, 256), std::invalid_argument);
}

TEST(IcoFile, DirectoryDescribesTheThreeClassicImages) {
    const std::string ico =
        encodeIco({drawPaletteIcon(32, 2), drawPaletteIcon(32, 16), drawPaletteIcon(16, 16)});
    ASSERT_GE(ico.size(), 6u + 3 * 16);
    EXPECT_EQ(read16(ico, 0), 0u);
    EXPECT_EQ(read16(ico, 2), 1u);
    EXPECT_EQ(read16(ico, 4), 3u);
    const int sizes[] = {32, 32, 16};
    const int colours[] = {2, 16, 16};
    const unsigned bits[] = {1, 4, 4};
    std::size_t expectedOffset = 6 + 3 * 16;
    for (int i = 0; i < 3; ++i) {
        const std::size_t e = 6 + 16 * static_cast<std::size_t>(i);
        EXPECT_EQ(static_cast<unsigned char>(ico[e]), sizes[i]);
        EXPECT_EQ(static_cast<unsigned char>(ico[e + 1]), sizes[i]);
        EXPECT_EQ(static_cast<unsigned char>(ico[e + 2]), colours[i]);
        EXPECT_EQ(read16(ico, e + 6), bits[i]);
        const std::uint32_t bytes = read32(ico, e + 8);
        const std::uint32_t offset = read32(ico, e + 12);
        EXPECT_EQ(offset, expectedOffset);
        // Header, palette, colour rows and mask rows, each row padded to four bytes.
        const std::size_t colourRow = ((sizes[i] * bits[i] + 31) / 32) * 4;
        const std::size_t maskRow = ((sizes[i] + 31) / 32) * 4;
        EXPECT_EQ(bytes, 40 + 4 * colours[i] + (colourRow + maskRow) * sizes[i]);
        EXPECT_EQ(read32(ico, offset + 8), 2u * sizes[i]);  // bitmap height counts the mask
        EXPECT_EQ(read16(ico, offset + 14), bits[i]);
        expectedOffset += bytes;
    }
    EXPECT_EQ(expectedOffset, ico.size());
}

TEST(IcoFile, QtReadsBackEveryPixelOfTheIcon) {
    const std::vector<IcoImage> drawn = {drawPaletteIcon(32, 2), drawPaletteIcon(32, 16),
                                         drawPaletteIcon(16, 16)};
    const std::vector<QImage> decoded = decodeWithQt(encodeIco(drawn));
    ASSERT_EQ(decoded.size(), drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) expectSamePixels(drawn[i], decoded[i]);
}

TEST(IcoFile, RowsOfOddWidthArePaddedCorrectly) {
    // Widths that do not fill whole bytes or words catch mistakes in packing and padding.
    const std::vector<IcoImage> drawn = {patterned(5, 3, 16), patterned(9, 2, 2), patterned(33, 4, 16)};
    const std::vector<QImage> decoded = decodeWithQt(encodeIco(drawn));
    ASSERT_EQ(decoded.size(), drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) expectSamePixels(drawn[i], decoded[i]);
}

TEST(IcoFile, RefusesImagesItCannotStore) {
    IcoImage threeColours = patterned(4, 4, 2);
    threeColours.palette.push_back(0x123456);
    EXPECT_THROW(encodeIco({threeColours}), std::invalid_argument);
    IcoImage outside = patterned(4, 4, 2);
    outside.index[5] = 2;
    EXPECT_THROW(encodeIco({outside}), std::invalid_argument);
    IcoImage short_ = patterned(4, 4, 16);
    short_.transparent.pop_back();
    EXPECT_THROW(encodeIco({short_}), std::invalid_argument);
    IcoImage huge = patterned(4, 4, 16);
    huge.width = 256;
    EXPECT_THROW(encodeIco({huge}), std::invalid_argument);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // lets the image reader find Qt's ico plugin
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
