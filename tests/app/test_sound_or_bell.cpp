#include <gtest/gtest.h>

#include "app/SoundOrBell.h"

using namespace kestive;

namespace {
struct Sound : EventSound {
    bool plays = true;
    int tries = 0;
    bool play() override {
        ++tries;
        return plays;
    }
};
struct Bell : Beeper {
    int rings = 0;
    void beep() override { ++rings; }
};
}  // namespace

TEST(StartSignal, TheBellRingsExactlyWhenTheEventSoundCannotPlay) {
    Sound sound;
    Bell bell;
    SoundOrBell signal(sound, bell);
    signal.beep();
    EXPECT_EQ(std::pair(sound.tries, bell.rings), std::pair(1, 0)) << "the sound played";
    sound.plays = false;
    signal.beep();
    EXPECT_EQ(std::pair(sound.tries, bell.rings), std::pair(2, 1)) << "no sound server, theme or sound";
    sound.plays = true;  // each signal tries the sound again: a sound server may come back
    signal.beep();
    EXPECT_EQ(std::pair(sound.tries, bell.rings), std::pair(3, 1)) << "the sound plays again";
}
