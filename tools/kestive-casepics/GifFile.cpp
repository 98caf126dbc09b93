// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifFile.h"

#include <gif_lib.h>

#include <string>
#include <vector>

#include "session/WholeFile.h"

namespace kestive {
namespace {

std::string gifError(const char* what, int code) {
    const char* text = GifErrorString(code);
    return std::string(what) + ": " + (text ? text : "unknown giflib error");
}

// The palette size as giflib wants it: a power of two, 2..256.
int colourMapSize(std::size_t colours) {
    int size = 2;
    while (static_cast<std::size_t>(size) < colours) {
        size *= 2;
    }
    return size;
}

// giflib hands the encoded bytes here; they gather in the std::string behind UserData.
int appendBytes(GifFileType* gif, const GifByteType* bytes, int count) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count));
    return count;
}

// The picture as the bytes of a GIF file.
Result<std::string, std::string> encodeGif(const PaletteImage& image) {
    if (image.palette.empty() || image.palette.size() > 256 || image.width <= 0 || image.height <= 0 ||
        image.pixels.size() !=
            static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
        return Failure{std::string("not a picture that fits a GIF file")};
    }
    std::vector<GifColorType> colours(static_cast<std::size_t>(colourMapSize(image.palette.size())),
                                      GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < image.palette.size(); ++i) {
        colours[i] = GifColorType{image.palette[i].r, image.palette[i].g, image.palette[i].b};
    }
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    if (map == nullptr) {
        return Failure{std::string("out of memory")};
    }
    int error = 0;
    std::string bytes;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (gif == nullptr) {
        GifFreeMapObject(map);
        return Failure{gifError("cannot start the picture", error)};
    }
    std::string problem;
    if (EGifPutScreenDesc(gif, image.width, image.height, map->BitsPerPixel, 0, map) == GIF_ERROR) {
        problem = gifError("cannot write the screen", gif->Error);
    } else if (EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_ERROR) {
        problem = gifError("cannot write the image", gif->Error);
    } else {
        std::vector<GifPixelType> line(static_cast<std::size_t>(image.width));
        for (int y = 0; y < image.height && problem.empty(); ++y) {
            for (int x = 0; x < image.width; ++x) {
                line[static_cast<std::size_t>(x)] =
                    image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                                 static_cast<std::size_t>(x)];
            }
            if (EGifPutLine(gif, line.data(), image.width) == GIF_ERROR) {
                problem = gifError("cannot write the pixels", gif->Error);
            }
        }
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR && problem.empty()) {
        problem = gifError("cannot finish the file", error);
    }
    GifFreeMapObject(map);
    if (!problem.empty()) return Failure{problem};
    return bytes;
}

}  // namespace

GifResult writeGif(const std::string& path, const PaletteImage& image) {
    const Result<std::string, std::string> bytes = encodeGif(image);
    if (!bytes) return Failure{bytes.error()};
    const files::Outcome written = files::writeWholeFile(path, bytes.value(), files::Placing::Replace);
    if (!written) return Failure{path + ": " + written.error().text};
    return Done{};
}

}  // namespace kestive
