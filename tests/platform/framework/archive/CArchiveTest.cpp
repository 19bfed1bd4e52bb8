#include <cerrno>
#include <climits>
#include <memory>
#include <string>

#include "platform/framework/CArchive.h"
#include "platform/framework/CFile.h"
#include "tests/platform/framework/archive/TempFolder.h"

namespace {

class CArchiveTest : public TempFolder {
protected:
    // Stores through `write` into a fresh file and returns the file's bytes.
    template <typename Writer>
    std::string Stored(Writer write)
    {
        CFile file;
        EXPECT_TRUE(file.Open(PathOf("out.bin").c_str(), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store, 512);
        write(ar);
        EXPECT_TRUE(ar.Close());
        EXPECT_TRUE(file.Close());
        return Get(PathOf("out.bin"));
    }
    // A fresh archive loading `bytes` through a small buffer, so that values cross refills.
    CArchive& Loading(const std::string& bytes)
    {
        m_loader.reset();
        m_in.Close();
        Put(PathOf("in.bin"), bytes);
        EXPECT_TRUE(m_in.Open(PathOf("in.bin").c_str(), CFile::modeRead));
        m_loader = std::make_unique<CArchive>(&m_in, CArchive::load, 1);  // clamped to 128
        return *m_loader;
    }

    CFile m_in;
    std::unique_ptr<CArchive> m_loader;
};

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

// The plate file's numbers: a symmetric mistake in the byte order would read back fine and still
// break every plate file written before.
TEST_F(CArchiveTest, ThePlateFilesNumbersAreLittleEndianInTheFrameworksSizes)
{
    std::string bytes = Stored([](CArchive& ar) { ar << WORD(0x1234) << 0x01020304 << -2.5f << TRUE; });
    EXPECT_EQ(bytes, Bytes({0x34, 0x12, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x20, 0xC0, 1, 0, 0, 0}));
    WORD w = 0;
    int i = 0;
    float f = 0;
    BOOL flag = FALSE;
    CArchive& ar = Loading(bytes);
    ar >> w >> i >> f >> flag;
    EXPECT_FALSE(ar.IsFailed());
    EXPECT_TRUE(w == 0x1234 && i == 0x01020304 && f == -2.5f && flag == TRUE);
}

TEST_F(CArchiveTest, StringLengthPrefixGrowsAtEachBoundary)
{
    const std::pair<int, std::string> cases[] = {
        {0, Bytes({0})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {0xFFFD, Bytes({0xFF, 0xFD, 0xFF})},
        {0xFFFE, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& [length, prefix] : cases) {
        SCOPED_TRACE(length);
        CString text(std::string(static_cast<std::size_t>(length), 'q') + "\xB0");
        text = text.Right(length);  // ends in a high byte, kept as it is
        std::string bytes = Stored([&](CArchive& ar) { ar << text << 7; });
        ASSERT_EQ(bytes.size(), prefix.size() + static_cast<std::size_t>(length) + 4);
        EXPECT_EQ(bytes.substr(0, prefix.size()), prefix);
        CString back("not empty");
        int after = 0;
        Loading(bytes) >> back >> after;
        EXPECT_EQ(back, text);
        EXPECT_EQ(after, 7);
    }
    CString withZero("a\0b", 3);  // embedded zero bytes are text too
    CString back;
    Loading(Stored([&](CArchive& ar) { ar << withZero; })) >> back;
    EXPECT_EQ(back, withZero);
}

TEST_F(CArchiveTest, ShortOrHostileDataFailsWithoutHugeAllocations)
{
    const struct {
        const char* what;
        std::string bytes;
        CArchive::Failure failure;
    } cases[] = {
        {"empty file", "", CArchive::endOfFile},
        {"prefix cut short", Bytes({0xFF, 0x10}), CArchive::endOfFile},
        {"2 GiB claimed, 3 bytes there", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b', 'c'}),
         CArchive::endOfFile},
        {"64-bit length", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 1, 0, 0, 0}),
         CArchive::badSchema},
        {"wide-string marker", Bytes({0xFF, 0xFE, 0xFF, 1, 'a', 0}), CArchive::badSchema},
    };
    for (const auto& c : cases) {
        CString text("previous");
        int after = 5;
        CArchive& ar = Loading(c.bytes);
        ar >> text >> after;
        EXPECT_EQ(ar.GetFailure(), c.failure) << c.what;
        EXPECT_TRUE(text.IsEmpty() && after == 0) << c.what;  // failed reads give nothing
        ar.SetFailure(CArchive::generic);                     // the first failure stays
        EXPECT_EQ(ar.GetFailure(), c.failure) << c.what;
        EXPECT_FALSE(ar.Close()) << c.what;
    }
}

}  // namespace
