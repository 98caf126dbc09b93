// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/PlatformFiles.h"
#include "session/SessionFile.h"
#include "session/WholeFile.h"
#include "stats/TimeStore.h"

namespace kestive {

// The largest journal read at start-up: a snapshot of the store and a line for every time it can hold.
inline constexpr std::uint64_t kLargestJournal = 3 * kLargestSessionFile;

// A journal that another trainer left behind in the folder: nobody holds it any more.
struct LeftJournal {
    std::filesystem::path file;
    std::string content;
    std::time_t modified = 0;  // when its last line was written
};

// Done when the disk took the write, or what went wrong.
using DiskResult = Result<Done, std::string>;

// The file operations behind UnsavedTimes. FileJournalDisk does them; tests put in one that fails.
class JournalDisk {
public:
    virtual ~JournalDisk() = default;
    // Makes file this trainer's journal with exactly content: a new file, written, flushed and locked
    // before it takes the name, so that the name always holds a whole journal.
    virtual DiskResult replaceJournal(const std::filesystem::path& file, std::string_view content) = 0;
    // Appends to this trainer's journal and flushes it to disk before returning.
    virtual DiskResult appendJournal(std::string_view content) = 0;
    // Removes this trainer's journal, if it has one.
    virtual void removeJournal() = 0;
    // This trainer's journal is open and still goes by its name.
    virtual bool holdsJournal() = 0;
    // The journals in folder that no running trainer holds, each claimed until released.
    virtual std::vector<LeftJournal> claimLeftJournals(const std::filesystem::path& folder) = 0;
    virtual void releaseLeftJournal(const std::filesystem::path& file, bool remove) = 0;
    // A new session file (never replacing one), as createSession.
    virtual SaveResult createSessionFile(const std::filesystem::path& file, const TimeStore& store,
                                         std::string_view dateText) = 0;
};

// The real file system. The journal stays open and locked while the trainer runs, so that a second
// trainer started in the same folder leaves it alone.
class FileJournalDisk final : public JournalDisk {
public:
    // Room for keeps made in advance: blank lines (bare LF, which the reader skips) that keeps overwrite
    // in place. Overwriting leaves the file's size alone, so the flush of a keep writes its data and no
    // file-system metadata: less than growing the file on every keep costs. The room is only made as far
    // as the disk has space for it.
    explicit FileJournalDisk(std::size_t roomForKeeps = 64 * 1024) : roomForKeeps_(roomForKeeps) {}
    FileJournalDisk(const FileJournalDisk&) = delete;
    FileJournalDisk& operator=(const FileJournalDisk&) = delete;
    ~FileJournalDisk() override;

    DiskResult replaceJournal(const std::filesystem::path& file, std::string_view content) override;
    DiskResult appendJournal(std::string_view content) override;
    void removeJournal() override;
    bool holdsJournal() override;
    std::vector<LeftJournal> claimLeftJournals(const std::filesystem::path& folder) override;
    void releaseLeftJournal(const std::filesystem::path& file, bool remove) override;
    SaveResult createSessionFile(const std::filesystem::path& file, const TimeStore& store,
                                 std::string_view dateText) override;

private:
    // Adds blank room after the journal's lines, as much as the disk takes.
    void makeRoom();

    std::size_t roomForKeeps_;
    files::File journal_;
    std::filesystem::path file_;
    std::size_t end_ = 0;   // where the next keep goes
    std::size_t size_ = 0;  // the file's size: its lines and the blank room after them
    std::map<std::filesystem::path, files::File> claimed_;
};

// Keeps every kept time on disk until it is saved, and turns times that were never saved into
// ordinary session files in the folder of the session files.
//
// The journal is a session text itself: a snapshot of the store (header and 57 case lines), then one
// line "case:time," per kept time, and the mark "saved:" whenever everything up to there is in a
// session file (after a load, after Save Session). The session reader gathers repeated case lines in
// order and skips the mark, so reading the journal gives the store after the last keep; it holds
// unsaved times unless its last line is the mark. A keep costs one short append and one flush,
// whatever the size of the store; only a load writes the whole store, once.
class UnsavedTimes {
public:
    using DateText = std::function<std::string(std::time_t)>;  // the header's date for a moment

