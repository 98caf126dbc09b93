// SPDX-License-Identifier: GPL-3.0-or-later
// kestive-casepics OUTDIR: draws the 57 case pictures oll01print.gif .. oll57print.gif into OUTDIR,
// each from the case table and the cube model. Existing files of those names are replaced.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "GifFile.h"
#include "cases/CasePicture.h"
#include "cases/TopView.h"
#include "stats/CaseCount.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]).empty()) {
        std::cerr << "usage: kestive-casepics OUTDIR\n"
                     "Writes the 57 case pictures oll01print.gif .. oll57print.gif into OUTDIR.\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        std::cerr << "kestive-casepics: " << folder.string() << " is not a folder that can be written to\n";
        return 1;
    }
    for (int pll = 0; pll < kestive::kCaseCount; ++pll) {
        const std::filesystem::path file = folder / kestive::casePictureFileName(pll);
        const kestive::GifResult written =
            kestive::writeGif(file.string(), kestive::drawCasePicture(kestive::ollCaseView(pll)));
        if (!written) {
            std::cerr << "kestive-casepics: " << file.string() << ": " << written.error() << '\n';
            return 1;
        }
    }
    return 0;
}
