#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#include "session/SessionFile.h"

namespace kestive {

std::string SessionError::message() const {
    std::string m = file;
    if (line > 0) m += ", line " + plainInteger(line);
    m += ": " + what;
    return m;
}

std::string sessionText(const TimeStore& store, std::string_view dateText) {
    std::string text = "recorded on ";
    // The header is one line, whatever the date text holds.
    for (const char c : dateText) text += (c == '\r' || c == '\n') ? ' ' : c;
    text += "\r\n";
    for (int pll = 0; pll < kCaseCount; ++pll) {
        text += plainInteger(pll);
        text += ':';
        for (const std::int32_t time : store.timesOf(pll)) {
            text += plainInteger(time);
            text += ',';
        }
        text += "\r\n";
    }
    return text;
}

namespace {

std::string reason(const char* action, int err) {
    return std::string(action) + ": " + std::strerror(err);
}

// Writes all of data to fd; false with errno set on failure.
bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

SaveResult saveSession(const std::filesystem::path& file, const TimeStore& store, std::string_view dateText) {
    const std::string target = file.string();
    const auto fail = [&](const char* action, int err) -> SaveResult {
        return Failure{SessionError{target, 0, reason(action, err)}};
    };
    if (target.empty()) return fail("cannot save", ENOENT);

    // The temporary file sits beside the target so that the final rename stays on one file system.
    // A name left by an earlier crash is skipped, never reused.
    static std::atomic<unsigned> serial{0};
    const std::filesystem::path folder = file.parent_path();
    std::string temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        std::string tempName = ".";
        tempName += file.filename().string();
        tempName += ".tmp-";
        tempName += std::to_string(::getpid());
        tempName += '-';
        tempName += std::to_string(serial++);
        temp = (folder.empty() ? std::filesystem::path(tempName) : folder / tempName).string();
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return fail("cannot create a temporary file beside it", errno);

    // A session file that is replaced keeps its permissions.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        ::fchmod(fd, existing.st_mode & 07777) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return fail("cannot keep the permissions", err);
    }

    const std::string text = sessionText(store, dateText);
    if (!writeAll(fd, text)) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return fail("cannot write", err);
    }
    if (::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return fail("cannot flush to disk", err);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return fail("cannot close", err);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return fail("cannot replace", err);
    }
    // Make the rename itself durable; a failure here no longer endangers the file's content.
    const std::string dir = folder.empty() ? std::string(".") : folder.string();
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return Done{};
}

}  // namespace kestive
