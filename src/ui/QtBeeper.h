// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/Beeper.h"

namespace kestive::ui {

// The window system's bell.
class QtBeeper final : public Beeper {
public:
    void beep() override;
};

}  // namespace kestive::ui
