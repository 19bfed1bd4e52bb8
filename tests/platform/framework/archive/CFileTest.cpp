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

}  // namespace
