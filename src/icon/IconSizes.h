#pragma once
// The sizes at which the icon is drawn for the desktop's icon theme (hicolor) and the window icon.

#include <array>

namespace kestive::icon {
inline constexpr std::array<int, 8> kThemeSizes = {16, 22, 24, 32, 48, 64, 128, 256};
}