    // journal: this trainer's journal (journalNameFor gives a fresh name); the journals that other
    // trainers left are looked for beside it. sessionFolder: where the times of those and any unsaved
    // times that must leave the journal go, as new session files.
    UnsavedTimes(JournalDisk& disk, std::filesystem::path journal, std::filesystem::path sessionFolder,
                 DateText dateText);

    // ".kestive-unsaved-PID-MS.journal": a hidden name that no other trainer uses and the load list skips.
    static std::string journalNameFor(long pid, long long msSinceEpoch);
    // "unsaved-2026-12-07-1412.pll" for a local time of 14:12 on that day.
    static std::string sessionNameFor(std::time_t when);
    // Whether name is such a journal's.
    static bool isJournalName(std::string_view name);
    // The journal's content up to its last whole line; nothing unsaved when its last line is the mark.
    static bool holdsUnsavedTimes(std::string_view journal);

    struct Recovered {
        std::vector<std::string> files;   // new session files, names without folder
        std::vector<std::string> errors;  // journals that could not be turned into one, and why
    };
    // At start-up: the journals of trainers that ended without saving become session files, and the
    // temporary files of writers that are gone are removed.
    Recovered recoverLeftTimes();

    // Why the journal does not hold the store. Only the first failure of a run of failures is news for
    // the user; the later ones say alreadyTold.
    struct WriteFailure {
        std::string reason;
        bool alreadyTold = false;
    };
    using WriteResult = Result<Done, WriteFailure>;

    // After the store kept one more time (pll, time). When the journal cannot take the line (its name
    // was removed, say), a new journal with the whole store is written at once; after a failure, later
    // keeps retry that.
    WriteResult kept(const TimeStore& store, int pll, std::int32_t time);

    // The name of the new session file that holds the unsaved times (nothing when there were none),
    // or why they could not be put in one.
    using KeptResult = Result<std::optional<std::string>, std::string>;
    // Before a loaded session replaces store: unsaved times go into a new session file. On failure
    // nothing is lost.
    KeptResult keepBeforeLoad(const TimeStore& store);
    // After store was loaded, or written by Save Session: nothing in it is unsaved any more.
    WriteResult loaded(const TimeStore& store);
    WriteResult saved(const TimeStore& store);
    // The program ends: without unsaved times nothing is left behind; with them a journal that holds
    // them all stays for the next start (if it could not be kept up, a last try writes it, or else a
    // session file, which replaces it and counts as a save). Failure: not every unsaved time is on
    // disk. Before the end it may run more than once.
    WriteResult closing(const TimeStore& store);

    bool hasUnsavedTimes() const { return unsaved_; }
    // How many unsaved times no file on disk holds: the journal could not be written since.
    std::size_t timesNotOnDisk() const { return unsaved_ ? unsavedCount_ - onDisk_ : 0; }
    const std::filesystem::path& journal() const { return journal_; }

private:
    WriteResult rewrite(const TimeStore& store, bool clean);
    WriteResult failed(std::string reason);
    // Writes store into a new "unsaved-..." session file; its name, or the error.
    Result<std::string, std::string> newSessionFile(const TimeStore& store, std::time_t when);

    JournalDisk& disk_;
    std::filesystem::path journal_;
    std::filesystem::path sessionFolder_;
    DateText dateText_;
    bool unsaved_ = false;          // times kept since the start, the last load or the last save
    bool journalGood_ = false;      // the journal on disk holds the store: appending a line is enough
    bool failureTold_ = false;      // the current run of write failures was told once
    std::size_t unsavedCount_ = 0;  // times kept (or handed over) since the start, the last load or save
    std::size_t onDisk_ = 0;        // how many of them the journal holds
};

}  // namespace kestive
