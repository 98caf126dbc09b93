#include "session/UnsavedTimes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "session/PosixFiles.h"

namespace kestive {

namespace {

constexpr std::string_view kJournalPrefix = ".kestive-unsaved-";
constexpr std::string_view kJournalSuffix = ".journal";
// The line that says: everything above is in a session file. The reader skips it (no ",").
constexpr std::string_view kSavedMark = "saved:\r\n";

using posix::syncFolderOf;
using posix::writeAll;

std::string failure(const char* action, int err) {
    return posix::failureText(action, err);
}

// The journal's whole lines, each ending in CR LF: the blank room after them and a keep torn by a
// crash in the middle of its write are dropped.
std::string_view wholeLines(std::string_view journal) {
    const std::size_t last = journal.rfind("\r\n");
    return last == std::string_view::npos ? std::string_view{} : journal.substr(0, last + 2);
}

bool writeAllAt(int fd, std::string_view data, off_t at) {
    while (!data.empty()) {
        const ssize_t n = ::pwrite(fd, data.data(), data.size(), at);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    return true;
}

std::string keepLine(int pll, std::int32_t time) {
    return plainInteger(pll) + ":" + plainInteger(time) + ",\r\n";
}

}  // namespace

// ---- the real file system ----

PosixJournalDisk::~PosixJournalDisk() {
    if (fd_ >= 0) ::close(fd_);
    for (const auto& [file, fd] : claimed_) ::close(fd);
}

DiskResult PosixJournalDisk::replaceJournal(const std::filesystem::path& file, std::string_view content) {
    const std::string temp = file.string() + ".new";  // the journal's name is this trainer's alone
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return Failure{failure("cannot create", errno)};
    // Locked before it takes the name: no other trainer ever sees the journal unlocked.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !writeAll(fd, content) ||
        !writeAll(fd, std::string(roomForKeeps_, '\n')) || ::fsync(fd) != 0 ||
        ::rename(temp.c_str(), file.c_str()) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return Failure{failure("cannot write", err)};
    }
    syncFolderOf(file);
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
    file_ = file;
    end_ = content.size();
    size_ = content.size() + roomForKeeps_;
    return Done{};
}

DiskResult PosixJournalDisk::appendJournal(std::string_view content) {
    if (fd_ < 0) return Failure{failure("cannot write", EBADF)};
    // When the room is used up, the same write makes new room.
    const bool full = end_ + content.size() > size_;
    std::string bytes(content);
    if (full) bytes.append(roomForKeeps_, '\n');
    if (!writeAllAt(fd_, bytes, static_cast<off_t>(end_))) return Failure{failure("cannot write", errno)};
    if (::fdatasync(fd_) != 0) return Failure{failure("cannot flush to disk", errno)};
    end_ += content.size();
    if (full) size_ = end_ + roomForKeeps_;
    return Done{};
}

void PosixJournalDisk::removeJournal() {
    if (fd_ < 0) return;
    ::unlink(file_.c_str());
    ::close(fd_);
    fd_ = -1;
}

std::vector<LeftJournal> PosixJournalDisk::claimLeftJournals(const std::filesystem::path& folder) {
    std::vector<LeftJournal> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(kJournalPrefix) || !name.ends_with(kJournalSuffix)) continue;
        if (entry.path() == file_ || claimed_.count(entry.path())) continue;
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        // A running trainer holds its journal locked. One whose name was taken over or removed after
        // we opened it is no longer the journal.
        struct stat opened {
        }, named{};
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 ||
            ::stat(entry.path().c_str(), &named) != 0 || opened.st_ino != named.st_ino ||
            opened.st_dev != named.st_dev) {
            ::close(fd);
            continue;
        }
        LeftJournal left{entry.path(), {}, opened.st_mtime};
        char buf[1 << 16];
        for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) != 0;) {
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) break;
            left.content.append(buf, static_cast<std::size_t>(n));
        }
        claimed_[entry.path()] = fd;
        found.push_back(std::move(left));
    }
    return found;
}

void PosixJournalDisk::releaseLeftJournal(const std::filesystem::path& file, bool remove) {
    const auto it = claimed_.find(file);
    if (it == claimed_.end()) return;
    if (remove) {
        ::unlink(file.c_str());
        syncFolderOf(file);
    }
    ::close(it->second);
    claimed_.erase(it);
}

SaveResult PosixJournalDisk::createSessionFile(const std::filesystem::path& file, const TimeStore& store,
                                               std::string_view dateText) {
    return createSession(file, store, dateText);
}

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
    std::tm local{};
    ::localtime_r(&when, &local);
    char text[64];
    std::strftime(text, sizeof text, "unsaved-%Y-%m-%d-%H%M", &local);
    return std::string(text) + ".pll";
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
    for (const LeftJournal& left :
         disk_.claimLeftJournals(journal_.has_parent_path() ? journal_.parent_path() : ".")) {
        if (!holdsUnsavedTimes(left.content)) {
            disk_.releaseLeftJournal(left.file, true);
            continue;
        }
        const LoadResult read = parseSession(wholeLines(left.content), left.file.filename().string());
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
    return Done{};
}

UnsavedTimes::WriteResult UnsavedTimes::kept(const TimeStore& store, int pll, std::int32_t time) {
    unsaved_ = true;
    if (!journalGood_) return rewrite(store, false);
    if (const DiskResult written = disk_.appendJournal(keepLine(pll, time)); !written) {
        return failed(written.error());
    }
    failureTold_ = false;
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
    return rewrite(store, true);
}

UnsavedTimes::WriteResult UnsavedTimes::saved(const TimeStore& store) {
    unsaved_ = false;
    if (!journalGood_) return rewrite(store, true);
    if (const DiskResult written = disk_.appendJournal(kSavedMark); !written) {
        disk_.removeJournal();  // it would bring back times that are saved
        return failed(written.error());
    }
    return Done{};
}

void UnsavedTimes::closing(const TimeStore& store) {
    if (!unsaved_) {
        disk_.removeJournal();
        return;
    }
    if (!journalGood_) newSessionFile(store, std::time(nullptr));
}

}  // namespace kestive
