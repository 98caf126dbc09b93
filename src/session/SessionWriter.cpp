#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#include "session/PosixFiles.h"
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

using posix::writeAll;

std::string reason(const char* action, int err) {
    return posix::failureText(action, err);
}

// The file a save writes: a symbolic link is followed to the file it names (through a chain of links,
// a dangling one included), so that the link stays and its target gets the new content.
std::filesystem::path writeTargetOf(const std::filesystem::path& file) {
    std::filesystem::path p = file;
    std::error_code ec;
    for (int hop = 0; hop < 40 && std::filesystem::is_symlink(p, ec); ++hop) {
        const std::filesystem::path next = std::filesystem::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p;
}

// A temporary name beside file that is new in the folder and never longer than the folder allows
// for names: the final name is cut to leave room for the suffix.
std::string temporaryName(const std::filesystem::path& file, unsigned serial) {
    const std::filesystem::path folder = file.parent_path();
    const std::string dir = folder.empty() ? std::string(".") : folder.string();
    long longest = ::pathconf(dir.c_str(), _PC_NAME_MAX);
    if (longest <= 0) longest = 255;
    const std::string suffix = ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(serial);
    std::string base = file.filename().string();
    const auto room = static_cast<std::size_t>(longest) - 1 - suffix.size();  // 1 for the leading "."
    if (base.size() > room) base.resize(room);
    const std::string name = "." + base + suffix;
    return (folder.empty() ? std::filesystem::path(name) : folder / name).string();
}

// Writes the session into a new temporary file beside target, flushed to disk, then puts it in
// place: renamed over target (replace), or linked under target's name only when that name is free.
SaveResult writeSessionFile(const std::filesystem::path& named, const TimeStore& store,
                            std::string_view dateText, bool replace) {
    const std::string shownName = named.string();
    const auto fail = [&](const char* action, int err) -> SaveResult {
        return Failure{SessionError{shownName, 0, reason(action, err)}};
    };
    if (shownName.empty()) return fail("cannot save", ENOENT);
    const std::filesystem::path file = replace ? writeTargetOf(named) : named;
    const std::string target = file.string();

    // The temporary file sits beside the target so that the final rename stays on one file system.
    // A name left by an earlier crash is skipped, never reused.
    static std::atomic<unsigned> serial{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = temporaryName(file, serial++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return fail("cannot create a temporary file beside it", errno);

    // A session file that is replaced keeps its permissions.
    struct stat existing {};
    if (replace && ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
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
    // link() refuses a name that is taken, where rename() would replace it.
    const int placed =
        replace ? ::rename(temp.c_str(), target.c_str()) : ::link(temp.c_str(), target.c_str());
    const int placeError = errno;
    if (placed != 0 || !replace) ::unlink(temp.c_str());
    if (placed != 0) return fail(replace ? "cannot replace" : "cannot create", placeError);
    // Make the new name itself durable; a failure here no longer endangers the file's content.
    posix::syncFolderOf(file);
    return Done{};
}

}  // namespace

SaveResult saveSession(const std::filesystem::path& file, const TimeStore& store, std::string_view dateText) {
    return writeSessionFile(file, store, dateText, true);
}

SaveResult createSession(const std::filesystem::path& file, const TimeStore& store,
                         std::string_view dateText) {
    return writeSessionFile(file, store, dateText, false);
}

}  // namespace kestive
