#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// The few POSIX file steps that the session writer and the journal of unsaved times share.
namespace kestive::posix {

// "action: the system's words for err", as the messages of a failed save or journal write read.
std::string failureText(const char* action, int err);

// Writes all of data to fd, going on after interrupted writes; false with errno set on failure.
bool writeAll(int fd, std::string_view data);

// Makes a new or renamed name in the file's folder durable. Best effort: the file's content is
// already safe when this runs, so a failure is not reported.
void syncFolderOf(const std::filesystem::path& file);

}  // namespace kestive::posix
