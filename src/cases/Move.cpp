// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/Move.h"

#include <algorithm>
#include <array>

namespace kestive {
namespace {

constexpr std::array<char, kMoveKindCount> kLetters = {
    'U', 'D', 'L', 'R', 'F', 'B', 'u', 'd', 'l', 'r', 'f', 'b', 'M', 'E', 'S', 'x', 'y', 'z',
};

std::optional<MoveKind> kindOf(char letter) {
    const auto* found = std::find(kLetters.begin(), kLetters.end(), letter);
    if (found == kLetters.end()) {
        return std::nullopt;
    }
    return static_cast<MoveKind>(found - kLetters.begin());
}

// The wide turn that goes with an outer face: R -> r.
std::optional<MoveKind> wideOf(MoveKind kind) {
    switch (kind) {
        case MoveKind::U: return MoveKind::u;
        case MoveKind::D: return MoveKind::d;
        case MoveKind::L: return MoveKind::l;
        case MoveKind::R: return MoveKind::r;
        case MoveKind::F: return MoveKind::f;
        case MoveKind::B: return MoveKind::b;
        default: return std::nullopt;
    }
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isBracket(char c) {
    return c == '(' || c == ')' || c == '[' || c == ']';
}

// The typographic apostrophe U+2019 in UTF-8.
constexpr std::string_view kTypographicPrime = "\xE2\x80\x99";

// Length of a prime sign at the start of the text, 0 if there is none.
std::size_t primeAt(std::string_view text) {
    if (!text.empty() && text.front() == '\'') {
        return 1;
    }
    if (text.starts_with(kTypographicPrime)) {
        return kTypographicPrime.size();
    }
    return 0;
}

}  // namespace

std::optional<Algorithm> parseAlgorithm(std::string_view text) {
    Algorithm moves;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isSpace(c) || isBracket(c)) {
            ++i;
            continue;
        }
        std::optional<MoveKind> kind = kindOf(c);
        if (!kind) {
            return std::nullopt;
        }
        ++i;
        if (i < text.size() && text[i] == 'w') {
            kind = wideOf(*kind);
            if (!kind) {
                return std::nullopt;
            }
            ++i;
        }
        int amount = 1;
        bool prime = false;
        if (std::size_t n = primeAt(text.substr(i)); n > 0) {
            prime = true;
            i += n;
        }
        if (i < text.size() && text[i] >= '1' && text[i] <= '3') {
            amount = text[i] - '0';
            ++i;
            if (i < text.size() && text[i] >= '0' && text[i] <= '9') {
                return std::nullopt;  // R12 and the like are not moves
            }
        }
        if (std::size_t n = primeAt(text.substr(i)); n > 0) {
            if (prime) {
                return std::nullopt;  // R'' is a slip, not a move
            }
            prime = true;
            i += n;
        }
        const int quarters = prime ? 4 - amount : amount;
        // The next sign must start a new move, separate it, or close a bracket.
        if (i < text.size() && !isSpace(text[i]) && !isBracket(text[i]) && !kindOf(text[i])) {
            return std::nullopt;
        }
        moves.push_back(Move{*kind, quarters});
    }
    return moves;
}

Algorithm inverse(const Algorithm& algorithm) {
    Algorithm undo;
    undo.reserve(algorithm.size());
    for (auto it = algorithm.rbegin(); it != algorithm.rend(); ++it) {
        undo.push_back(Move{it->kind, (4 - it->quarters) % 4});
    }
    return undo;
}

}  // namespace kestive
