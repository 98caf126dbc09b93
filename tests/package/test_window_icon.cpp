// The window icon compiled into the program: every theme size is there and shows the drawn icon.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include "IconArt.h"
#include "IconSizes.h"
#include "WindowIcon.h"

TEST(WindowIcon, CarriesEveryThemeSizeAsDrawn) {
    const QIcon icon = kestive::icon::windowIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : kestive::icon::kThemeSizes) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QImage shown = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage drawn = kestive::icon::drawIcon(size).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), drawn.size()) << size;
        EXPECT_EQ(shown, drawn) << size;
    }
}

TEST(WindowIcon, ProgramCarriesTheClassicThreeImageIcon) {
    QImageReader reader(QString::fromLatin1(kestive::icon::kClassicIconPath), "ico");
    ASSERT_EQ(reader.imageCount(), 3);
    const QSize sizes[] = {{32, 32}, {32, 32}, {16, 16}};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), sizes[i]) << i;
    }
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
