// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

#include "cases/Move.h"

namespace kestive {

// The six faces, named by where they are: up, right, front, down, left, back.
enum class Face : std::uint8_t { U, R, F, D, L, B };
inline constexpr int kFaceCount = 6;

// A 3x3 cube as its 54 stickers. A sticker's colour is told by the face it belongs to on the solved cube
// (the colour of that face's centre when the cube is solved and unturned): on the trainer's cube yellow
// is the colour of U.
//
// Stickers are addressed by face, row and column, each face seen from outside:
//   U  seen from above, B at the top, L on the left;   D  seen from below, F at the top, L on the left;
//   F, R, B, L  seen from their front with U at the top (F: L on the left, R: F on the left,
//   B: R on the left, L: B on the left).
class Cube {
public:
    // The solved cube.
    Cube();

    void apply(Move move);
    void apply(const Algorithm& algorithm);

    // The colour (home face) of the sticker at that place; row and column are 0..2.
    Face sticker(Face face, int row, int col) const;

    bool operator==(const Cube&) const = default;

private:
    std::array<Face, 54> stickers_;
};

}  // namespace kestive
