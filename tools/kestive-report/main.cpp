// SPDX-License-Identifier: GPL-3.0-or-later
// kestive-report: prints the report of a session file, as the trainer's "Create report" shows it.
#ifdef _WIN32
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>
#endif

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "SessionHistory.h"
#include "locale/LocaleNumberFormat.h"

namespace {

constexpr const char* kUsage =
    "Usage: kestive-report [--json] FILE.pll\n"
    "       kestive-report --progress [--json] FILE.pll...\n"
    "       kestive-report --svg [-o OUT.svg] FILE.pll...\n"
    "       kestive-report --help\n"
    "\n"
    "Prints the report of the session file FILE.pll exactly as the trainer's \"Create report\" shows it\n"
    "(one line per case, CR LF line ends, then the total average), with numbers in the regional format\n"
    "of LC_ALL / LC_NUMERIC / LANG.\n"
    "\n"
    "  --json   print every case's index, number, count, mean, rounded mean, deviation and record as JSON\n"
    "  --progress  per case its mean in each session (files oldest first) and its change, and the\n"
    "              total average per session; with --json as JSON\n"
    "  --svg       a picture of every case's statistics (and, with several files, its progress) as\n"
    "              SVG on standard output, or into OUT.svg with -o\n"
    "  --help   print this help\n"
    "\n"
    "Exit status: 0 success, 1 the file cannot be read or is damaged, 2 bad usage.\n";

int usageError(const std::string& why) {
    std::fprintf(stderr, "kestive-report: %s\n%s", why.c_str(), kUsage);
    return 2;
}

// The arguments as UTF-8 text. Windows hands main() them in its 8-bit code page, which lacks most
// scripts: there they come from the UTF-16 command line, and the console is told to show UTF-8.
std::vector<std::string> argumentsOf(int argc, char** argv) {
#ifdef _WIN32
    (void)argc, (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 0; wide && i < count; ++i) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<std::size_t>(bytes > 1 ? bytes - 1 : 0), '\0');
        if (bytes > 1) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), bytes, nullptr, nullptr);
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    SetConsoleOutputCP(CP_UTF8);
    return args;
#else
    return std::vector<std::string>(argv, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = argumentsOf(argc, argv);
    bool json = false, help = false, optionsDone = false, progress = false, svg = false;
    std::string output;
    bool outputGiven = false;
    std::vector<std::string> files;
    std::vector<std::string> unknown;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && (arg == "--help" || arg == "-h")) {
            help = true;
        } else if (!optionsDone && arg == "--json") {
            json = true;
        } else if (!optionsDone && arg == "--progress") {
            progress = true;
        } else if (!optionsDone && arg == "--svg") {
            svg = true;
        } else if (!optionsDone && (arg == "-o" || arg == "--output")) {
            if (i + 1 == args.size() || args[i + 1].empty()) return usageError("-o needs a file name");
            output = args[++i];
            outputGiven = true;
        } else if (!optionsDone && arg.size() > 1 && arg[0] == '-') {
            unknown.emplace_back(arg);
        } else {
            files.emplace_back(arg);
        }
    }
    if (!unknown.empty()) return usageError("unknown option " + unknown.front());
    if (help) return kestive::writeStdout(kUsage) ? 0 : 1;
    if (files.empty()) return usageError("no session file given");
    if (progress && svg) return usageError("give --progress or --svg, not both");
    if (svg && json) return usageError("--json goes with --progress, not with --svg");
    if (outputGiven && !svg) return usageError("-o goes with --svg");
    if (progress) return kestive::runProgress(files, json, kestive::userNumberFormat());
    if (svg) return kestive::runSvg(files, output, kestive::userNumberFormat());
    if (files.size() > 1) return usageError("give exactly one session file");
    return kestive::runReport(files.front(), json, kestive::userNumberFormat());
}
