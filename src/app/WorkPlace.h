// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <utility>
#include <vector>

namespace kestive {

// The folders the trainer reads and writes. main.cpp makes one at start-up and hands it down; nothing
// else asks the process for its current folder.
struct WorkPlace {
    // The session files: Save Session writes there, Load Session lists and reads them there, and times
    // that were never saved become session files there.
    std::filesystem::path working;
    // The journal of unsaved times, and the journals that earlier runs left.
    std::filesystem::path journal;
    // Where a case picture is looked for, in this order.
    std::vector<std::filesystem::path> pictures;
};

// Everything in folder; the pictures there first, so that one the user rotated or edited wins, then
// those in installedPictures.
inline WorkPlace workPlaceIn(const std::filesystem::path& folder,
                             std::vector<std::filesystem::path> installedPictures = {}) {
    installedPictures.insert(installedPictures.begin(), folder);
    return WorkPlace{folder, folder, std::move(installedPictures)};
}

}  // namespace kestive
