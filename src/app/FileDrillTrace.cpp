#include "app/FileDrillTrace.h"

namespace kestive {

FileDrillTrace::FileDrillTrace(const std::string& path) : out_(path, std::ios::app) {}

void FileDrillTrace::stopped(std::int16_t caseIndex, std::int32_t ms) {
    note("stopped " + std::to_string(caseIndex) + " " + std::to_string(ms));
}

void FileDrillTrace::kept(std::int16_t caseIndex, std::int32_t ms) {
    note("kept " + std::to_string(caseIndex) + " " + std::to_string(ms));
}

void FileDrillTrace::note(const std::string& line) {
    if (out_.is_open()) out_ << line << '\n' << std::flush;
}

}  // namespace kestive
