// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "stats/CaseCount.h"
#include "stats/Result.h"
#include "stats/TimeStore.h"

namespace kestive {

// Why a session file was refused: which file, which line (1-based; 0 when no line applies) and what.
struct SessionError {
    std::string file;
    int line = 0;
    std::string what;
    // One sentence for a message box or stderr, naming the file, the line and the fault.
    std::string message() const;
};

// A session file read whole and found good: the store it describes, and the last comparison of a
// loaded time with a record (Kind::None if no loaded time met a record), for the feedback line.
struct LoadedSession {
    TimeStore store;
    RecordComparison lastComparison;
};

// The largest file a session can need: 57 case lines of 32767 times of the longest number
// ("-2147483648,"), with their case numbers and line ends, and a header of up to 4 KiB. A larger file
// is refused before it is read.
inline constexpr std::uint64_t kLargestSessionFile =
    kCaseCount * (std::uint64_t{3} + std::uint64_t{kMaxTimesPerCase} * 12 + 2) + 4096;

// The session of a file that is good throughout, or why the file was refused.
using LoadResult = Result<LoadedSession, SessionError>;
// Done when the file was written whole, or why it was not.
using SaveResult = Result<Done, SessionError>;

// The text of a session file: "recorded on " + dateText, then 57 case lines, every line ending in CR LF.
std::string sessionText(const TimeStore& store, std::string_view dateText);

// Writes the session file atomically (a temporary file in the same folder, renamed over the target
// only when complete). A symbolic link stays a link: the file it points to is written.
[[nodiscard]] SaveResult saveSession(const std::filesystem::path& file, const TimeStore& store,
                                     std::string_view dateText);

// As saveSession, but for a new file: fails, leaving everything as it was, when the name is taken.
[[nodiscard]] SaveResult createSession(const std::filesystem::path& file, const TimeStore& store,
                                       std::string_view dateText);

// Reads and checks a whole session text (lines end in CR LF, LF or CR alone); fileName is only used in
// errors.
[[nodiscard]] LoadResult parseSession(std::string_view content, std::string_view fileName);

// Reads and checks a whole session file; one larger than kLargestSessionFile is refused unread.
[[nodiscard]] LoadResult readSession(const std::filesystem::path& file);

}  // namespace kestive
