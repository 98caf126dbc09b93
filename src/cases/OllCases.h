// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "stats/CaseCount.h"

namespace kestive {

// One orientation case: its standard number 1..57 (case index + 1) and an algorithm that solves it.
struct OllCase {
    int number;
    std::string_view algorithm;
};

// The 57 cases in case index order.
const std::array<OllCase, kCaseCount>& ollCases();

// A one-line title for the case with index pll, for tooltips: "OLL 27 — R U R' U R U2 R'" (UTF-8).
// Empty for an index outside 0..56.
std::string ollCaseTitle(int pll);

}  // namespace kestive
