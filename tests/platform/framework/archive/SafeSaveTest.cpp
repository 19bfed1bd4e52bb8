#include <cerrno>
#include <filesystem>

#include <unistd.h>

#include "platform/framework/CFile.h"
#include "platform/framework/SafeSave.h"
#include "tests/platform/framework/archive/TempFolder.h"

namespace {

using CFileTest = TempFolder;
using SafeSaveTest = TempFolder;

void WriteAll(SafeSave& save, int fd, const std::string& bytes)
{
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(save.Write(bytes.data(), bytes.size()));
}

TEST_F(SafeSaveTest, OverlappingSavesOfOneFileEachGetTheirOwnTemporaryAndTheLastCommitWins)
{
    // Two writers of one screenshot at once (two tests, two processes) must not trip over each
    // other's half-written file.
    const std::string path = PathOf("shot.png");
    Put(path, "old");
    SafeSave first, second;
    const int a = first.Begin(path, false);
    const int b = second.Begin(path, false);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    WriteAll(first, a, "first");
    WriteAll(second, b, "second");
    EXPECT_EQ(FilesInFolder(), 3u);
    EXPECT_EQ(Get(path), "old");
    EXPECT_EQ(first.Commit(), 0);
    EXPECT_EQ(Get(path), "first");
    EXPECT_EQ(second.Commit(), 0);
    EXPECT_EQ(Get(path), "second");
    EXPECT_EQ(FilesInFolder(), 1u);
    EXPECT_EQ(second.Commit(), EBADF);  // nothing pending any more
}

TEST_F(SafeSaveTest, AbandonedOrDestroyedSavesLeaveTheTargetAsItWas)
{
    const std::string path = PathOf("list.txt");
    Put(path, "kept");
    {
        SafeSave save;
        WriteAll(save, save.Begin(path, false), "lost");
    }
    SafeSave moved;
    {
        SafeSave save;
        WriteAll(save, save.Begin(path, true), "moved");
        moved = std::move(save);
        EXPECT_FALSE(save.Pending());
    }
    EXPECT_TRUE(moved.Pending());
    moved.Abandon();
    EXPECT_EQ(Get(path), "kept");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(SafeSaveTest, SavesThatCannotBeMadeAreRefusedWithAReason)
{
    SafeSave save;
    errno = 0;
    EXPECT_EQ(save.Begin(m_dir.string(), false), -1);
    EXPECT_EQ(errno, EISDIR);
    std::filesystem::create_symlink(PathOf("nowhere"), PathOf("dangling"));
    EXPECT_EQ(save.Begin(PathOf("dangling"), false), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(save.Begin(PathOf("missing-folder/file"), false), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(save.Pending());
    EXPECT_EQ(FilesInFolder(), 1u);  // only the link
}

TEST_F(SafeSaveTest, ASaveThroughALinkReplacesTheFileItPointsTo)
{
    Put(PathOf("real"), "old");
    std::filesystem::create_symlink(PathOf("real"), PathOf("link"));
    SafeSave save;
    WriteAll(save, save.Begin(PathOf("link"), false), "new");
    ASSERT_EQ(save.Commit(), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("link")));
    EXPECT_EQ(Get(PathOf("real")), "new");
}


TEST_F(CFileTest, OpenRefusesBadRequestsWithAReason)
{
    Put(PathOf("a"), "abc");
    const struct {
        const char* path;
        UINT flags;
        int error;
    } refused[] = {
        {nullptr, CFile::modeRead, EINVAL},
        {"", CFile::modeRead, ENOENT},
        {"/nonexistent-folder/missing", CFile::modeRead, ENOENT},
        {"/", CFile::modeRead, EISDIR},
        {"x", CFile::modeWrite | CFile::modeReadWrite | CFile::modeCreate, EINVAL},
        {"x", CFile::modeCreate | CFile::modeRead, EINVAL},
    };
    CFile file;
    for (const auto& r : refused) {
        EXPECT_FALSE(file.Open(r.path, r.flags)) << (r.path ? r.path : "null");
        EXPECT_EQ(file.GetError(), r.error) << (r.path ? r.path : "null");
    }
    ASSERT_TRUE(file.Open(PathOf("a").c_str(), CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_FALSE(file.Open(PathOf("a").c_str(), CFile::modeRead));
    EXPECT_EQ(file.GetError(), EBUSY);
    EXPECT_EQ(file.GetFileName(), "a");
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 3u);  // fewer at the end is not an error
    EXPECT_EQ(file.GetError(), 0);
    EXPECT_EQ(file.Seek(-4, CFile::end), -1);
    EXPECT_EQ(file.GetError(), EINVAL);
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.Write("x", 1));  // closed: refused, no crash
    EXPECT_EQ(file.GetError(), EBADF);
}

}  // namespace
