#pragma once
#include <string>

#include "app/Caption.h"
#include "app/TextColour.h"
#include "stats/Feedback.h"

namespace kestive {

// The feedback line of the main window (Label5): one sentence at a time, in red or blue.
class FeedbackLine {
public:
    static constexpr Rgb kRed{255, 0, 0};
    static constexpr Rgb kBlue{0, 0, 255};

    FeedbackLine(Caption& text, TextColour& colour) : text_(text), colour_(colour) {}

    // Colour first, then the text: the new sentence never shows in the colour of the one before.
    void show(const Feedback& feedback) {
        colour_.setTextColour(feedback.colour);
        text_.setCaption(feedback.text);
    }
    void clear() { text_.setCaption(""); }

private:
    Caption& text_;
    TextColour& colour_;
};

}  // namespace kestive
