// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "app/EventSound.h"

struct ca_context;

namespace kestive::ui {

// An event sound of the user's freedesktop sound theme played through libcanberra, which honours the
// desktop's settings for event sounds (theme, volume, switched off). The connection to the sound
// system is made once, when this is made, so the first signal does not wait for it.
class CanberraSound final : public EventSound {
public:
    // eventId names the sound in the theme ("bell"); driver picks libcanberra's output, empty: its own
    // choice.
    explicit CanberraSound(std::string eventId, const std::string& driver = {});
    ~CanberraSound() override;
    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;

    bool play() override;

private:
    std::string eventId_;
    ca_context* context_ = nullptr;  // null when the sound system could not be reached
};

}  // namespace kestive::ui
