// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "stats/Rgb.h"

namespace kestive {

// The text colour of a label.
class TextColour {
public:
    virtual ~TextColour() = default;
    virtual void setTextColour(Rgb colour) = 0;
};

}  // namespace kestive
