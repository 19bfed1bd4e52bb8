#include <cerrno>
#include <filesystem>

#include <sys/stat.h>

#include "platform/framework/CFile.h"
#include "tests/platform/framework/archive/TempFolder.h"

namespace fs = std::filesystem;

namespace {

using CFileTest = TempFolder;

TEST_F(CFileTest, OpenRefusesBadRequestsWithAReason)
{
    CFile file;
    EXPECT_FALSE(file.Open(nullptr, CFile::modeRead));
    EXPECT_EQ(file.GetError(), EINVAL);
    EXPECT_FALSE(file.Open("", CFile::modeRead));
    EXPECT_EQ(file.GetError(), ENOENT);
    EXPECT_FALSE(file.Open(PathOf("missing").c_str(), CFile::modeRead));
    EXPECT_EQ(file.GetError(), ENOENT);
    EXPECT_FALSE(file.Open(m_dir.c_str(), CFile::modeRead));
    EXPECT_EQ(file.GetError(), EISDIR);
    EXPECT_FALSE(file.Open(PathOf("x").c_str(), CFile::modeWrite | CFile::modeReadWrite | CFile::modeCreate));
    EXPECT_EQ(file.GetError(), EINVAL);
    EXPECT_FALSE(file.Open(PathOf("x").c_str(), CFile::modeCreate | CFile::modeRead));
    EXPECT_EQ(file.GetError(), EINVAL);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(FilesInFolder(), 0u);

    Put(PathOf("a"), "abc");
    ASSERT_TRUE(file.Open(PathOf("a").c_str(), CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_EQ(file.GetError(), 0);
    EXPECT_FALSE(file.Open(PathOf("a").c_str(), CFile::modeRead));
    EXPECT_EQ(file.GetError(), EBUSY);
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.GetFileName(), "a");
}

TEST_F(CFileTest, ReadsWritesAndSeeks)
{
    CFile file;
    ASSERT_TRUE(file.Open(PathOf("data.bin").c_str(), CFile::modeCreate | CFile::modeReadWrite));
    ASSERT_TRUE(file.Write("hello world", 11));
    EXPECT_EQ(file.GetLength(), 11u);
    EXPECT_EQ(file.GetPosition(), 11u);
    EXPECT_EQ(file.Seek(6, CFile::begin), 6);
    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 5u);  // fewer at the end, not an error
    EXPECT_STREQ(buffer, "world");
    EXPECT_EQ(file.GetError(), 0);
    EXPECT_EQ(file.Seek(-5, CFile::end), 6);
    EXPECT_EQ(file.Seek(-7, CFile::current), -1);
    EXPECT_EQ(file.GetError(), EINVAL);
    EXPECT_EQ(file.Seek(0, 7), -1);
    EXPECT_EQ(file.SeekToEnd(), 11u);
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(Get(PathOf("data.bin")), "hello world");

    // Writing without modeCreate overwrites in place and keeps the rest.
    ASSERT_TRUE(file.Open(PathOf("data.bin").c_str(), CFile::modeWrite));
    ASSERT_TRUE(file.Write("HELLO", 5));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(Get(PathOf("data.bin")), "HELLO world");

    // modeNoTruncate appends nothing by itself and keeps the content.
    ASSERT_TRUE(file.Open(PathOf("data.bin").c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite));
    file.SeekToEnd();
    ASSERT_TRUE(file.Write("!", 1));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(Get(PathOf("data.bin")), "HELLO world!");

    // A closed file refuses everything without crashing.
    EXPECT_EQ(file.Read(buffer, 4), 0u);
    EXPECT_EQ(file.GetError(), EBADF);
    EXPECT_FALSE(file.Write("x", 1));
    EXPECT_TRUE(file.Close());
}

TEST_F(CFileTest, ASaveReplacesTheFileOnlyWhenClosed)
{
    std::string path = PathOf("plate.mtp");
    Put(path, "old content");
    ::chmod(path.c_str(), 0640);
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        EXPECT_EQ(file.GetLength(), 0u);  // the new file starts empty
        ASSERT_TRUE(file.Write("new", 3));
        EXPECT_EQ(Get(path), "old content");  // readers still see the old file
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(Get(path), "new");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FilesInFolder(), 1u);

    {  // the destructor completes a save like Close
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        ASSERT_TRUE(file.Write("newer", 5));
    }
    EXPECT_EQ(Get(path), "newer");

    {  // Abort keeps the previous file and leaves no temporary file
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        ASSERT_TRUE(file.Write("discarded", 9));
        file.Abort();
        EXPECT_FALSE(file.IsOpen());
    }
    EXPECT_EQ(Get(path), "newer");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(CFileTest, AFailedWriteKeepsThePreviousFile)
{
    std::string path = PathOf("plate.mtp");
    Put(path, "precious");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    {
        DiskFull full(4);
        EXPECT_FALSE(file.Write("far too long", 12));
        EXPECT_EQ(file.GetError(), EFBIG);
    }
    EXPECT_TRUE(file.Write("x", 1));  // later writes succeed, but the save is doomed
    EXPECT_FALSE(file.Close());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(Get(path), "precious");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(CFileTest, SavesThroughALinkReplaceItsTarget)
{
    std::string target = PathOf("real.mtp");
    std::string link = PathOf("link.mtp");
    Put(target, "old");
    fs::create_symlink(target, link);
    CFile file;
    ASSERT_TRUE(file.Open(link.c_str(), CFile::modeCreate | CFile::modeWrite));
    ASSERT_TRUE(file.Write("new", 3));
    ASSERT_TRUE(file.Close());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Get(target), "new");

    // A read-only file is refused, as a truncating open would refuse it.
    if (::geteuid() != 0) {
        ::chmod(target.c_str(), 0444);
        EXPECT_FALSE(file.Open(target.c_str(), CFile::modeCreate | CFile::modeWrite));
        EXPECT_EQ(file.GetError(), EACCES);
    }
}

TEST_F(CFileTest, DevicesAreWrittenDirectly)
{
    CFile file;
    ASSERT_TRUE(file.Open("/dev/null", CFile::modeCreate | CFile::modeWrite));
    EXPECT_TRUE(file.Write("gone", 4));
    EXPECT_TRUE(file.Flush());
    EXPECT_TRUE(file.Close());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

}  // namespace
