// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestive {

// What a move turns. Face turns move one outer layer; wide turns (lower case) move that layer and the
// middle layer beside it; M turns the middle layer between L and R the way L does, E the one between U
// and D the way D does, S the one between F and B the way F does; x, y and z turn the whole cube the way
// R, U and F do.
enum class MoveKind : std::uint8_t {
    U,
    D,
    L,
    R,
    F,
    B,
    u,
    d,
    l,
    r,
    f,
    b,
    M,
    E,
    S,
    x,
    y,
    z,
};
inline constexpr int kMoveKindCount = 18;

// One move: a kind turned clockwise a number of quarter turns (1, 2 or 3; 3 is written with a prime).
struct Move {
    MoveKind kind;
    int quarters;

    bool operator==(const Move&) const = default;
};

using Algorithm = std::vector<Move>;

// Reads the usual notation: "R U R' U' M2 r2 F' x". Moves may stand apart or side by side; a move may
// carry "w" after an upper-case face (Rw = r), an amount 1, 2 or 3, and a prime (' or the typographic
// apostrophe) before or after the amount; round and square brackets are ignored. Nothing else is
// accepted: unknown letters or signs give no algorithm.
std::optional<Algorithm> parseAlgorithm(std::string_view text);

// The moves that undo the algorithm: reversed, each turned the other way.
Algorithm inverse(const Algorithm& algorithm);

}  // namespace kestive
