#include <cerrno>

#include <sys/stat.h>

#include "platform/auditfile/AuditFile.h"
#include "tests/platform/framework/archive/TempFolder.h"

namespace fs = std::filesystem;
using AuditFileTest = TempFolder;

TEST_F(AuditFileTest, SaveReplacesTheFileOnlyWhenClosed)
{
    std::string path = PathOf("list.txt");
    Put(path, "old content");

    FILE* f = fopenS(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(fprintfS(f, "new %d", 42), 6);
    ASSERT_EQ(std::fflush(f), 0);
    // Readers still see the previous file while the save is under way.
    EXPECT_EQ(Get(path), "old content");
    EXPECT_EQ(FilesInFolder(), 2u);

    EXPECT_EQ(fcloseS(f), 0);
    EXPECT_EQ(Get(path), "new 42");
    EXPECT_EQ(FilesInFolder(), 1u) << "the temporary file must not stay behind";
}

TEST_F(AuditFileTest, SaveKeepsPermissions)
{
    std::string path = PathOf("list.txt");
    Put(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    FILE* f = fopenS(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fprintfS(f, "new");
    ASSERT_EQ(fcloseS(f), 0);
    EXPECT_EQ(Get(path), "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A new file gets what fopen would give it.
    mode_t mask = ::umask(0);
    ::umask(mask);
    std::string fresh = PathOf("fresh.txt");
    f = fopenS(fresh.c_str(), "w");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(fcloseS(f), 0);
    ASSERT_EQ(::stat(fresh.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask);
    EXPECT_EQ(Get(fresh), "");
}

TEST_F(AuditFileTest, FailedWriteKeepsThePreviousFile)
{
    std::string path = PathOf("list.txt");
    Put(path, "the user's previous list");
    {
        DiskFull limit(4096);
        FILE* f = fopenS(path.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::string line(100, 'x');
        for (int i = 0; i < 100; ++i)
            fprintfS(f, "%s\n", line.c_str());
        errno = 0;
        EXPECT_EQ(fcloseS(f), EOF);
        EXPECT_EQ(errno, EFBIG);
    }
    EXPECT_EQ(Get(path), "the user's previous list");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(AuditFileTest, FailedRenameRemovesTheTemporaryFile)
{
    std::string path = PathOf("list.txt");
    Put(path, "old");
    FILE* f = fopenS(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fprintfS(f, "new");
    // Something else takes the name meanwhile; a rename cannot put a file over a folder.
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_EQ(fcloseS(f), EOF);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(AuditFileTest, DevicesAreWrittenDirectly)
{
    FILE* f = fopenS("/dev/full", "w");
    ASSERT_NE(f, nullptr);
    fprintfS(f, "nowhere to go");
    errno = 0;
    EXPECT_EQ(fcloseS(f), EOF);
    EXPECT_EQ(errno, ENOSPC);

    f = fopenS("/dev/null", "w");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(fprintfS(f, "discarded"), 9);
    EXPECT_EQ(fcloseS(f), 0);
}

TEST_F(AuditFileTest, ReadOnlyFileIsRefusedAndKept)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    std::string path = PathOf("locked.txt");
    Put(path, "keep me");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    errno = 0;
    EXPECT_EQ(fopenS(path.c_str(), "w"), nullptr);
    EXPECT_EQ(errno, EACCES);
    EXPECT_EQ(Get(path), "keep me");
}
