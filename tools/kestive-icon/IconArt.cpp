// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconArt.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace kestive::icon {
namespace {

// The standard 16-colour palette, in its usual order.
const std::vector<std::uint32_t> kSixteen = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr std::uint8_t kBlack16 = 0;
constexpr std::uint8_t kOlive16 = 3;
constexpr std::uint8_t kYellow16 = 11;

enum class Part { outside, body, sticker, stickerEdge };

// What lies under pixel (x, y) of the pixel-exact drawing. The body's four corner pixels are cut off.
Part partAt(const IconGeometry& g, int x, int y) {
    const int lo = g.margin;
    const int hi = g.margin + g.body() - 1;
    if (x < lo || y < lo || x > hi || y > hi) return Part::outside;
    if ((x == lo || x == hi) && (y == lo || y == hi)) return Part::outside;
    for (int row = 0; row < 3; ++row) {
        const int top = g.stickerLeft(row);
        if (y < top || y >= top + g.sticker) continue;
        for (int column = 0; column < 3; ++column) {
            const int left = g.stickerLeft(column);
            if (x < left || x >= left + g.sticker) continue;
            const bool edge = x == left + g.sticker - 1 || y == top + g.sticker - 1;
            return edge ? Part::stickerEdge : Part::sticker;
        }
    }
    return Part::body;
}

QImage drawSmooth(const IconGeometry& g) {
    QImage image(g.size, g.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kBody));
    const double bodyRadius = 1.5 * g.gap;
    painter.drawRoundedRect(QRectF(g.margin, g.margin, g.body(), g.body()), bodyRadius, bodyRadius);
    const double stickerRadius = 0.12 * g.sticker;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF sticker(g.stickerLeft(column), g.stickerLeft(row), g.sticker, g.sticker);
            // A lighter top edge gives the flat sticker a little depth at large sizes.
            QLinearGradient shade(sticker.topLeft(), sticker.bottomLeft());
            shade.setColorAt(0.0, QColor(255, 228, 70));
            shade.setColorAt(0.25, QColor(kStickerYellow));
            shade.setColorAt(1.0, QColor(kStickerYellow).darker(108));
            painter.setBrush(shade);
            painter.drawRoundedRect(sticker, stickerRadius, stickerRadius);
        }
    }
    return image;
}

}  // namespace

IconResult<IconGeometry> geometryFor(int size) {
    if (size < 8) return Failure{std::string("an icon needs at least 8 pixels")};
    IconGeometry g{};
    g.size = size;
    g.gap = std::max(1, static_cast<int>(std::lround(size / 16.0)));
    g.sticker = (size - 4 * g.gap) / 3;
    g.margin = (size - g.body()) / 2;
    return g;
}

IconResult<QImage> drawIcon(int size) {
    const IconResult<IconGeometry> geometry = geometryFor(size);
    if (!geometry) return Failure{geometry.error()};
    const IconGeometry& g = geometry.value();
    if (size >= 48) return drawSmooth(g);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            switch (partAt(g, x, y)) {
                case Part::outside: image.setPixel(x, y, qRgba(0, 0, 0, 0)); break;
                case Part::body: image.setPixel(x, y, kBody); break;
                case Part::sticker:
                case Part::stickerEdge: image.setPixel(x, y, kStickerYellow); break;
            }
        }
    }
    return image;
}

IconResult<IcoImage> drawPaletteIcon(int size, int colours) {
    if (colours != 2 && colours != 16) return Failure{std::string("palette icons have 2 or 16 colours")};
    const IconResult<IconGeometry> geometry = geometryFor(size);
    if (!geometry) return Failure{geometry.error()};
    const IconGeometry& g = geometry.value();
    IcoImage image;
    image.width = size;
    image.height = size;
    image.palette = colours == 2 ? std::vector<std::uint32_t>{0x000000, 0xFFFFFF} : kSixteen;
    const bool edges = colours == 16 && size >= 32;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Part part = partAt(g, x, y);
            std::uint8_t index = kBlack16;
            if (part == Part::sticker || part == Part::stickerEdge) {
                if (colours == 2) {
                    index = 1;
                } else {
                    index = edges && part == Part::stickerEdge ? kOlive16 : kYellow16;
                }
            }
            image.index.push_back(index);
            image.transparent.push_back(part == Part::outside);
        }
    }
    return image;
}

}  // namespace kestive::icon
