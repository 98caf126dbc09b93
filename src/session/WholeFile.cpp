// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/WholeFile.h"

#include <atomic>
#include <charconv>

#include "session/PathText.h"

namespace kestive::files {

namespace {

// The file a replacing write writes: a symbolic link is followed to the file it names (through a
// chain of links, a dangling one included).
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

// Writes content into the new file, flushed; the file and its name go again when a step fails.
Result<File, FileError> fill(File file, const std::filesystem::path& name, std::string_view content,
                             const std::filesystem::path& keepPermissionsOf, bool lock) {
    Outcome step = Done{};
    if (lock && !file.tryLock()) step = Failure{FileError{"cannot lock the new file"}};
    if (step && !keepPermissionsOf.empty()) step = file.copyPermissionsOf(keepPermissionsOf);
    if (step) step = file.writeAt(content, 0);
    if (step) step = file.sync();
    if (step && !lock) step = file.close();
    if (step) return file;
    file = File();
    removeFile(name);
    return Failure{step.error()};
}

long parsePid(std::string_view digits) {
    long pid = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    return ec == std::errc{} && end == digits.data() + digits.size() ? pid : 0;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string temporaryNameFor(const std::string& fileName, long pid, unsigned serial, std::size_t longest) {
    const std::string suffix = ".tmp-" + std::to_string(pid) + "-" + std::to_string(serial);
    std::string base = fileName;
    const std::size_t room = longest - 1 - suffix.size();  // 1 for the leading "."
    if (base.size() > room) base.resize(room);
    return "." + base + suffix;
}

std::optional<long> writerOfLeftover(std::string_view name) {
    if (name.ends_with(".journal.new")) {  // ".kestive-unsaved-PID-MS.journal.new"
        constexpr std::string_view prefix = ".kestive-unsaved-";
        if (!name.starts_with(prefix)) return std::nullopt;
        name.remove_prefix(prefix.size());
        const long pid = parsePid(name.substr(0, name.find('-')));
        return pid > 0 ? std::optional(pid) : std::nullopt;
    }
    // Only this program's own kinds of file: a session file's or a journal's temporary name.
    const std::size_t tmp = name.rfind(".tmp-");
    if (!name.starts_with('.') || tmp == std::string_view::npos) return std::nullopt;
    const std::string_view base = name.substr(0, tmp);
    if (!base.ends_with(".pll") && !base.ends_with(".journal")) return std::nullopt;
    const std::string_view rest = name.substr(tmp + 5);  // "PID-SERIAL"
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || !allDigits(rest.substr(dash + 1))) return std::nullopt;
    const long pid = parsePid(rest.substr(0, dash));
    return pid > 0 ? std::optional(pid) : std::nullopt;
}

std::vector<std::string> removeLeftovers(const std::filesystem::path& folder) {
    std::vector<std::string> removed;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = textOfPath(entry.path().filename());
        const std::optional<long> writer = writerOfLeftover(name);
        if (!writer || processRuns(*writer) || !entry.is_regular_file(ec)) continue;
        removeFile(entry.path());
        removed.push_back(name);
    }
    return removed;
}

Result<File, FileError> placeWholeFile(const std::filesystem::path& file, std::string_view content,
                                       Placing how, bool lock) {
    if (file.empty() || !file.has_filename()) return Failure{FileError{"cannot create: no file name"}};
    if (how == Placing::CreateNew) {
        Result<File, FileError> created = File::open(file, File::Mode::CreateNew);
        if (!created) return created;
        return fill(std::move(created).value(), file, content, {}, lock);
    }

    // The temporary file sits beside the target so that the final rename stays on one file system.
    // A name left by an earlier crash is skipped, never reused.
    const std::filesystem::path target = writeTargetOf(file);
    const std::filesystem::path folder = target.parent_path();
    const std::size_t longest = longestNameIn(folder);
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path temp =
            folder /
            pathOfText(temporaryNameFor(textOfPath(target.filename()), processId(), serial++, longest));
        Result<File, FileError> created = File::open(temp, File::Mode::CreateNew);
        if (!created && created.error().nameTaken) continue;
        if (!created) {
            const std::string& text = created.error().text;  // "cannot create: the system's words"
            return Failure{
                FileError{"cannot create a temporary file beside it" + text.substr(text.find(':'))}};
        }
        Result<File, FileError> filled = fill(std::move(created).value(), temp, content, target, lock);
        if (!filled) return filled;
        if (const Outcome placed = renameOver(temp, target); !placed) {
            removeFile(temp);
            return Failure{placed.error()};
        }
        // Make the new name itself durable; a failure here no longer endangers the content.
        syncFolderOf(target);
        return filled;
    }
    return Failure{FileError{"cannot create a temporary file beside it: every name is taken"}};
}

Outcome writeWholeFile(const std::filesystem::path& file, std::string_view content, Placing how) {
    const Result<File, FileError> written = placeWholeFile(file, content, how);
    if (!written) return Failure{written.error()};
    return Done{};
}

}  // namespace kestive::files
