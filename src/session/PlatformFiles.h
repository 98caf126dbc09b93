// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

#include "stats/Result.h"

// Every call this program makes to the operating system's files and processes, behind one small set
// of functions. PosixFiles.cpp implements them for POSIX systems; another system gets a twin of that
// one file with this same header. Everything else (the session writer, the journal of unsaved times,
// the tools) uses only these.
namespace kestive::files {

// Why a file step failed: "action: the system's words", and whether the name was already taken.
struct FileError {
    std::string text;
    bool nameTaken = false;
};
using Outcome = Result<Done, FileError>;

// An open file; closed (without a report) when it goes.
class File {
public:
    enum class Mode {
        CreateNew,  // a new file for writing; fails with nameTaken when the name exists
        Read,       // an existing file for reading
    };
    static Result<File, FileError> open(const std::filesystem::path& file, Mode mode);

    File() = default;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    bool isOpen() const;
    // Writes all of data at offset, going on after interrupted and partial writes.
    Outcome writeAt(std::string_view data, std::uint64_t offset);
    // Writes as much of data at offset as the disk takes; the number of bytes written.
    std::uint64_t writeSomeAt(std::string_view data, std::uint64_t offset);
    // The content on the disk before this returns. dataOnly: the size too, but not the times.
    Outcome sync(bool dataOnly = false);
    // The whole file from its start, if it is no longer than limit bytes.
    Result<std::string, FileError> readAll(std::uint64_t limit);
    std::uint64_t size() const;
    std::time_t modified() const;
    // Takes the file's lock for this process without waiting; false when another process holds it.
    bool tryLock();
    // The file still goes by name: not removed, and the name not taken by another file since.
    bool isNamed(const std::filesystem::path& name) const;
    // Gives the file the permission bits of other, when other is an existing regular file.
    Outcome copyPermissionsOf(const std::filesystem::path& other);
    // Closes, reporting a failure that the system kept for the close (a delayed write error).
    Outcome close();

private:
    explicit File(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_ = -1;  // the system's handle for the open file
};

// Gives from's file the name to, replacing a file of that name.
Outcome renameOver(const std::filesystem::path& from, const std::filesystem::path& to);
// Whether renameOver can replace a file that is still open. Windows refuses while any handle to it
// is open (Windows 10's rename with POSIX semantics aside, which Wine lacks).
#ifdef _WIN32
inline constexpr bool kRenamesOverOpenFiles = false;
#else
inline constexpr bool kRenamesOverOpenFiles = true;
#endif
// Removes the name; best effort.
void removeFile(const std::filesystem::path& file);
// Makes a new or renamed name in the file's folder durable. Best effort: the file's content is
// already safe when this runs, so a failure is not reported.
void syncFolderOf(const std::filesystem::path& file);
// The longest file name the folder takes, in bytes.
std::size_t longestNameIn(const std::filesystem::path& folder);

// The local date and time of a moment (the names of recovered files use it).
std::tm localTimeOf(std::time_t when);

// This process's id, and whether a process of that id runs.
long processId();
bool processRuns(long pid);

}  // namespace kestive::files
