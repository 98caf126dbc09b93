// libFuzzer target: any bytes as a session file must give a store or an error, never a crash, and a
// store that is read must keep the store's rules and survive a write-and-read round trip.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "SessionInvariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::string broken = kestive::sessionInvariantBroken(content);
    if (!broken.empty()) {
        std::fprintf(stderr, "session invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
