#pragma once
// Shared by the list and list file tests: a failing allocator and a scratch folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <stdlib.h>

#include "maldi/experiments/MaldiEntryList.h"

// Lists get `allowed` more allocations, then none, for the life of the object.
class AllocationLimit {
public:
    explicit AllocationLimit(int allowed)
    {
        s_left = allowed;
        s_requests = 0;
        m_previous = SetMaldiEntryListAllocator(&Allocate);
    }
    ~AllocationLimit() { SetMaldiEntryListAllocator(m_previous); }
    int Requests() const { return s_requests; }

private:
    static void* Allocate(std::size_t count, std::size_t size)
    {
        ++s_requests;
        if (s_left <= 0)
            return nullptr;
        --s_left;
        return std::calloc(count, size);
    }
    static inline int s_left = 0;
    static inline int s_requests = 0;
    MaldiEntryListAllocator m_previous = nullptr;
};

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "listfile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }
    static void Put(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Get(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::filesystem::path m_dir;
};
