// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real journal disk, with each kind of write made to fail on demand (as a full disk would).
#include "session/UnsavedTimes.h"

namespace kestive::test {

struct FailingDisk final : JournalDisk {
    FileJournalDisk real{40};  // room for three keeps: the room runs out often
    bool failAppend = false, failReplace = false, failSession = false;
    void full(bool on) { failAppend = failReplace = failSession = on; }
    static constexpr const char* kFull = "cannot write: No space left on device";

    DiskResult replaceJournal(const std::filesystem::path& f, std::string_view c) override {
        return failReplace ? DiskResult(Failure{std::string(kFull)}) : real.replaceJournal(f, c);
    }
    DiskResult appendJournal(std::string_view c) override {
        return failAppend ? DiskResult(Failure{std::string(kFull)}) : real.appendJournal(c);
    }
    void removeJournal() override { real.removeJournal(); }
    bool holdsJournal() override { return real.holdsJournal(); }
    std::vector<LeftJournal> claimLeftJournals(const std::filesystem::path& folder) override {
        return real.claimLeftJournals(folder);
    }
    void releaseLeftJournal(const std::filesystem::path& f, bool remove) override {
        real.releaseLeftJournal(f, remove);
    }
    SaveResult createSessionFile(const std::filesystem::path& f, const TimeStore& s,
                                 std::string_view d) override {
        return failSession ? SaveResult(Failure{SessionError{f.string(), 0, kFull}})
                           : real.createSessionFile(f, s, d);
    }
};

}  // namespace kestive::test
