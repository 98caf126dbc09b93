// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/UnsavedTimes.h"

#include "session/PathText.h"

namespace kestive {

namespace {

constexpr std::string_view kJournalPrefix = ".kestive-unsaved-";
constexpr std::string_view kJournalSuffix = ".journal";
// The line that says: everything above is in a session file. The reader skips it (no ",").
constexpr std::string_view kSavedMark = "saved:\r\n";

// The journal's whole lines, each ending in CR LF: the blank room after them and a keep torn by a
// crash in the middle of its write are dropped.
std::string_view wholeLines(std::string_view journal) {
    const std::size_t last = journal.rfind("\r\n");
    return last == std::string_view::npos ? std::string_view{} : journal.substr(0, last + 2);
}

std::string keepLine(int pll, std::int32_t time) {
    return plainInteger(pll) + ":" + plainInteger(time) + ",\r\n";
}

}  // namespace

// ---- the journal ----

UnsavedTimes::UnsavedTimes(JournalDisk& disk, std::filesystem::path journal,
                           std::filesystem::path sessionFolder, DateText dateText)
    : disk_(disk),
      journal_(std::move(journal)),
      sessionFolder_(std::move(sessionFolder)),
      dateText_(std::move(dateText)) {}

std::string UnsavedTimes::journalNameFor(long pid, long long msSinceEpoch) {
    return std::string(kJournalPrefix) + std::to_string(pid) + "-" + std::to_string(msSinceEpoch) +
           std::string(kJournalSuffix);
}

std::string UnsavedTimes::sessionNameFor(std::time_t when) {
    const std::tm local = files::localTimeOf(when);
    char text[64];
    std::strftime(text, sizeof text, "unsaved-%Y-%m-%d-%H%M", &local);
    return std::string(text) + ".pll";
}

bool UnsavedTimes::isJournalName(std::string_view name) {
    return name.starts_with(kJournalPrefix) && name.ends_with(kJournalSuffix);
}

bool UnsavedTimes::holdsUnsavedTimes(std::string_view journal) {
    const std::string_view lines = wholeLines(journal);
    return !lines.empty() && !lines.ends_with("\n" + std::string(kSavedMark));
}

Result<std::string, std::string> UnsavedTimes::newSessionFile(const TimeStore& store, std::time_t when) {
    const std::string first = sessionNameFor(when);
    const std::string stem = first.substr(0, first.size() - 4);
    for (int n = 1; n <= 100; ++n) {
        const std::string name = n == 1 ? first : stem + "-" + std::to_string(n) + ".pll";
        std::error_code ec;
        if (std::filesystem::exists(sessionFolder_ / name, ec)) continue;
        const SaveResult created = disk_.createSessionFile(sessionFolder_ / name, store, dateText_(when));
        if (created) return name;
        if (!std::filesystem::exists(sessionFolder_ / name, ec)) return Failure{created.error().message()};
        // Taken meanwhile (another trainer): the next name.
    }
    return Failure{first + " and the names after it are all taken"};
}

UnsavedTimes::Recovered UnsavedTimes::recoverLeftTimes() {
    Recovered result;
    const std::filesystem::path journalFolder = journal_.has_parent_path() ? journal_.parent_path() : ".";
    files::removeLeftovers(journalFolder);
    if (sessionFolder_ != journalFolder) files::removeLeftovers(sessionFolder_);
    for (const LeftJournal& left : disk_.claimLeftJournals(journalFolder)) {
        if (!holdsUnsavedTimes(left.content)) {
            disk_.releaseLeftJournal(left.file, true);
            continue;
        }
        const LoadResult read = parseSession(wholeLines(left.content), textOfPath(left.file.filename()));
        if (!read) {
            disk_.releaseLeftJournal(left.file, false);  // kept as it is: nothing is thrown away
            result.errors.push_back(read.error().message());
            continue;
        }
        const Result<std::string, std::string> kept = newSessionFile(read->store, left.modified);
        disk_.releaseLeftJournal(left.file, kept.ok());
        if (kept) {
            result.files.push_back(kept.value());
        } else {
            result.errors.push_back(kept.error());
        }
    }
    return result;
}

UnsavedTimes::WriteResult UnsavedTimes::failed(std::string reason) {
    journalGood_ = false;
    if (!disk_.holdsJournal()) onDisk_ = 0;  // removed, or never made: it holds none of them
    const bool alreadyTold = failureTold_;
    failureTold_ = true;
    return Failure{WriteFailure{std::move(reason), alreadyTold}};
}

UnsavedTimes::WriteResult UnsavedTimes::rewrite(const TimeStore& store, bool clean) {
    std::string content = sessionText(store, dateText_(std::time(nullptr)));
    if (clean) content += kSavedMark;
    if (const DiskResult written = disk_.replaceJournal(journal(), content); !written) {
        // An older journal would bring back times that are now in a session file.
        if (clean) disk_.removeJournal();
        return failed(written.error());
    }
    journalGood_ = true;
    failureTold_ = false;
    onDisk_ = unsavedCount_;
    return Done{};
}

UnsavedTimes::WriteResult UnsavedTimes::kept(const TimeStore& store, int pll, std::int32_t time) {
    unsaved_ = true;
    ++unsavedCount_;
    if (!journalGood_) return rewrite(store, false);
    if (const DiskResult written = disk_.appendJournal(keepLine(pll, time)); !written) {
        return rewrite(store, false);
    }
    failureTold_ = false;
    onDisk_ = unsavedCount_;
    return Done{};
}

UnsavedTimes::KeptResult UnsavedTimes::keepBeforeLoad(const TimeStore& store) {
    if (!unsaved_) return std::optional<std::string>{};
    Result<std::string, std::string> file = newSessionFile(store, std::time(nullptr));
    if (!file) return Failure{file.error()};
    return std::optional<std::string>{std::move(file).value()};
}

UnsavedTimes::WriteResult UnsavedTimes::loaded(const TimeStore& store) {
    unsaved_ = false;
    unsavedCount_ = onDisk_ = 0;
    return rewrite(store, true);
}

UnsavedTimes::WriteResult UnsavedTimes::saved(const TimeStore& store) {
    unsaved_ = false;
    unsavedCount_ = onDisk_ = 0;
    if (!journalGood_) return rewrite(store, true);
    if (const DiskResult written = disk_.appendJournal(kSavedMark); !written) {
        disk_.removeJournal();  // it would bring back times that are saved
        return failed(written.error());
    }
    return Done{};
}

UnsavedTimes::WriteResult UnsavedTimes::closing(const TimeStore& store) {
    if (!unsaved_) {
        disk_.removeJournal();
        return Done{};
    }
    if (journalGood_ || rewrite(store, false)) return Done{};
    Result<std::string, std::string> file = newSessionFile(store, std::time(nullptr));
    if (!file) return failed(file.error());
    disk_.removeJournal();  // its times are in the file: the next start must not bring them back again
    unsaved_ = false;       // as after a save
    unsavedCount_ = onDisk_ = 0;
    return Done{};
}

}  // namespace kestive
