// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real journal disk, with each kind of write made to fail on demand (as a full disk would).
#include "session/UnsavedTimes.h"

namespace kestive::test {

struct FailingDisk final : JournalDisk {
    FileJournalDisk real{40};  // room for three keeps: the room runs out often
    bool failAppend = false, failReplace = false, failSession = false;
    void full(bool on) { failAppend = failReplace = failSession = on; }

    DiskResult replaceJournal(const std::filesystem::path& f, std::string_view c) override {
        if (failReplace) return Failure{std::string("cannot write: No space left on device")};
        return real.replaceJournal(f, c);
    }
    DiskResult appendJournal(std::string_view c) override {
        if (failAppend) return Failure{std::string("cannot write: No space left on device")};
        return real.appendJournal(c);
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
        if (failSession) return Failure{SessionError{f.string(), 0, "cannot write: No space left on device"}};
        return real.createSessionFile(f, s, d);
    }
};

}  // namespace kestive::test
