// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/OllCases.h"

#include <cstddef>

namespace kestive {

const std::array<OllCase, kCaseCount>& ollCases() {
    // Standard numbering; each algorithm solves its case from the position shown in the case picture.
    static constexpr std::array<OllCase, kCaseCount> cases = {{
        {1, "R U2 R2 F R F' U2 R' F R F'"},
        {2, "r U r' U2 r U2 R' U2 R U' r'"},
        {3, "r' R2 U R' U r U2 r' U R' r"},
        {4, "M U' r U2 r' U' R U' R' M'"},
        {5, "r' U2 R U R' U r"},
        {6, "r U2 R' U' R U' r'"},
        {7, "r U R' U R U2 r'"},
        {8, "r' U' R U' R' U2 r"},
        {9, "R U R' U' R' F R2 U R' U' F'"},
        {10, "R U R' U R' F R F' R U2 R'"},
        {11, "r U R' U R' F R F' R U2 r'"},
        {12, "M' R' U' R U' R' U2 R U' R r'"},
        {13, "F U R U' R2 F' R U R U' R'"},
        {14, "R' F R U R' F' R F U' F'"},
        {15, "r' U' r R' U' R U r' U r"},
        {16, "r U r' R U R' U' r U' r'"},
        {17, "F R' F' R2 r' U R U' R' U' M'"},
        {18, "r U R' U R U2 r2 U' R U' R' U2 r"},
        {19, "r' R U R U R' U' M' R' F R F'"},
        {20, "r U R' U' M2 U R U' R' U' M'"},
        {21, "R U2 R' U' R U R' U' R U' R'"},
        {22, "R U2 R2 U' R2 U' R2 U2 R"},
        {23, "R2 D' R U2 R' D R U2 R"},
        {24, "r U R' U' r' F R F'"},
        {25, "F' r U R' U' r' F R"},
        {26, "R U2 R' U' R U' R'"},
        {27, "R U R' U R U2 R'"},
        {28, "r U R' U' r' R U R U' R'"},
        {29, "R U R' U' R U' R' F' U' F R U R'"},
        {30, "F R' F R2 U' R' U' R U R' F2"},
        {31, "R' U' F U R U' R' F' R"},
        {32, "L U F' U' L' U L F L'"},
        {33, "R U R' U' R' F R F'"},
        {34, "R U R2 U' R' F R U R U' F'"},
        {35, "R U2 R2 F R F' R U2 R'"},
        {36, "L' U' L U' L' U L U L F' L' F"},
        {37, "F R' F' R U R U' R'"},
        {38, "R U R' U R U' R' U' R' F R F'"},
        {39, "L F' L' U' L U F U' L'"},
        {40, "R' F R U R' U' F' U R"},
        {41, "R U R' U R U2 R' F R U R' U' F'"},
        {42, "R' U' R U' R' U2 R F R U R' U' F'"},
        {43, "F' U' L' U L F"},
        {44, "F U R U' R' F'"},
        {45, "F R U R' U' F'"},
        {46, "R' U' R' F R F' U R"},
        {47, "R' U' R' F R F' R' F R F' U R"},
        {48, "F R U R' U' R U R' U' F'"},
        {49, "r U' r2 U r2 U r2 U' r"},
        {50, "r' U r2 U' r2 U' r2 U r'"},
        {51, "F U R U' R' U R U' R' F'"},
        {52, "R U R' U R U' B U' B' R'"},
        {53, "r' U' R U' R' U R U' R' U2 r"},
        {54, "r U R' U R U' R' U R U2 r'"},
        {55, "R' F R U R U' R2 F' R2 U' R' U R U R'"},
        {56, "r' U' r U' R' U R U' R' U R r' U r"},
        {57, "R U R' U' M' U R U' r'"},
    }};
    return cases;
}

std::string ollCaseTitle(int pll) {
    if (!isCaseIndex(pll)) {
        return {};
    }
    const OllCase& c = ollCases()[static_cast<std::size_t>(pll)];
    return "OLL " + std::to_string(c.number) + " \u2014 " + std::string(c.algorithm);
}

}  // namespace kestive
