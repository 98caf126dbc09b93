// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>
#include <limits>
#include <string>

#include "session/PlatformFiles.h"
#include "session/SessionFile.h"

namespace kestive {

namespace {

// A number piece of a case line, as this reader understands it: blanks (spaces, tabs) around it are
// allowed; an optional sign "+" or "-"; decimal digits with an optional "." fraction, at least one
// digit in all ("12", "-7", "12.5", "12.", ".5"). No exponents, no digit grouping, no other separator.
// Its value is cut down to the largest integer not above it (-0.5 gives -1). Values far outside 32 bits
// are clamped to +-2^40, which is still out of every range.
struct Scanned {
    bool number = false;  // at least one digit was seen
    std::int64_t value = 0;
};

// Scans one number from p on, stopping at the first character that cannot continue it (p points there).
inline Scanned scanDecimal(const char*& p, const char* end) {
    while (p < end && (*p == ' ' || *p == '\t')) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    constexpr std::int64_t kClamp = std::int64_t{1} << 40;
    std::int64_t whole = 0;
    bool digits = false;
    for (; p < end && static_cast<unsigned char>(*p - '0') < 10; ++p) {
        digits = true;
        whole = whole * 10 + (*p - '0');
        if (whole > kClamp) whole = kClamp;
    }
    bool fraction = false;  // a non-zero digit after the point
    if (p < end && *p == '.') {
        for (++p; p < end && static_cast<unsigned char>(*p - '0') < 10; ++p) {
            digits = true;
            fraction |= *p != '0';
        }
    }
    while (p < end && (*p == ' ' || *p == '\t')) ++p;
    return {digits, negative ? -whole - (fraction ? 1 : 0) : whole};
}

// The whole piece as one number, or nothing when it is not one.
std::optional<std::int64_t> floorOfDecimal(std::string_view piece) {
    const char* p = piece.data();
    const char* end = p + piece.size();
    const Scanned s = scanDecimal(p, end);
    if (!s.number || p != end) return std::nullopt;
    return s.value;
}

// The piece as shown in an error message: printable ASCII only, and not too long.
std::string shown(std::string_view piece) {
    std::string s;
    for (const char c : piece.substr(0, 40)) s += (c >= 32 && c < 127) ? c : '?';
    if (piece.size() > 40) s += "...";
    return "\"" + s + "\"";
}

}  // namespace

LoadResult parseSession(std::string_view content, std::string_view fileName) {
    const auto fail = [&](int line, std::string what) -> LoadResult {
        return Failure{SessionError{std::string(fileName), line, std::move(what)}};
    };
    if (content.empty()) return fail(0, "the file is empty: it has no header line");

    LoadedSession session;
    std::size_t pos = 0;
    int lineNumber = 0;
    while (pos < content.size()) {
        // A line ends in LF, CR LF or CR alone (files from old Mac editors).
        std::size_t eol = content.find_first_of("\r\n", pos);
        if (eol == std::string_view::npos) eol = content.size();
        const std::string_view line = content.substr(pos, eol - pos);
        pos = eol + 1;
        const bool crThenLf =
            eol < content.size() && content[eol] == '\r' && pos < content.size() && content[pos] == '\n';
        if (crThenLf) ++pos;
        ++lineNumber;

        if (lineNumber == 1) continue;  // the header is never looked at
        if (line.empty()) continue;

        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) return fail(lineNumber, "a non-empty line without \":\"");
        const std::string_view caseText = line.substr(0, colon);
        std::string_view timesText = line.substr(colon + 1);
        if (const std::size_t second = timesText.find(':'); second != std::string_view::npos) {
            timesText = timesText.substr(0, second);  // what follows a second ":" is ignored
        }
        // Fewer than two time pieces: the line carries nothing, whatever its case text holds.
        if (timesText.find(',') == std::string_view::npos) continue;

        const auto pll = floorOfDecimal(caseText);
        if (!pll) return fail(lineNumber, "the case number " + shown(caseText) + " is not a decimal number");
        if (*pll < 0 || *pll >= kCaseCount) {
            return fail(lineNumber, "the case number " + shown(caseText) + " is outside 0..56");
        }

        // Every piece before the last "," is a time; the piece after it is ignored, whatever it holds.
        int pieceNumber = 0;
        const char* p = timesText.data();
        const char* const end = p + timesText.size();
        for (;;) {
            const char* const pieceStart = p;
            const Scanned time = scanDecimal(p, end);
            const bool endsHere = p < end && *p == ',';
            if (!endsHere) {
                const void* comma = std::memchr(p, ',', static_cast<std::size_t>(end - p));
                if (!comma) break;  // the last piece
                const std::string_view piece(
                    pieceStart, static_cast<std::size_t>(static_cast<const char*>(comma) - pieceStart));
                return fail(lineNumber, "time " + plainInteger(pieceNumber + 1) + " (" + shown(piece) +
                                            ") is not a decimal number");
            }
            ++pieceNumber;
            const std::string_view piece(pieceStart, static_cast<std::size_t>(p - pieceStart));
            ++p;  // past the ","
            if (!time.number) {
                return fail(lineNumber, "time " + plainInteger(pieceNumber) + " (" + shown(piece) +
                                            ") is not a decimal number");
            }
            if (time.value < std::numeric_limits<std::int32_t>::min() ||
                time.value > std::numeric_limits<std::int32_t>::max()) {
                return fail(lineNumber, "time " + plainInteger(pieceNumber) + " (" + shown(piece) +
                                            ") does not fit a 32-bit time in milliseconds");
            }
            const KeepResult kept =
                session.store.addTime(static_cast<int>(*pll), static_cast<std::int32_t>(time.value));
            if (!kept) {  // a bad case number was refused above: only a full case is left
                return fail(lineNumber, "case " + plainInteger(*pll) + " gets more than " +
                                            plainInteger(kMaxTimesPerCase) +
                                            " times, the most one case can hold");
            }
            // Only the last comparison stays on the feedback line.
            if (kept->kind != RecordComparison::Kind::None) session.lastComparison = kept.value();
        }
    }
    return session;
}

LoadResult readSession(const std::filesystem::path& file) {
    const std::string name = file.string();
    const auto fail = [&](std::string what) -> LoadResult {
        return Failure{SessionError{name, 0, std::move(what)}};
    };
    Result<files::File, files::FileError> opened = files::File::open(file, files::File::Mode::Read);
    if (!opened) return fail(opened.error().text);
    // The size a file claims is never trusted for memory: a sparse file can claim a terabyte.
    const auto tooLarge = [&] {
        return fail("the file is larger than a session file can be (" + std::to_string(kLargestSessionFile) +
                    " bytes), so it is not read");
    };
    if (opened->size() > kLargestSessionFile) return tooLarge();
    const Result<std::string, files::FileError> content = opened->readAll(kLargestSessionFile);
    if (!content) return opened->size() > kLargestSessionFile ? tooLarge() : fail(content.error().text);
    return parseSession(content.value(), name);
}

}  // namespace kestive
