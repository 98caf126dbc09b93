// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "app/Caption.h"
#include "app/TextColour.h"
#include "stats/NumberText.h"
#include "stats/Rgb.h"
#include "stats/TimeStore.h"

namespace kestive {

// One sentence of the feedback line and its colour.
struct Feedback {
    std::string text;
    Rgb colour;
    friend bool operator==(const Feedback&, const Feedback&) = default;
};

// The feedback line of the main window (Label5): one sentence at a time, in red or blue. The words for
// what the time store answers live here, not in the store.
class FeedbackLine {
public:
    static constexpr Rgb kRed{255, 0, 0};
    static constexpr Rgb kBlue{0, 0, 255};

    // format: how the record is written in the user's locale.
    FeedbackLine(Caption& text, TextColour& colour, const NumberFormat& format)
        : text_(text), colour_(colour), format_(format) {}

    // Colour first, then the text: the new sentence never shows in the colour of the one before.
    void show(const Feedback& feedback);
    void clear() { text_.setCaption(""); }

    // A kept time against the case's record: red "You beat your previous record by D milliseconds!",
    // blue "That was D ms worse than your record, S" (S the record in seconds); nothing changes when the
    // case had no record yet.
    void showRecord(const RecordComparison& comparison);
    // Why the store refused a time of case pll, in red.
    void showRefusal(Refusal refusal, int pll);

private:
    Caption& text_;
    TextColour& colour_;
    NumberFormat format_;
};

}  // namespace kestive
