// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/FeedbackLine.h"
#include "session/UnsavedTimes.h"

namespace kestive {

// The journal of unsaved times as the user meets it. The trainer hands every change of its kept times
// to the journal through here, and what the user must know about it goes to the feedback line: red
// when times are not safe on disk, blue when they went to a file the user did not name.
class UnsavedTimesNotices {
public:
    // journal may be null: the kept times then live in memory only and nothing is said about them.
    UnsavedTimesNotices(UnsavedTimes* journal, FeedbackLine& line) : journal_(journal), line_(line) {}

    // At start-up: times that an earlier run never saved became session files; says which.
    void recoverLeftTimes();
    // Accept kept time for case pll; store holds it already. Each keep that fails to reach the disk
    // says so again, so that a user who missed the warning once sees it at the next keep.
    void kept(const TimeStore& store, int pll, std::int32_t time);
    // Before the session file name replaces store: the unsaved times go to a session file of their
    // own. Its name (nothing when there were none), or why the load must not happen.
    Result<std::optional<std::string>, SessionError> beforeLoad(const TimeStore& store,
                                                                const std::filesystem::path& name);
    // store was loaded; keptIn is what beforeLoad answered.
    void loaded(const TimeStore& store, const std::optional<std::string>& keptIn);
    // Save Session wrote store.
    void saved(const TimeStore& store);
    // The program ends.
    void closing(const TimeStore& store);
    // How many kept times are on no disk (none without a journal).
    std::size_t timesNotOnDisk() const { return journal_ ? journal_->timesNotOnDisk() : 0; }

    static std::string unsavedTimesFrom(const std::vector<std::string>& files);
    static std::string unsavedTimesWentTo(const std::string& file);
    static std::string unsavedTimesNotWritten(const std::string& reason);

private:
    // A failed write is told once; the failures after it until a write succeeds are not news.
    void tellWriteFailure(const UnsavedTimes::WriteResult& written);

    UnsavedTimes* journal_;
    FeedbackLine& line_;
};

}  // namespace kestive
