// Stand-in for the case table while its real implementation is not in this tree; never part of the program.
#include "cases/OllCases.h"

namespace kestive {

const std::array<OllCase, kCaseCount>& ollCases() {
    static const std::array<OllCase, kCaseCount> cases = [] {
        std::array<OllCase, kCaseCount> a{};
        for (int i = 0; i < kCaseCount; ++i) a[i] = OllCase{i + 1, "R U R' U'"};
        return a;
    }();
    return cases;
}

}  // namespace kestive
