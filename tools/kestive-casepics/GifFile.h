#pragma once
#include <string>

#include "cases/CasePicture.h"
#include "stats/Result.h"

namespace kestive {

// Done, or what went wrong.
using GifResult = Result<Done, std::string>;

// Writes the picture as a GIF file. The file appears whole or not at all: it is written beside its
// name first and then renamed.
[[nodiscard]] GifResult writeGif(const std::string& path, const PaletteImage& image);

}  // namespace kestive
