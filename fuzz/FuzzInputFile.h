#pragma once
// The readers take a path, so each fuzz input is written to one scratch file, reused for the whole
// run and removed at exit.

#include <cstdint>
#include <cstdlib>
#include <string>

#include <unistd.h>

class FuzzInputFile {
public:
    static const char* Write(const std::uint8_t* data, std::size_t size)
    {
        static FuzzInputFile file;
        if (::ftruncate(file.m_fd, 0) != 0 || ::pwrite(file.m_fd, data, size, 0) != static_cast<ssize_t>(size))
            std::abort();  // the harness itself is broken; do not report it as a finding
        return file.m_path.c_str();
    }

private:
    FuzzInputFile()
    {
        const char* tmp = std::getenv("TMPDIR");
        m_path = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/maldi-fuzz-XXXXXX";
        m_fd = ::mkstemp(m_path.data());
        if (m_fd < 0)
            std::abort();
    }
    ~FuzzInputFile()
    {
        ::close(m_fd);
        ::unlink(m_path.c_str());
    }

    std::string m_path;
    int m_fd = -1;
};
