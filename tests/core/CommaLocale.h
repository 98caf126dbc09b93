#pragma once
// A comma-decimal locale for tests: de_DE.UTF-8 compiled with localedef into a private folder (to be
// passed as LOCPATH), so the machine needs no installed locales, only the locale sources.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "TempDir.h"

struct CommaLocale {
    std::string locpath;  // empty when the locale could not be built
    std::string name = "de_DE.UTF-8";
};

inline const CommaLocale& commaLocale() {
    static TempDir dir;
    static const CommaLocale locale = [] {
        CommaLocale l;
        const std::string target = (dir / "de_DE.UTF-8").string();
        const std::string command = "localedef -i de_DE -f UTF-8 '" + target + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) >= 0 &&
            std::filesystem::exists(dir / "de_DE.UTF-8" / "LC_NUMERIC")) {
            l.locpath = dir.path().string();
        }
        return l;
    }();
    return locale;
}
