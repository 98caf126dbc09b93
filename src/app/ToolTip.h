// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace kestive {

// The text a control shows while the pointer rests on it; empty shows none.
class ToolTip {
public:
    virtual ~ToolTip() = default;
    virtual void setToolTip(const std::string& text) = 0;
};

}  // namespace kestive
