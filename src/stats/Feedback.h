#pragma once
#include <cstdint>
#include <string>

#include "stats/Rgb.h"

namespace kestive {

// What the feedback line should show after a kept time beat or missed the case's record.
struct Feedback {
    std::string text;
    Rgb colour;
    friend bool operator==(const Feedback&, const Feedback&) = default;
};

}  // namespace kestive
