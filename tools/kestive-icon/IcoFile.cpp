// SPDX-License-Identifier: GPL-3.0-or-later
#include "IcoFile.h"

namespace kestive::icon {
namespace {

void put16(std::string& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// Bitmap rows are padded to whole 32-bit words.
std::size_t rowBytes(int width, int bits) {
    return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
}

IconResult<Done> check(const IcoImage& image) {
    if (image.palette.size() != 2 && image.palette.size() != 16) {
        return Failure{std::string("an icon image needs a palette of 2 or 16 colours")};
    }
    if (image.width < 1 || image.width > 255 || image.height < 1 || image.height > 255) {
        return Failure{std::string("an icon image must be 1 to 255 pixels wide and high")};
    }
    const auto pixels = static_cast<std::size_t>(image.width) * image.height;
    if (image.index.size() != pixels || image.transparent.size() != pixels) {
        return Failure{std::string("an icon image's pixel tables do not match its size")};
    }
    for (auto i : image.index) {
        if (i >= image.palette.size()) return Failure{std::string("an icon pixel lies outside its palette")};
    }
    return Done{};
}

// Header, palette, colour bitmap and mask of one image, as the .ico directory entry points at them.
std::string bitmapOf(const IcoImage& image) {
    const int bits = bitsPerPixel(image);
    const std::size_t colourRow = rowBytes(image.width, bits);
    const std::size_t maskRow = rowBytes(image.width, 1);
    std::string out;
    put32(out, 40);  // header size
    put32(out, static_cast<std::uint32_t>(image.width));
    put32(out, static_cast<std::uint32_t>(image.height * 2));  // colour bitmap and mask together
    put16(out, 1);                                             // planes
    put16(out, static_cast<unsigned>(bits));
    put32(out, 0);  // no compression
    put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * image.height));
    put32(out, 0);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(image.palette.size()));
    put32(out, 0);
    for (auto rgb : image.palette) {  // stored blue, green, red, unused
        out.push_back(static_cast<char>(rgb & 0xFF));
        out.push_back(static_cast<char>((rgb >> 8) & 0xFF));
        out.push_back(static_cast<char>((rgb >> 16) & 0xFF));
        out.push_back('\0');
    }
    // Both bitmaps are stored bottom row first, the leftmost pixel in the highest bits of a byte.
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(colourRow, '\0');
        for (int x = 0; x < image.width; ++x) {
            const auto p = static_cast<std::size_t>(y) * image.width + x;
            // A transparent pixel keeps colour 0 so that the mask alone decides what shows.
            const unsigned value = image.transparent[p] ? 0u : image.index[p];
            const auto bit = static_cast<std::size_t>(x) * bits;
            const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
            row[bit / 8] = static_cast<char>(static_cast<unsigned char>(row[bit / 8]) | (value << shift));
        }
        out += row;
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(maskRow, '\0');
        for (int x = 0; x < image.width; ++x) {
            if (image.transparent[static_cast<std::size_t>(y) * image.width + x]) {
                row[x / 8] = static_cast<char>(static_cast<unsigned char>(row[x / 8]) | (0x80u >> (x % 8)));
            }
        }
        out += row;
    }
    return out;
}

}  // namespace

int bitsPerPixel(const IcoImage& image) {
    return image.palette.size() <= 2 ? 1 : 4;
}

IconResult<std::string> encodeIco(const std::vector<IcoImage>& images) {
    for (const auto& image : images) {
        if (const IconResult<Done> checked = check(image); !checked) return Failure{checked.error()};
    }
    std::string out;
    put16(out, 0);  // reserved
    put16(out, 1);  // an icon, not a cursor
    put16(out, static_cast<unsigned>(images.size()));
    std::vector<std::string> bitmaps;
    for (const auto& image : images) bitmaps.push_back(bitmapOf(image));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto& image = images[i];
        out.push_back(static_cast<char>(image.width));
        out.push_back(static_cast<char>(image.height));
        out.push_back(static_cast<char>(image.palette.size()));  // 2 or 16
        out.push_back('\0');
        put16(out, 1);  // planes
        put16(out, static_cast<unsigned>(bitsPerPixel(image)));
        put32(out, static_cast<std::uint32_t>(bitmaps[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bitmaps[i].size());
    }
    for (const auto& bitmap : bitmaps) out += bitmap;
    return out;
}

}  // namespace kestive::icon
