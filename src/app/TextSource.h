// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace kestive {

// The text the user typed into a text box.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::string text() const = 0;
};

}  // namespace kestive
