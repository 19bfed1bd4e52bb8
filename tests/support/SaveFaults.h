#pragma once
// Every way a safe save can fail, for the tests that show a writer keeps the previous file: each
// step refused in turn, and a disk that fills part way through the file.

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/framework/SafeSave.h"

namespace savefaults {

struct Fault {
    const char* name;
    SafeSave::Step step;
    int error;
    std::uint64_t room = 0;  // bytes that still fit, for a write
};

inline const std::vector<Fault>& All()
{
    static const std::vector<Fault> faults{
        {"no inode left to open the file", SafeSave::Step::Open, ENOSPC}, {"every write refused", SafeSave::Step::Write, EIO},
        {"disk full part way", SafeSave::Step::Write, ENOSPC, 24},       {"flush refused", SafeSave::Step::Flush, EIO},
        {"sync refused", SafeSave::Step::Sync, EIO},                     {"rename not permitted", SafeSave::Step::Rename, EPERM}};
    return faults;
}

inline std::string Bytes(const std::filesystem::path& path)
{
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

// Temporary files of safe saves (".~<name>.<random>") left in a folder.
inline std::vector<std::string> Temporaries(const std::filesystem::path& folder)
{
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(".~", 0) == 0) left.push_back(name);
    }
    return left;
}

} // namespace savefaults
