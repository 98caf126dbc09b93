// SPDX-License-Identifier: GPL-3.0-or-later
// The file and process steps of PlatformFiles.h on Windows. Every name goes to the system as UTF-16
// (the W calls), so names in any script save and load whatever the user's code page is. Files are
// opened with every sharing mode, so that an open file can still be renamed over and removed, as on
// POSIX systems.
#include <windows.h>

#include <utility>

#include "session/PlatformFiles.h"

namespace kestive::files {

namespace {

// The system's words for a Windows error, without the line end it appends.
std::string wordsOf(DWORD err) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        err, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide = n > 0 && text ? std::wstring(text, n) : L"error " + std::to_wstring(err);
    if (text) LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.'))
        wide.pop_back();
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                          nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), bytes,
                            nullptr, nullptr);
    }
    return utf8;
}

FileError errorOf(const char* action, DWORD err) {
    return FileError{std::string(action) + ": " + wordsOf(err),
                     err == ERROR_FILE_EXISTS || err == ERROR_ALREADY_EXISTS};
}

Outcome failure(const char* action, DWORD err) {
    return Failure{errorOf(action, err)};
}

HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

OVERLAPPED at(std::uint64_t offset) {
    OVERLAPPED o{};
    o.Offset = static_cast<DWORD>(offset);
    o.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return o;
}

// The volume and the file's number on it: what tells two names of one file from two files.
bool identityOf(HANDLE h, BY_HANDLE_FILE_INFORMATION& info) {
    return GetFileInformationByHandle(h, &info) != FALSE;
}

// The lock is one byte far beyond any journal's end: Windows' locks keep other processes from reading
// the bytes they cover, and the journal stays readable while the lock says "in use".
constexpr std::uint64_t kLockOffset = std::uint64_t{1} << 62;

}  // namespace

Result<File, FileError> File::open(const std::filesystem::path& file, Mode mode) {
    const bool create = mode == Mode::CreateNew;
    const HANDLE h =
        CreateFileW(file.c_str(), create ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ, kShareAll, nullptr,
                    create ? CREATE_NEW : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return Failure{errorOf(create ? "cannot create" : "cannot open", GetLastError())};
    return File(reinterpret_cast<std::intptr_t>(h));
}

File::File(File&& other) noexcept : handle_(other.handle_) {
    other.handle_ = -1;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (isOpen()) CloseHandle(handleOf(handle_));
        handle_ = other.handle_;
        other.handle_ = -1;
    }
    return *this;
}

File::~File() {
    if (isOpen()) CloseHandle(handleOf(handle_));
}

bool File::isOpen() const {
    return handle_ != -1;
}

std::uint64_t File::writeSomeAt(std::string_view data, std::uint64_t offset) {
    std::uint64_t written = 0;
    while (!data.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size(), 1u << 30));
        OVERLAPPED o = at(offset + written);
        DWORD n = 0;
        if (!WriteFile(handleOf(handle_), data.data(), chunk, &n, &o) || n == 0) break;
        data.remove_prefix(n);
        written += n;
    }
    return written;
}

Outcome File::writeAt(std::string_view data, std::uint64_t offset) {
    SetLastError(ERROR_SUCCESS);
    if (writeSomeAt(data, offset) == data.size()) return Done{};
    const DWORD err = GetLastError();
    return failure("cannot write", err != ERROR_SUCCESS ? err : ERROR_DISK_FULL);
}

Outcome File::sync(bool) {
    // Windows has one flush for the content and what describes it.
    if (!FlushFileBuffers(handleOf(handle_))) return failure("cannot flush to disk", GetLastError());
    return Done{};
}

Result<std::string, FileError> File::readAll(std::uint64_t limit) {
    std::string content;
    char buf[1 << 16];
    for (std::uint64_t offset = 0;;) {
        OVERLAPPED o = at(offset);
        DWORD n = 0;
        if (!ReadFile(handleOf(handle_), buf, sizeof buf, &n, &o)) {
            const DWORD err = GetLastError();
            if (err == ERROR_HANDLE_EOF) return content;
            return Failure{errorOf("cannot read", err)};
        }
        if (n == 0) return content;
        offset += n;
        if (offset > limit) return Failure{errorOf("cannot read", ERROR_FILE_TOO_LARGE)};
        content.append(buf, n);
    }
}

