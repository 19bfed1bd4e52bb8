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

TEST_F(CFileTest, ASaveReplacesTheFileOnlyWhenItCompletes)
{
    std::string path = PathOf("plate.mtp");
    Put(path, "old content");
    ::chmod(path.c_str(), 0640);
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        ASSERT_TRUE(file.Write("new", 3));
        EXPECT_EQ(Get(path), "old content");  // readers still see the old file
    }  // the destructor completes the save like Close
    EXPECT_EQ(Get(path), "new");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    ASSERT_TRUE(file.Write("discarded", 9));
    file.Abort();
    EXPECT_EQ(Get(path), "new");

    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    {
        DiskFull full(4);
        EXPECT_FALSE(file.Write("far too long", 12));
        EXPECT_EQ(file.GetError(), EFBIG);
    }
    EXPECT_FALSE(file.Write("x", 1));  // the save is doomed: later writes fail with the same reason
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(file.GetError(), EFBIG);  // the first failure is the reason given
    EXPECT_EQ(Get(path), "new");
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left behind

    // Through a link the target is replaced and the link stays.
    fs::create_symlink(path, PathOf("link.mtp"));
    ASSERT_TRUE(file.Open(PathOf("link.mtp").c_str(), CFile::modeCreate | CFile::modeWrite));
    ASSERT_TRUE(file.Write("linked", 6));
    ASSERT_TRUE(file.Close());
    EXPECT_TRUE(fs::is_symlink(PathOf("link.mtp")));
    EXPECT_EQ(Get(path), "linked");

    // Without truncation the file is written in place.
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite));
    file.SeekToEnd();
    ASSERT_TRUE(file.Write("!", 1));
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(Get(path), "linked!");
}

}  // namespace
