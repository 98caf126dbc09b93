// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

namespace kestive {

// Reads a number the way the user writes numbers; nothing when the text is not a number.
class NumberReader {
public:
    virtual ~NumberReader() = default;
    virtual std::optional<double> numberFromText(const std::string& text) const = 0;
};

}  // namespace kestive
