// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: the drawing at every size, the .ico container read back by Qt's own reader, and
// the window icon compiled into the program.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

#include "IconArt.h"
#include "icon/IconSizes.h"
#include "icon/WindowIcon.h"

using namespace kestive::icon;

TEST(IconDrawing, NineYellowStickersOnADarkBodyAtEveryThemeSize) {
    for (int size : kThemeSizes) {
        const QImage image = drawIcon(size).value();
        ASSERT_EQ(image.size(), QSize(size, size));
        const IconGeometry g = geometryFor(size).value();
        for (int cell = 0; cell < 9; ++cell) {
            const QRgb c =
                image.pixel(g.stickerLeft(cell % 3) + g.sticker / 2, g.stickerLeft(cell / 3) + g.sticker / 2);
            EXPECT_TRUE(qRed(c) >= 240 && qGreen(c) >= 180 && qBlue(c) <= 40 && qAlpha(c) == 255) << size;
        }
        const QRgb body = image.pixel(g.stickerLeft(1) - (g.gap + 1) / 2, g.stickerLeft(0) + g.sticker / 2);
        EXPECT_TRUE(qRed(body) <= 60 && qAlpha(body) == 255) << size;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;  // the desktop shows through the corner
    }
}

// The three images the build ships: the mask rows of the 16-pixel image are padded to whole words.
TEST(IcoFile, QtReadsBackEveryPixelAndTheDepthOfEachImage) {
    const std::vector<IcoImage> drawn = {drawPaletteIcon(32, 2).value(), drawPaletteIcon(32, 16).value(),
                                         drawPaletteIcon(16, 16).value()};
    const std::string ico = encodeIco(drawn).value();
    QByteArray bytes(ico.data(), static_cast<qsizetype>(ico.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), static_cast<int>(drawn.size()));
    const unsigned bits[] = {1, 4, 4};
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(static_cast<unsigned char>(ico[6 + 16 * i + 6]), bits[i]) << "bits per pixel of " << i;
        ASSERT_TRUE(reader.jumpToImage(static_cast<int>(i)));
        const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(decoded.size(), QSize(drawn[i].width, drawn[i].height));
        for (int p = 0; p < drawn[i].width * drawn[i].height; ++p) {
            const QRgb got = decoded.pixel(p % drawn[i].width, p / drawn[i].width);
            if (drawn[i].transparent[p]) {
                ASSERT_EQ(qAlpha(got), 0) << i << " at " << p;
            } else {
                ASSERT_EQ(got, 0xFF000000u | drawn[i].palette[drawn[i].index[p]]) << i << " at " << p;
            }
        }
    }
}

TEST(WindowIcon, CarriesEveryThemeSizeAsDrawnAndTheClassicThreeImages) {
    const QIcon icon = windowIcon();
    for (int size : kThemeSizes) {
        EXPECT_EQ(icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32),
                  drawIcon(size)->convertToFormat(QImage::Format_ARGB32))
            << size;
    }
    QImageReader reader(QString::fromLatin1(kClassicIconPath), "ico");
    ASSERT_EQ(reader.imageCount(), 3);
    const QSize sizes[] = {{32, 32}, {32, 32}, {16, 16}};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        EXPECT_EQ(reader.read().size(), sizes[i]) << i;
    }
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // icons and Qt's ico reader plugin
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
