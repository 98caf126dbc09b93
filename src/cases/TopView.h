// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <optional>
#include <string_view>

#include "cases/Cube.h"

namespace kestive {

// The last layer as the case pictures show it: seen from above, back at the top, front at the bottom.
// Each entry says whether the yellow (U-coloured) sticker of a last-layer piece faces that way.
struct TopView {
    std::array<bool, 9> up{};     // the U face row by row, back row first, each row left to right
    std::array<bool, 3> back{};   // the U layer's back side, left to right as seen from above
    std::array<bool, 3> front{};  // its front side, left to right
    std::array<bool, 3> left{};   // its left side, back to front
    std::array<bool, 3> right{};  // its right side, back to front

    bool operator==(const TopView&) const = default;
};

// Where the yellow stickers of the cube's U layer are. Meaningful when the first two layers are solved.
TopView topView(const Cube& cube);

// The case that an algorithm solves: the top view of a solved cube, yellow up, with the algorithm undone.
// Empty if the algorithm cannot be read.
std::optional<TopView> caseView(std::string_view algorithm);

// The case view of the case with index pll (0..56), from the case table.
TopView ollCaseView(int pll);

}  // namespace kestive
