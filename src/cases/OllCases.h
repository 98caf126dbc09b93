#pragma once
#include <array>
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

}  // namespace kestive
