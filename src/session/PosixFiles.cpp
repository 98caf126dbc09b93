// SPDX-License-Identifier: GPL-3.0-or-later
// The file and process steps of PlatformFiles.h on a POSIX system.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "session/PlatformFiles.h"

namespace kestive::files {

namespace {

FileError errorOf(const char* action, int err) {
    return FileError{std::string(action) + ": " + std::strerror(err), err == EEXIST};
}

Outcome failure(const char* action, int err) {
    return Failure{errorOf(action, err)};
}

int fdOf(std::intptr_t handle) {
    return static_cast<int>(handle);
}

}  // namespace

Result<File, FileError> File::open(const std::filesystem::path& file, Mode mode) {
    const int flags = mode == Mode::CreateNew ? O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC : O_RDONLY | O_CLOEXEC;
    int fd;
    do {
        fd = ::open(file.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return Failure{errorOf(mode == Mode::CreateNew ? "cannot create" : "cannot open", errno)};
    return File(fd);
}

File::File(File&& other) noexcept : handle_(other.handle_) {
    other.handle_ = -1;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (isOpen()) ::close(fdOf(handle_));
        handle_ = other.handle_;
        other.handle_ = -1;
    }
    return *this;
}

File::~File() {
    if (isOpen()) ::close(fdOf(handle_));
}

bool File::isOpen() const {
    return handle_ >= 0;
}

std::uint64_t File::writeSomeAt(std::string_view data, std::uint64_t offset) {
    std::uint64_t written = 0;
    while (!data.empty()) {
        const ssize_t n =
            ::pwrite(fdOf(handle_), data.data(), data.size(), static_cast<off_t>(offset + written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        data.remove_prefix(static_cast<std::size_t>(n));
        written += static_cast<std::uint64_t>(n);
    }
    return written;
}

Outcome File::writeAt(std::string_view data, std::uint64_t offset) {
    errno = 0;
    if (writeSomeAt(data, offset) == data.size()) return Done{};
    return failure("cannot write", errno != 0 ? errno : ENOSPC);
}

Outcome File::sync(bool dataOnly) {
    if ((dataOnly ? ::fdatasync(fdOf(handle_)) : ::fsync(fdOf(handle_))) != 0) {
        return failure("cannot flush to disk", errno);
    }
    return Done{};
}

Result<std::string, FileError> File::readAll(std::uint64_t limit) {
    std::string content;
    char buf[1 << 16];
    for (std::uint64_t at = 0;;) {
        const ssize_t n = ::pread(fdOf(handle_), buf, sizeof buf, static_cast<off_t>(at));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Failure{errorOf("cannot read", errno)};
        if (n == 0) return content;
        at += static_cast<std::uint64_t>(n);
        if (at > limit) return Failure{errorOf("cannot read", EFBIG)};
        content.append(buf, static_cast<std::size_t>(n));
    }
}

std::uint64_t File::size() const {
    struct stat st {};
    return ::fstat(fdOf(handle_), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

std::time_t File::modified() const {
    struct stat st {};
    return ::fstat(fdOf(handle_), &st) == 0 ? st.st_mtime : 0;
}

bool File::tryLock() {
    return ::flock(fdOf(handle_), LOCK_EX | LOCK_NB) == 0;
}

bool File::isNamed(const std::filesystem::path& name) const {
    struct stat opened {
    }, named{};
    return ::fstat(fdOf(handle_), &opened) == 0 && ::stat(name.c_str(), &named) == 0 &&
           opened.st_ino == named.st_ino && opened.st_dev == named.st_dev;
}

Outcome File::copyPermissionsOf(const std::filesystem::path& other) {
    // stat, not lstat: a symbolic link's own bits say nothing; the file it names has the permissions.
    struct stat existing {};
    if (::stat(other.c_str(), &existing) != 0 || !S_ISREG(existing.st_mode)) return Done{};
    if (::fchmod(fdOf(handle_), existing.st_mode & 07777) != 0)
        return failure("cannot keep the permissions", errno);
    return Done{};
}

Outcome File::close() {
    const int fd = fdOf(std::exchange(handle_, -1));
    if (::close(fd) != 0 && errno != EINTR) return failure("cannot close", errno);
    return Done{};
}

Outcome renameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return failure("cannot replace", errno);
    return Done{};
}

void removeFile(const std::filesystem::path& file) {
    ::unlink(file.c_str());
}

void syncFolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    const int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return;
    ::fsync(dirFd);
    ::close(dirFd);
}

std::size_t longestNameIn(const std::filesystem::path& folder) {
    const long longest = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return longest > 0 ? static_cast<std::size_t>(longest) : 255;
}

std::tm localTimeOf(std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    return local;
}

long processId() {
    return static_cast<long>(::getpid());
}

bool processRuns(long pid) {
    if (pid <= 0) return false;
    // EPERM: it runs, under another user.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace kestive::files
