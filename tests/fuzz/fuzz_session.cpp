// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes read as a session file must keep every rule in SessionInvariants.h.
#include <cstdio>
#include <cstdlib>

#include "SessionInvariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken = kestive::sessionInvariantBroken({reinterpret_cast<const char*>(data), size});
    if (broken.empty()) return 0;
    std::fprintf(stderr, "session invariant broken: %s\n", broken.c_str());
    std::abort();
}
