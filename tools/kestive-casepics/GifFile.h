#pragma once
#include <string>

#include "cases/CasePicture.h"

namespace kestive {

// Writes the picture as a GIF file. Returns an empty text on success, else what went wrong.
// The file appears whole or not at all: it is written beside its name first and then renamed.
std::string writeGif(const std::string& path, const PaletteImage& image);

}  // namespace kestive
