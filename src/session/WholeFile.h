// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/PlatformFiles.h"

namespace kestive::files {

// How a finished file takes its name.
enum class Placing {
    // Written under a temporary name beside the file, flushed, then renamed over it: the name holds the
    // old content or the new, never part of it. A symbolic link is followed to the file it names (which
    // gets the content; the link stays), and a replaced file keeps its permissions.
    Replace,
    // Created on the name itself, only if the name is free (nameTaken otherwise), then written and
    // flushed; a failed write removes it again. Works on every file system, also without hard links.
    CreateNew,
};

// Writes content whole under file and returns it still open: locked first when lock is set, so that
// no other process ever sees it unlocked under its name.
[[nodiscard]] Result<File, FileError> placeWholeFile(const std::filesystem::path& file,
                                                     std::string_view content, Placing how,
                                                     bool lock = false);
// The same, closing the file.
[[nodiscard]] Outcome writeWholeFile(const std::filesystem::path& file, std::string_view content,
                                     Placing how);

// The temporary name beside file: ".NAME.tmp-PID-SERIAL", NAME cut so that the whole name fits the
// folder's longest name. It carries the writer's process id, so that the leftovers of a crash can be told
// from the files of a running writer.
std::string temporaryNameFor(const std::string& fileName, long pid, unsigned serial,
                             std::size_t longest = 255);
// The process that wrote a leftover: the temporary name of a session file or a journal as above, or an
// older journal's ".journal.new".
std::optional<long> writerOfLeftover(std::string_view name);
// Removes the leftovers in folder whose writer is no longer running; the names removed.
std::vector<std::string> removeLeftovers(const std::filesystem::path& folder);

}  // namespace kestive::files
