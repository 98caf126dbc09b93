// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>

namespace kestive {

// What the user answers when the program is to end while some kept times are on no disk.
enum class QuitChoice { SaveFirst, QuitAndLose, StayOpen };

// Tells the user things and, before a loss, asks.
class Messenger {
public:
    virtual ~Messenger() = default;
    // A message that does not stop the program (no modal wait, no event pumping).
    virtual void showMessage(const std::string& text) = 0;
    // Asks, and waits for the answer, whether to end the program although count kept times are on
    // no disk.
    virtual QuitChoice askBeforeQuit(std::size_t count) = 0;
    // Save Session, its prompt offering another folder; true once the kept times are in a session file.
    virtual bool saveSessionNow() = 0;
};

}  // namespace kestive
