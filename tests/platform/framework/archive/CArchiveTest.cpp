#include <cfloat>
#include <climits>
#include <cmath>
#include <string>

#include "platform/framework/CArchive.h"
#include "platform/framework/CFile.h"
#include "tests/platform/framework/archive/TempFolder.h"

namespace {

class CArchiveTest : public TempFolder {
protected:
    // Stores through `write` into a fresh file and returns the file's bytes.
    template <typename Writer>
    std::string Stored(Writer write, int bufferSize = 512)
    {
        CFile file;
        EXPECT_TRUE(file.Open(PathOf("out.bin").c_str(), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store, bufferSize);
        EXPECT_TRUE(ar.IsStoring());
        write(ar);
        EXPECT_TRUE(ar.Close());
        EXPECT_TRUE(file.Close());
        return Get(PathOf("out.bin"));
    }
    // An archive loading `bytes`; the file stays open for the test's life.
    CArchive& Loading(const std::string& bytes, int bufferSize = 4096)
    {
        Put(PathOf("in.bin"), bytes);
        EXPECT_TRUE(m_in.Open(PathOf("in.bin").c_str(), CFile::modeRead));
        m_loader = std::make_unique<CArchive>(&m_in, CArchive::load, bufferSize);
        return *m_loader;
    }
    void TearDown() override
    {
        m_loader.reset();
        m_in.Close();
        TempFolder::TearDown();
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

TEST_F(CArchiveTest, NumbersAreLittleEndianInTheFrameworksSizes)
{
    std::string bytes = Stored([](CArchive& ar) {
        ar << BYTE(0xAB) << 'z' << WORD(0x1234) << short(-2) << 0x01020304 << 0xFFFFFFFEu << 1.0f << -2.5
           << 0x0102030405060708LL << TRUE;
    });
    EXPECT_EQ(bytes, Bytes({0xAB, 'z', 0x34, 0x12, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF,
                            0x00, 0x00, 0x80, 0x3F, 0, 0, 0, 0, 0, 0, 0x04, 0xC0, 8, 7, 6, 5, 4, 3, 2, 1, 1, 0, 0,
                            0}));

    CArchive& ar = Loading(bytes);
    BYTE b = 0;
    char c = 0;
    WORD w = 0;
    short s = 0;
    int i = 0;
    unsigned u = 0;
    float f = 0;
    double d = 0;
    long long ll = 0;
    BOOL flag = FALSE;
    ar >> b >> c >> w >> s >> i >> u >> f >> d >> ll >> flag;
    EXPECT_FALSE(ar.IsFailed());
    EXPECT_EQ(b, 0xAB);
    EXPECT_EQ(c, 'z');
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(s, -2);
    EXPECT_EQ(i, 0x01020304);
    EXPECT_EQ(u, 0xFFFFFFFEu);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(d, -2.5);
    EXPECT_EQ(ll, 0x0102030405060708LL);
    EXPECT_EQ(flag, TRUE);
}

TEST_F(CArchiveTest, ExtremeValuesSurviveARoundTrip)
{
    std::string bytes = Stored([](CArchive& ar) {
        ar << INT_MIN << FLT_MAX << -DBL_MIN << std::nan("") << ULLONG_MAX << -0.0f;
    });
    CArchive& ar = Loading(bytes);
    int i = 0;
    float f = 0, negativeZero = 1;
    double d = 0, notANumber = 0;
    unsigned long long ull = 0;
    ar >> i >> f >> d >> notANumber >> ull >> negativeZero;
    EXPECT_FALSE(ar.IsFailed());
    EXPECT_EQ(i, INT_MIN);
    EXPECT_EQ(f, FLT_MAX);
    EXPECT_EQ(d, -DBL_MIN);
    EXPECT_TRUE(std::isnan(notANumber));
    EXPECT_EQ(ull, ULLONG_MAX);
    EXPECT_TRUE(std::signbit(negativeZero));
}

TEST_F(CArchiveTest, StringLengthPrefixGrowsAtEachBoundary)
{
    struct Case {
        int length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, Bytes({0})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {0xFFFD, Bytes({0xFF, 0xFD, 0xFF})},
        {0xFFFE, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        CString text(std::string(static_cast<std::size_t>(c.length), 'q'));
        if (c.length > 0)
            text.SetAt(c.length - 1, '\xB0');  // single bytes kept as they are
        std::string bytes = Stored([&](CArchive& ar) { ar << text << 7; });
        ASSERT_EQ(bytes.size(), c.prefix.size() + static_cast<std::size_t>(c.length) + 4);
        EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix);

        CArchive& ar = Loading(bytes, 128);  // data larger than the buffer crosses refills
        CString back("not empty");
        int after = 0;
        ar >> back >> after;
        EXPECT_FALSE(ar.IsFailed());
        EXPECT_EQ(back, text);
        EXPECT_EQ(after, 7);
        m_loader.reset();
        m_in.Close();
    }
    // Embedded zero bytes are part of the text.
    CString withZero("a\0b", 3);
    CArchive& ar = Loading(Stored([&](CArchive& out) { out << withZero; }));
    CString back;
    ar >> back;
    EXPECT_EQ(back.GetLength(), 3);
    EXPECT_EQ(back, withZero);
}

TEST_F(CArchiveTest, ReadingPastTheEndFailsAndSticks)
{
    CArchive& ar = Loading(Bytes({1, 0, 0, 0, 2, 0}));
    int first = 0, second = 99, third = 99;
    ar >> first;
    EXPECT_FALSE(ar.IsFailed());
    ar >> second;  // only two of four bytes left
    EXPECT_TRUE(ar.IsFailed());
    EXPECT_EQ(ar.GetFailure(), CArchive::endOfFile);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    ar >> third;
    EXPECT_EQ(third, 0);
    ar.SetFailure(CArchive::badSchema);  // the first failure wins
    EXPECT_EQ(ar.GetFailure(), CArchive::endOfFile);
    EXPECT_FALSE(ar.Close());
}

TEST_F(CArchiveTest, HostileStringLengthsFailWithoutHugeAllocations)
{
    struct Case {
        const char* what;
        std::string bytes;
        CArchive::Failure failure;
    };
    const Case cases[] = {
        {"2 GiB claimed, 3 bytes there", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b', 'c'}),
         CArchive::endOfFile},
        {"64-bit length", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 1, 0, 0, 0}),
         CArchive::badSchema},
        {"wide-string marker", Bytes({0xFF, 0xFE, 0xFF, 3, 'a', 0, 'b', 0, 'c', 0}), CArchive::badSchema},
        {"prefix cut short", Bytes({0xFF, 0x10}), CArchive::endOfFile},
        {"empty file", "", CArchive::endOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CArchive& ar = Loading(c.bytes);
        CString text("previous");
        ar >> text;
        EXPECT_EQ(ar.GetFailure(), c.failure);
        EXPECT_TRUE(text.IsEmpty());
        m_loader.reset();
        m_in.Close();
    }
}

TEST_F(CArchiveTest, WrongDirectionAndMissingFileAreFailures)
{
    CFile file;
    ASSERT_TRUE(file.Open(PathOf("x.bin").c_str(), CFile::modeCreate | CFile::modeReadWrite));
    {
        CArchive ar(&file, CArchive::store);
        int v = 5;
        ar >> v;
        EXPECT_EQ(ar.GetFailure(), CArchive::writeOnly);
        EXPECT_EQ(v, 0);
    }
    {
        CArchive ar(&file, CArchive::load);
        ar << 5;
        EXPECT_EQ(ar.GetFailure(), CArchive::readOnly);
    }
    EXPECT_EQ(file.GetLength(), 0u);
    CArchive none(nullptr, CArchive::load);
    int v = 3;
    none >> v;
    EXPECT_EQ(none.GetFailure(), CArchive::generic);
    EXPECT_EQ(v, 0);
    CFile closed;
    CArchive onClosed(&closed, CArchive::store);
    onClosed << 1;
    EXPECT_FALSE(onClosed.Close());
}

TEST_F(CArchiveTest, BufferSizeBoundsWhenBytesReachTheFile)
{
    CFile file;
    ASSERT_TRUE(file.Open(PathOf("x.bin").c_str(), CFile::modeCreate | CFile::modeWrite));
    {
        CArchive ar(&file, CArchive::store, 1);  // clamped to 128
        for (int i = 0; i < 32; ++i)
            ar << i;
        EXPECT_EQ(file.GetLength(), 0u);  // exactly one full buffer, not written yet
        ar << 32;
        EXPECT_EQ(file.GetLength(), 128u);
        EXPECT_TRUE(ar.Flush());
        EXPECT_EQ(file.GetLength(), 132u);
        ar << 33;
    }  // the destructor flushes
    EXPECT_EQ(file.GetLength(), 136u);
    {
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        ar << 34;
    }  // ... unless told not to
    EXPECT_EQ(file.GetLength(), 136u);
    ASSERT_TRUE(file.Close());

    // Loading reads ahead a buffer at a time; Flush puts the file back at the first unread byte.
    ASSERT_TRUE(file.Open(PathOf("x.bin").c_str(), CFile::modeRead));
    CArchive ar(&file, CArchive::load, 128);
    int v = -1;
    ar >> v;
    EXPECT_EQ(v, 0);
    EXPECT_EQ(file.GetPosition(), 128u);
    EXPECT_FALSE(ar.IsBufferEmpty());
    EXPECT_TRUE(ar.Flush());
    EXPECT_EQ(file.GetPosition(), 4u);
    for (int i = 1; i <= 33; ++i) {
        ar >> v;
        ASSERT_EQ(v, i);
    }
    EXPECT_TRUE(ar.IsBufferEmpty());
    EXPECT_TRUE(ar.Close());
    ar >> v;  // a closed archive gives nothing
    EXPECT_EQ(v, 0);
}

TEST_F(CArchiveTest, AFileThatRefusesWritesFailsTheStoreAndKeepsTheOldFile)
{
    std::string path = PathOf("plate.mtp");
    Put(path, "previous plate");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    {
        CArchive ar(&file, CArchive::store, 512);
        DiskFull full(100);
        for (int i = 0; i < 200; ++i)
            ar << i;
        EXPECT_EQ(ar.GetFailure(), CArchive::fileError);
        EXPECT_FALSE(ar.Close());
    }
    EXPECT_EQ(file.GetError(), EFBIG);
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(Get(path), "previous plate");
    EXPECT_EQ(FilesInFolder(), 1u);
}

}  // namespace
