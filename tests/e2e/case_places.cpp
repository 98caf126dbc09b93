// SPDX-License-Identifier: GPL-3.0-or-later
// Prints where the main window places each case's picture, one line "case left top" in twips, for fit.sh.
#include <cstdio>

#include "cases/CasePanelLayout.h"
#include "stats/CaseCount.h"

int main() {
    for (int i = 0; i < kestive::kCaseCount; ++i)
        std::printf("%d %d %d\n", i, kestive::casePlace(i).left, kestive::casePlace(i).top);
}
