// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionHistory.h"

#include <cstdio>
#include <filesystem>

#include "report/Progress.h"
#include "report/ReportJson.h"
#include "report/SessionSeries.h"
#include "report/SvgReport.h"
#include "session/PathText.h"
#include "session/SessionFile.h"
#include "session/WholeFile.h"
#include "stats/Report.h"

namespace kestive {

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "kestive-report: %s\n", message.c_str());
    return 1;
}

}  // namespace

Result<TimeStore, std::string> loadSessionStore(const std::string& file) {
    LoadResult loaded = readSession(pathOfText(file));
    if (!loaded) return Failure{loaded.error().message()};
    return std::move(loaded->store);
}

bool writeStdout(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

int runReport(const std::string& file, bool json, const NumberFormat& format) {
    const Result<TimeStore, std::string> loaded = loadSessionStore(file);
    if (!loaded) return fail(loaded.error());
    std::string out = json ? reportJson(loaded.value()) : reportText(loaded.value(), format);
    if (!out.ends_with('\n')) out += "\r\n";  // the total line gets its line end too, as a terminal wants
    if (!writeStdout(out)) return fail("cannot write the report to standard output");
    return 0;
}

int runProgress(const std::vector<std::string>& files, bool json, const NumberFormat& format) {
    std::vector<SessionSummary> sessions;
    sessions.reserve(files.size());
    for (const std::string& file : files) {
        const Result<TimeStore, std::string> loaded = loadSessionStore(file);
        if (!loaded) return fail(loaded.error());
        sessions.push_back(summarizeSession(file, loaded.value()));
    }
    const std::string out = json ? progressJson(sessions) : progressText(sessions, format);
    if (!writeStdout(out)) return fail("cannot write to standard output");
    return 0;
}

int runSvg(const std::vector<std::string>& files, const std::string& output, const NumberFormat& format) {
    std::vector<SessionSummary> sessions;
    sessions.reserve(files.size());
    TimeStore all;
    for (const std::string& file : files) {
        const Result<TimeStore, std::string> loaded = loadSessionStore(file);
        if (!loaded) return fail(loaded.error());
        if (const Result<Done, std::string> added = addSessionTimes(all, loaded.value()); !added) {
            return fail(added.error());
        }
        sessions.push_back(summarizeSession(textOfPath(pathOfText(file).filename()), loaded.value()));
    }
    const std::string svg = svgReport(all, sessions, format);
    if (output.empty()) {
        return writeStdout(svg) ? 0 : fail("cannot write to standard output");
    }
    // Replaced only when complete, so a failed run leaves no half picture.
    if (const files::Outcome written =
            files::writeWholeFile(pathOfText(output), svg, files::Placing::Replace);
        !written) {
        return fail(output + ": " + written.error().text);
    }
    return 0;
}

}  // namespace kestive
