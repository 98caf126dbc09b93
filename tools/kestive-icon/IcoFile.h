// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Windows icon container (.ico): a directory of images, each stored as a device-independent
// bitmap of palette indices followed by a one-bit transparency mask.

#include <cstdint>
#include <string>
#include <vector>

#include "stats/Result.h"

namespace kestive::icon {

// One palette image of an icon. Pixels run row by row from the top-left corner.
struct IcoImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> palette;  // 0xRRGGBB; 2 or 16 entries
    std::vector<std::uint8_t> index;     // width * height palette indices
    std::vector<bool> transparent;       // width * height; true where the desktop shows through
};

// Bits per pixel with which an image of that palette is stored: 1 for 2 colours, 4 for 16.
int bitsPerPixel(const IcoImage& image);

// A drawing or an encoding, or why it could not be made.
template <class T>
using IconResult = Result<T, std::string>;

// The whole .ico file; refused for an image whose palette is not 2 or 16 entries, whose size is outside
// 1..255, or whose pixel tables do not match its size or its palette.
IconResult<std::string> encodeIco(const std::vector<IcoImage>& images);

}  // namespace kestive::icon
