// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FeedbackLine.h"

namespace kestive {

void FeedbackLine::show(const Feedback& feedback) {
    colour_.setTextColour(feedback.colour);
    text_.setCaption(feedback.text);
}

void FeedbackLine::showRecord(const RecordComparison& comparison) {
    switch (comparison.kind) {
        case RecordComparison::Kind::Beat:
            show(
                {"You beat your previous record by " + plainInteger(comparison.difference) + " milliseconds!",
                 kRed});
            break;
        case RecordComparison::Kind::Worse:
            show({"That was " + plainInteger(comparison.difference) + " ms worse than your record, " +
                      twoDecimals(comparison.record / 1000.0, format_),
                  kBlue});
            break;
        case RecordComparison::Kind::None: break;
    }
}

void FeedbackLine::showRefusal(Refusal refusal, int pll) {
    switch (refusal) {
        case Refusal::BadCase: show({"case index " + plainInteger(pll) + " is outside 0..56", kRed}); return;
        case Refusal::CaseFull: break;
    }
    show({"case " + plainInteger(pll) + " already holds " + plainInteger(kMaxTimesPerCase) +
              " times, the most one case can hold",
          kRed});
}

}  // namespace kestive
