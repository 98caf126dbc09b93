// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "cases/CasePicture.h"
#include "stats/Result.h"

namespace kestive {

// Done, or what went wrong.
using GifResult = Result<Done, std::string>;

// Writes the picture as a GIF file. The file appears whole or not at all (files::Placing::Replace).
[[nodiscard]] GifResult writeGif(const std::string& path, const PaletteImage& image);

}  // namespace kestive
