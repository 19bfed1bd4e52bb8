#pragma once
// A fresh folder per test with small file helpers, and a write limit that makes the disk look full.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "archive-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }
    static void Put(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    static std::string Get(const std::string& path)
    {
        std::ostringstream s;
        s << std::ifstream(path, std::ios::binary).rdbuf();
        return s.str();
    }
    std::size_t FilesInFolder() const
    {
        using It = std::filesystem::directory_iterator;
        return static_cast<std::size_t>(std::distance(It(m_dir), It()));
    }

    std::filesystem::path m_dir;
};

// Writes that would make any file longer than `bytes` fail with EFBIG while the object lives.
class DiskFull {
public:
    explicit DiskFull(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~DiskFull()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int);
};
