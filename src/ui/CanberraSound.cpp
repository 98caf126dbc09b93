// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CanberraSound.h"

#include <canberra.h>

namespace kestive::ui {

CanberraSound::CanberraSound(std::string eventId, const std::string& driver) : eventId_(std::move(eventId)) {
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) return;
    const bool ready =
        (driver.empty() || ca_context_set_driver(context, driver.c_str()) == CA_SUCCESS) &&
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Kestive", CA_PROP_APPLICATION_ID,
                                "io.github.kestive.Kestive", CA_PROP_APPLICATION_ICON_NAME, "kestive",
                                nullptr) == CA_SUCCESS &&
        ca_context_open(context) == CA_SUCCESS;
    if (ready) {
        context_ = context;
    } else {
        ca_context_destroy(context);
    }
}

CanberraSound::~CanberraSound() {
    if (context_) ca_context_destroy(context_);
}

bool CanberraSound::play() {
    if (!context_) return false;
    return ca_context_play(context_, 0, CA_PROP_EVENT_ID, eventId_.c_str(), CA_PROP_EVENT_DESCRIPTION,
                           "The clock runs", nullptr) == CA_SUCCESS;
}

}  // namespace kestive::ui
