// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kestive {

// The session file that an answer to Save Session names: the answer exactly as typed with ".pll"
// appended. An empty answer (Cancel gives one too) names none. Blanks, a folder part and a ".pll" of
// the answer's own are all kept; a relative name lies in the current folder.
inline std::optional<std::string> sessionFileName(std::string_view answer) {
    if (answer.empty()) return std::nullopt;
    std::string name(answer);
    name += ".pll";
    return name;
}

}  // namespace kestive
