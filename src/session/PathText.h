// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// File names as the program's text, which is UTF-8 everywhere. std::filesystem takes a plain narrow
// string in the system's code page on Windows (MinGW's even byte by byte), so names pass through
// char8_t both ways; on Linux the bytes stay the same.
namespace kestive {

inline std::filesystem::path pathOfText(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The path as text, with "/" between its parts on every system.
inline std::string textOfPath(const std::filesystem::path& path) {
    const std::u8string text = path.generic_u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace kestive
