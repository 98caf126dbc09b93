// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/TopView.h"

#include <cstddef>

#include "cases/OllCases.h"

namespace kestive {

TopView topView(const Cube& cube) {
    auto yellow = [&cube](Face face, int row, int col) { return cube.sticker(face, row, col) == Face::U; };
    TopView view;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            view.up[static_cast<std::size_t>(row * 3 + col)] = yellow(Face::U, row, col);
        }
    }
    // Side faces are addressed as seen from their own front with U at the top (see Cube.h); their top
    // rows are the U layer. Seen from above, B and R run the other way round.
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        view.front[k] = yellow(Face::F, 0, i);
        view.back[k] = yellow(Face::B, 0, 2 - i);
        view.left[k] = yellow(Face::L, 0, i);
        view.right[k] = yellow(Face::R, 0, 2 - i);
    }
    return view;
}

std::optional<TopView> caseView(std::string_view algorithm) {
    const std::optional<Algorithm> moves = parseAlgorithm(algorithm);
    if (!moves) {
        return std::nullopt;
    }
    Cube cube;
    cube.apply(inverse(*moves));
    return topView(cube);
}

TopView ollCaseView(int pll) {
    if (!isCaseIndex(pll)) {
        return {};
    }
    return caseView(ollCases()[static_cast<std::size_t>(pll)].algorithm).value_or(TopView{});
}

}  // namespace kestive
