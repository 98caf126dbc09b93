// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "session/SessionFile.h"
#include "session/WholeFile.h"

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

SaveResult writeSessionFile(const std::filesystem::path& file, const TimeStore& store,
                            std::string_view dateText, files::Placing how) {
    if (const files::Outcome written = files::writeWholeFile(file, sessionText(store, dateText), how);
        !written) {
        return Failure{SessionError{file.string(), 0, written.error().text}};
    }
    return Done{};
}

}  // namespace

SaveResult saveSession(const std::filesystem::path& file, const TimeStore& store, std::string_view dateText) {
    return writeSessionFile(file, store, dateText, files::Placing::Replace);
}

SaveResult createSession(const std::filesystem::path& file, const TimeStore& store,
                         std::string_view dateText) {
    return writeSessionFile(file, store, dateText, files::Placing::CreateNew);
}

}  // namespace kestive
