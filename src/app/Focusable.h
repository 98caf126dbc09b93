// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kestive {

// A control that can take the keyboard focus.
class Focusable {
public:
    virtual ~Focusable() = default;
    virtual void setFocus() = 0;
};

}  // namespace kestive
