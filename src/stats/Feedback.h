#pragma once
#include <cstdint>
#include <string>

namespace kestive {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// What the feedback line should show after a kept time beat or missed the case's record.
struct Feedback {
    std::string text;
    Rgb colour;
    friend bool operator==(const Feedback&, const Feedback&) = default;
};

}  // namespace kestive