std::uint64_t File::size() const {
    LARGE_INTEGER size{};
    return GetFileSizeEx(handleOf(handle_), &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
}

std::time_t File::modified() const {
    FILETIME written{};
    if (!GetFileTime(handleOf(handle_), nullptr, nullptr, &written)) return 0;
    // 100-nanosecond steps since 1601 to seconds since 1970.
    const std::uint64_t steps = (std::uint64_t{written.dwHighDateTime} << 32) | written.dwLowDateTime;
    constexpr std::uint64_t kFrom1601To1970 = 11644473600ULL;
    const std::uint64_t seconds = steps / 10000000ULL;
    return seconds > kFrom1601To1970 ? static_cast<std::time_t>(seconds - kFrom1601To1970) : 0;
}

bool File::tryLock() {
    OVERLAPPED o = at(kLockOffset);
    return LockFileEx(handleOf(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &o) !=
           FALSE;
}

bool File::isNamed(const std::filesystem::path& name) const {
    // A removed file whose handles are still open keeps its name but cannot be opened again.
    const HANDLE named = CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (named == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    // Wine answers 0 for the volume of a handle whose file was renamed since it was opened; a name in
    // the file's own folder is on its volume anyway.
    const bool known = identityOf(handleOf(handle_), a) && identityOf(named, b);
    const bool sameVolume = a.dwVolumeSerialNumber == b.dwVolumeSerialNumber || a.dwVolumeSerialNumber == 0;
    const bool same =
        known && sameVolume && a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
    CloseHandle(named);
    return same;
}

Outcome File::copyPermissionsOf(const std::filesystem::path& other) {
    // Windows keeps what a user sets on a file in its attributes: read-only, hidden, archive, not indexed.
    const DWORD existing = GetFileAttributesW(other.c_str());
    if (existing == INVALID_FILE_ATTRIBUTES ||
        (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))) {
        return Done{};
    }
    constexpr DWORD kKept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                            FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    FILE_BASIC_INFO basic{};
    if (!GetFileInformationByHandleEx(handleOf(handle_), FileBasicInfo, &basic, sizeof basic)) {
        return failure("cannot keep the attributes", GetLastError());
    }
    basic.FileAttributes = (existing & kKept) != 0 ? existing & kKept : FILE_ATTRIBUTE_NORMAL;
    if (!SetFileInformationByHandle(handleOf(handle_), FileBasicInfo, &basic, sizeof basic)) {
        return failure("cannot keep the attributes", GetLastError());
    }
    return Done{};
}

Outcome File::close() {
    const HANDLE h = handleOf(std::exchange(handle_, -1));
    if (!CloseHandle(h)) return failure("cannot close", GetLastError());
    return Done{};
}

Outcome renameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    // A read-only file keeps its name from being replaced on Windows; its attributes are on the new
    // file already (copyPermissionsOf), so it may go.
    const DWORD existing = GetFileAttributesW(to.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) &&
        !(existing & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesW(to.c_str(), existing & ~DWORD{FILE_ATTRIBUTE_READONLY});
    }
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD err = GetLastError();
        if (existing != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(to.c_str(), existing);
        return failure("cannot replace", err);
    }
    return Done{};
}

void removeFile(const std::filesystem::path& file) {
    DeleteFileW(file.c_str());
}

void syncFolderOf(const std::filesystem::path&) {
    // Nothing to do: MOVEFILE_WRITE_THROUGH has made the new name durable, and NTFS logs the creation
    // of names itself.
}

std::size_t longestNameIn(const std::filesystem::path& folder) {
    std::filesystem::path root =
        folder.empty() ? std::filesystem::current_path() : std::filesystem::absolute(folder);
    root = root.root_path();
    DWORD longest = 0;
    if (!GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, &longest, nullptr, nullptr, 0) ||
        longest == 0) {
        return 255;
    }
    // The limit counts UTF-16 units, the temporary names are counted in UTF-8 bytes: room for the
    // longest name at one unit per byte.
    return longest;
}

std::tm localTimeOf(std::time_t when) {
    std::tm local{};
    ::localtime_s(&local, &when);
    return local;
}

long processId() {
    return static_cast<long>(GetCurrentProcessId());
}

bool processRuns(long pid) {
    if (pid <= 0) return false;
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;  // it runs, under another user
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

}  // namespace kestive::files
