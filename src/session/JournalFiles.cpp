// SPDX-License-Identifier: GPL-3.0-or-later
// The journal of unsaved times on the real file system.
#include "session/PathText.h"
#include "session/SessionFile.h"
#include "session/UnsavedTimes.h"
#include "session/WholeFile.h"

namespace kestive {

FileJournalDisk::~FileJournalDisk() = default;

void FileJournalDisk::makeRoom() {
    size_ += journal_.writeSomeAt(std::string(roomForKeeps_, '\n'), size_);
}

DiskResult FileJournalDisk::replaceJournal(const std::filesystem::path& file, std::string_view content) {
    // Locked before it takes the name: no other trainer ever sees the journal unlocked. Where an open
    // file cannot be replaced, the old journal is let go just before: another trainer starting in this
    // folder in that moment could take its times as left behind.
    if (!files::kRenamesOverOpenFiles && file == file_) journal_ = files::File();
    Result<files::File, files::FileError> placed =
        files::placeWholeFile(file, content, files::Placing::Replace, true);
    if (!placed) return Failure{placed.error().text};
    journal_ = std::move(placed).value();
    file_ = file;
    end_ = size_ = content.size();
    makeRoom();
    return Done{};
}

DiskResult FileJournalDisk::appendJournal(std::string_view content) {
    if (!journal_.isOpen()) return Failure{std::string("cannot write: the journal is not open")};
    const bool full = end_ + content.size() > size_;
    if (const files::Outcome written = journal_.writeAt(content, end_); !written) {
        return Failure{written.error().text};
    }
    end_ += content.size();
    if (full) {  // the room is used up: new room, as far as the disk has space
        size_ = end_;
        makeRoom();
    }
    if (const files::Outcome flushed = journal_.sync(true); !flushed) return Failure{flushed.error().text};
    // Removed meanwhile (by hand, or with its folder): the times went into a file without a name.
    if (!journal_.isNamed(file_)) return Failure{std::string("the journal was removed from the folder")};
    return Done{};
}

void FileJournalDisk::removeJournal() {
    if (!journal_.isOpen()) return;
    files::removeFile(file_);
    journal_ = files::File();
}

bool FileJournalDisk::holdsJournal() {
    return journal_.isOpen() && journal_.isNamed(file_);
}

std::vector<LeftJournal> FileJournalDisk::claimLeftJournals(const std::filesystem::path& folder) {
    std::vector<LeftJournal> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (!UnsavedTimes::isJournalName(textOfPath(entry.path().filename()))) continue;
        if (entry.path() == file_ || claimed_.count(entry.path())) continue;
        Result<files::File, files::FileError> opened =
            files::File::open(entry.path(), files::File::Mode::Read);
        if (!opened) continue;
        files::File& file = opened.value();
        // A running trainer holds its journal locked. One whose name was taken over or removed after
        // we opened it is no longer the journal.
        if (!file.tryLock() || !file.isNamed(entry.path())) continue;
        Result<std::string, files::FileError> content = file.readAll(kLargestJournal);
        if (!content) continue;
        found.push_back(LeftJournal{entry.path(), std::move(content).value(), file.modified()});
        claimed_[entry.path()] = std::move(file);
    }
    return found;
}

void FileJournalDisk::releaseLeftJournal(const std::filesystem::path& file, bool remove) {
    const auto it = claimed_.find(file);
    if (it == claimed_.end()) return;
    if (remove) {
        files::removeFile(file);
        files::syncFolderOf(file);
    }
    claimed_.erase(it);
}

SaveResult FileJournalDisk::createSessionFile(const std::filesystem::path& file, const TimeStore& store,
                                              std::string_view dateText) {
    return createSession(file, store, dateText);
}

}  // namespace kestive
