// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace kestive {

// The caption of a label or a button.
class Caption {
public:
    virtual ~Caption() = default;
    virtual void setCaption(const std::string& text) = 0;
};

}  // namespace kestive
