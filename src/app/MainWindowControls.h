// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "app/Caption.h"
#include "app/Focusable.h"
#include "app/PictureBox.h"
#include "app/TextColour.h"
#include "app/TextSource.h"
#include "app/ToolTip.h"
#include "stats/CaseCount.h"

namespace kestive {

// The controls of the main window that the handlers read and write, as the window system offers them.
struct MainWindowControls {
    PictureBox* alg = nullptr;  // the large box that shows the drilled case
    Caption* label1 = nullptr;  // countdown numbers and running time
    Caption* label5 = nullptr;  // feedback line
    TextColour* label5Colour = nullptr;
    Caption* command1 = nullptr;  // START / STOP!
    Focusable* command1Focus = nullptr;
    Focusable* command2Focus = nullptr;  // Accept
    TextSource* waitTime = nullptr;
    TextSource* showWhen = nullptr;
    ToolTip* algTip = nullptr;  // names the case in alg once it has been answered

    // The case panel: element i belongs to case i.
    std::array<PictureBox*, kCaseCount> pll{};
    std::array<PictureBox*, kCaseCount> avg{};
    std::array<Caption*, kCaseCount> avglabel{};
    std::array<Caption*, kCaseCount> numlabel{};
    std::array<Caption*, kCaseCount> stdlabel{};
};

}  // namespace kestive
