// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon: the top of a cube seen from above, a dark body with nine yellow stickers.
// One geometry serves every size, snapped to whole pixels so that the small sizes stay sharp.

#include <QImage>

#include "IcoFile.h"

namespace kestive::icon {

// Where the body and the stickers lie at one size, in pixels.
struct IconGeometry {
    int size;     // the square image's side
    int margin;   // empty border around the body
    int gap;      // body visible between two stickers and around the outer ones
    int sticker;  // side of one sticker
    int body() const { return 3 * sticker + 4 * gap; }
    int stickerLeft(int column) const { return margin + gap + column * (sticker + gap); }
};

// At least 8 pixels.
IconResult<IconGeometry> geometryFor(int size);

// Full colour with alpha, for the desktop's icon theme and the window icon. Sizes from 48 up are
// drawn with smooth edges and rounded corners; smaller ones are drawn pixel-exact.
IconResult<QImage> drawIcon(int size);

// The classic palette images: 16 colours (the standard 16-colour palette, black body, yellow stickers
// with a dark olive edge at 32 pixels) and 2 colours (black body, white stickers). Outside the body
// is transparent.
IconResult<IcoImage> drawPaletteIcon(int size, int colours);

// Sticker yellow, the same as in the case pictures.
constexpr QRgb kStickerYellow = qRgb(255, 213, 0);
constexpr QRgb kBody = qRgb(24, 24, 24);

}  // namespace kestive::icon
