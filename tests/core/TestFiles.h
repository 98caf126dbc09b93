#pragma once
// Files for the core tests: a fresh folder removed with its content, whole-file reads and writes.
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

struct TempDir {
    fs::path path;
    TempDir() {
        std::random_device random;
        do {
            path = fs::temp_directory_path() / ("kestive-test-" + std::to_string(random()));
        } while (!fs::create_directory(path));  // throws when the folder cannot be made at all
    }
    ~TempDir() { fs::remove_all(path); }
    fs::path operator/(const std::string& name) const { return path / name; }
};

inline void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string readFile(const fs::path& file) {
    return (std::ostringstream() << std::ifstream(file, std::ios::binary).rdbuf()).str();
}
