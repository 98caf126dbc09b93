// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/Cube.h"

#include <cstddef>

namespace kestive {
namespace {

// Space coordinates: x towards R, y towards U, z towards F; piece coordinates are -1, 0 or 1.
struct Vec {
    int x, y, z;
    bool operator==(const Vec&) const = default;
    constexpr int along(int axis) const { return axis == 0 ? x : axis == 1 ? y : z; }
};

constexpr std::array<Vec, kFaceCount> kNormals = {{
    {0, 1, 0},   // U
    {1, 0, 0},   // R
    {0, 0, 1},   // F
    {0, -1, 0},  // D
    {-1, 0, 0},  // L
    {0, 0, -1},  // B
}};

// Where the piece carrying a sticker sits, from the sticker's face, row and column (see Cube.h).
constexpr Vec piecePosition(Face face, int row, int col) {
    const int down = 1 - row;   // rows run top to bottom
    const int right = col - 1;  // columns run left to right
    switch (face) {
        case Face::U: return {right, 1, row - 1};
        case Face::D: return {right, -1, 1 - row};
        case Face::F: return {right, down, 1};
        case Face::B: return {-right, down, -1};
        case Face::R: return {1, down, -right};
        case Face::L: return {-1, down, right};
    }
    return {0, 0, 0};
}

constexpr std::size_t indexOf(Face face, int row, int col) {
    return static_cast<std::size_t>(face) * 9 + static_cast<std::size_t>(row * 3 + col);
}

// A quarter turn clockwise as seen from the tip of an axis, that is -90 degrees about it.
struct QuarterTurn {
    int axis;       // 0 x, 1 y, 2 z
    bool positive;  // seen from the positive end of the axis
    int low, high;  // the layers moved: coordinates along the axis from low to high

    constexpr Vec rotate(Vec v) const {
        // Clockwise from the negative end is anticlockwise from the positive end.
        const int s = positive ? 1 : -1;
        switch (axis) {
            case 0: return {v.x, s * v.z, -s * v.y};
            case 1: return {-s * v.z, v.y, s * v.x};
            default: return {s * v.y, -s * v.x, v.z};
        }
    }
    constexpr bool moves(Vec position) const {
        const int c = position.along(axis);
        return c >= low && c <= high;
    }
};

constexpr QuarterTurn quarterTurnOf(MoveKind kind) {
    switch (kind) {
        case MoveKind::R: return {0, true, 1, 1};
        case MoveKind::L: return {0, false, -1, -1};
        case MoveKind::U: return {1, true, 1, 1};
        case MoveKind::D: return {1, false, -1, -1};
        case MoveKind::F: return {2, true, 1, 1};
        case MoveKind::B: return {2, false, -1, -1};
        case MoveKind::r: return {0, true, 0, 1};
        case MoveKind::l: return {0, false, -1, 0};
        case MoveKind::u: return {1, true, 0, 1};
        case MoveKind::d: return {1, false, -1, 0};
        case MoveKind::f: return {2, true, 0, 1};
        case MoveKind::b: return {2, false, -1, 0};
        case MoveKind::M: return {0, false, 0, 0};
        case MoveKind::E: return {1, false, 0, 0};
        case MoveKind::S: return {2, true, 0, 0};
        case MoveKind::x: return {0, true, -1, 1};
        case MoveKind::y: return {1, true, -1, 1};
        case MoveKind::z: return {2, true, -1, 1};
    }
    return {0, true, 2, 2};
}

using Permutation = std::array<std::size_t, 54>;  // sticker i goes to place p[i]

struct Place {
    Vec position;
    Vec normal;
};

constexpr std::array<Place, 54> places() {
    std::array<Place, 54> all{};
    for (int f = 0; f < kFaceCount; ++f) {
        const Face face = static_cast<Face>(f);
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                all[indexOf(face, row, col)] = {piecePosition(face, row, col),
                                                kNormals[static_cast<std::size_t>(f)]};
            }
        }
    }
    return all;
}

constexpr Permutation permutationOf(MoveKind kind) {
    constexpr std::array<Place, 54> all = places();
    const QuarterTurn turn = quarterTurnOf(kind);
    Permutation to{};
    for (std::size_t i = 0; i < all.size(); ++i) {
        to[i] = i;
        if (!turn.moves(all[i].position)) {
            continue;
        }
        const Place moved = {turn.rotate(all[i].position), turn.rotate(all[i].normal)};
        for (std::size_t j = 0; j < all.size(); ++j) {
            if (all[j].position == moved.position && all[j].normal == moved.normal) {
                to[i] = j;
            }
        }
    }
    return to;
}

constexpr std::array<Permutation, kMoveKindCount> permutations() {
    std::array<Permutation, kMoveKindCount> all{};
    for (int k = 0; k < kMoveKindCount; ++k) {
        all[static_cast<std::size_t>(k)] = permutationOf(static_cast<MoveKind>(k));
    }
    return all;
}

constexpr std::array<Permutation, kMoveKindCount> kQuarterTurns = permutations();

}  // namespace

Cube::Cube() {
    for (std::size_t i = 0; i < stickers_.size(); ++i) {
        stickers_[i] = static_cast<Face>(i / 9);
    }
}

void Cube::apply(Move move) {
    const Permutation& to = kQuarterTurns[static_cast<std::size_t>(move.kind)];
    for (int q = 0; q < move.quarters; ++q) {
        std::array<Face, 54> turned{};
        for (std::size_t i = 0; i < stickers_.size(); ++i) {
            turned[to[i]] = stickers_[i];
        }
        stickers_ = turned;
    }
}

void Cube::apply(const Algorithm& algorithm) {
    for (const Move& move : algorithm) {
        apply(move);
    }
}

Face Cube::sticker(Face face, int row, int col) const {
    return stickers_[indexOf(face, row, col)];
}

}  // namespace kestive
