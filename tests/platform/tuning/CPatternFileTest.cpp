#include <cmath>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "platform/tuning/CMSDefinitions.h"
#include "platform/tuning/CPatternFile.h"
#include "tests/platform/framework/archive/TempFolder.h"

void PrintTo(const PatternPoint& p, std::ostream* out)
{
    *out << "{" << p.dX << ", " << p.dY << ", " << p.nLaserState << ", " << p.nLaserWidth << "}";
}

namespace {

std::vector<PatternPoint> PointsOf(const CPatternFile& file)
{
    std::vector<PatternPoint> points;
    for (int i = 0; i < file.GetNumberOfEntries(); ++i)
        points.push_back({file.GetXCoordinate(i), file.GetYCoordinate(i), file.GetLaserState(i), file.GetLaserWidth(i)});
    return points;
}

class PatternFileTest : public TempFolder {
protected:
    // Reads `text` into a file object that already holds one point; the result of Read.
    bool ReadText(const std::string& text, CPatternFile& file)
    {
        file.AddLaserPoint({7.0, 7.0, 1, 7});
        Put(PathOf("in.ptn"), text);
        return file.Read(PathOf("in.ptn").c_str());
    }
};

TEST_F(PatternFileTest, WrittenPointsReadBackExactly)
{
    const std::vector<PatternPoint> points = {
        {2.5, -0.1, 1, 8}, {1.0 / 3.0, -10000.0, 0, 0}, {10000.0, 1e-300, 1, 32767}, {-0.0, 0.0, 0, 1}};
    CPatternFile out;
    for (const PatternPoint& p : points)
        out.AddLaserPoint(p);
    ASSERT_TRUE(out.Write(PathOf("p.ptn").c_str()));

    CPatternFile in;
    ASSERT_TRUE(in.Read(PathOf("p.ptn").c_str()));
    EXPECT_EQ(PointsOf(in), points);
    EXPECT_TRUE(std::signbit(in.GetXCoordinate(3)));

    // The layout is plain text, one point per line; laser states are written as 0 or 1.
    CPatternFile simple;
    simple.AddLaserPoint({2.5, -0.1, 5, 8});
    ASSERT_TRUE(simple.Write(PathOf("s.ptn").c_str()));
    EXPECT_EQ(Get(PathOf("s.ptn")), "PATTERN 1\n# x y laser width\n2.5 -0.1 1 8\n");

    // Reading replaces what the object held.
    ASSERT_TRUE(in.Read(PathOf("s.ptn").c_str()));
    EXPECT_EQ(in.GetNumberOfEntries(), 1);
    EXPECT_EQ(in.GetLaserState(0), 1);

    // An empty pattern is a valid file.
    CPatternFile empty;
    ASSERT_TRUE(empty.Write(PathOf("e.ptn").c_str()));
    ASSERT_TRUE(in.Read(PathOf("e.ptn").c_str()));
    EXPECT_EQ(in.GetNumberOfEntries(), 0);
}

TEST_F(PatternFileTest, HandWrittenVariationsAreAccepted)
{
    const std::pair<const char*, std::string> files[] = {
        {"CRLF and tabs", "PATTERN 1\r\n1\t2\t1\t4\r\n"},
        {"byte-order mark", "\xEF\xBB\xBFPATTERN 1\n1 2 1 4\n"},
        {"comments and blanks", "# made by hand\n\n   \nPATTERN 1\n  # indented comment\n1 2 1 4\n\n"},
        {"no final line end", "PATTERN 1\n1 2 1 4"},
        {"spacing", "  PATTERN   1  \n   1.0   2e0 1 004  \n"},
    };
    for (const auto& [what, text] : files) {
        CPatternFile file;
        EXPECT_TRUE(ReadText(text, file)) << what;
        EXPECT_EQ(PointsOf(file), (std::vector<PatternPoint>{{1.0, 2.0, 1, 4}})) << what;
    }
}

TEST_F(PatternFileTest, MalformedFilesAreRefusedAndKeepThePreviousPoints)
{
    const std::pair<const char*, std::string> files[] = {
        {"empty", ""},
        {"no tag", "1 2 1 4\n"},
        {"only comments", "# PATTERN 1\n"},
        {"newer version", "PATTERN 2\n1 2 1 4\n"},
        {"tag with more", "PATTERN 1 extra\n"},
        {"lower-case tag", "pattern 1\n"},
        {"three fields", "PATTERN 1\n1 2 1\n"},
        {"five fields", "PATTERN 1\n1 2 1 4 5\n"},
        {"words", "PATTERN 1\nx y on wide\n"},
        {"comma decimal", "PATTERN 1\n1,5 2 1 4\n"},
        {"plus sign", "PATTERN 1\n+1 2 1 4\n"},
        {"not a number", "PATTERN 1\nnan 2 1 4\n"},
        {"infinite", "PATTERN 1\n1 inf 1 4\n"},
        {"overflowing", "PATTERN 1\n1e400 2 1 4\n"},
        {"far outside the well", "PATTERN 1\n10000.5 2 1 4\n"},
        {"laser state 2", "PATTERN 1\n1 2 2 4\n"},
        {"negative width", "PATTERN 1\n1 2 1 -1\n"},
        {"width beyond a short", "PATTERN 1\n1 2 1 32768\n"},
        {"fractional width", "PATTERN 1\n1 2 1 4.5\n"},
        {"bad line after good ones", "PATTERN 1\n1 2 1 4\n3 4 0 4\n5 6 0\n"},
        {"zero byte", std::string("PATTERN 1\n1 2\0 1 4\n", 19)},
        {"line too long", "PATTERN 1\n1 2 1 4" + std::string(300, ' ') + "\n"},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
    };
    for (const auto& [what, text] : files) {
        CPatternFile file;
        EXPECT_FALSE(ReadText(text, file)) << what;
        EXPECT_EQ(PointsOf(file), (std::vector<PatternPoint>{{7.0, 7.0, 1, 7}})) << what;
    }
    // The longest allowed line is fine.
    CPatternFile file;
    std::string longest = "1 2 1 4" + std::string(CPatternFile::kMaxLineLength - 7, ' ');
    EXPECT_TRUE(ReadText("PATTERN 1\n" + longest + "\r\n", file));
    EXPECT_FALSE(ReadText("PATTERN 1\n" + longest + " \n", file));
}

TEST_F(PatternFileTest, HugeFilesAndNonFilesAreRefused)
{
    CPatternFile file;
    std::string full = "PATTERN 1\n";
    for (int i = 0; i < CPatternFile::kMaxPoints; ++i)
        full += "0 0 1 1\n";
    EXPECT_TRUE(ReadText(full, file));
    EXPECT_EQ(file.GetNumberOfEntries(), CPatternFile::kMaxPoints);
    EXPECT_FALSE(ReadText(full + "0 0 1 1\n", file));
    EXPECT_EQ(file.GetNumberOfEntries(), CPatternFile::kMaxPoints + 1);  // the kept points and the probe

    CPatternFile comments;
    std::string many = "PATTERN 1\n";
    for (int i = 0; i < CPatternFile::kMaxLines; ++i)
        many += "#\n";
    EXPECT_FALSE(ReadText(many, comments));

    CPatternFile other;
    EXPECT_FALSE(other.Read(PathOf("missing.ptn").c_str()));
    EXPECT_FALSE(other.Read(""));
    EXPECT_FALSE(other.Read(m_dir.c_str()));
    EXPECT_FALSE(other.Read("/dev/zero"));
    ASSERT_EQ(::mkfifo(PathOf("pipe.ptn").c_str(), 0600), 0);
    EXPECT_FALSE(other.Read(PathOf("pipe.ptn").c_str()));  // and does not wait for a writer
    EXPECT_EQ(other.GetNumberOfEntries(), 0);
    EXPECT_EQ(other.GetXCoordinate(0), 0.0);
    EXPECT_EQ(other.GetLaserWidth(-1), 0);
}

TEST_F(PatternFileTest, AFailedWriteLeavesThePreviousFile)
{
    std::string path = PathOf("p.ptn");
    Put(path, "PATTERN 1\n1 1 1 1\n");
    const PatternPoint refused[] = {{NAN, 0, 1, 1}, {0, INFINITY, 1, 1}, {-10000.5, 0, 1, 1}, {0, 0, 1, -1}, {0, 0, 1, 40000}};
    for (const PatternPoint& bad : refused) {
        CPatternFile file;
        file.AddLaserPoint({0, 0, 1, 1});
        file.AddLaserPoint(bad);
        EXPECT_FALSE(file.Write(path.c_str()));
        EXPECT_EQ(Get(path), "PATTERN 1\n1 1 1 1\n");
    }

    CPatternFile big;
    for (int i = 0; i < 2000; ++i)
        big.AddLaserPoint({0.125 * i, -0.125 * i, i % 2, i % 20});
    {
        DiskFull full(1000);
        EXPECT_FALSE(big.Write(path.c_str()));
    }
    EXPECT_EQ(Get(path), "PATTERN 1\n1 1 1 1\n");
    EXPECT_EQ(FilesInFolder(), 1u);
    EXPECT_FALSE(big.Write(PathOf("no/such/folder.ptn").c_str()));
    EXPECT_FALSE(big.Write(m_dir.c_str()));
}

// The line operations are the extension points: a derived file sees every line.
class CountingPatternFile : public CPatternFile {
public:
    int linesRead = 0;
    int refuseAfter = -1;
    int linesWritten = 0;

protected:
    bool ReadLine() override
    {
        bool more = CPatternFile::ReadLine();
        linesRead += more ? 1 : 0;
        return more;
    }
    bool WriteLine(PatternPoint point) override
    {
        if (linesWritten == refuseAfter)
            return false;
        ++linesWritten;
        return CPatternFile::WriteLine(point);
    }
};

TEST_F(PatternFileTest, DerivedLineOperationsTakePart)
{
    CountingPatternFile file;
    ASSERT_TRUE(ReadText("PATTERN 1\n# c\n1 2 1 4\n3 4 0 2\n", file));
    EXPECT_EQ(file.linesRead, 4);
    ASSERT_TRUE(file.Write(PathOf("a.ptn").c_str()));
    EXPECT_EQ(file.linesWritten, 2);

    file.linesWritten = 0;
    file.refuseAfter = 1;
    EXPECT_FALSE(file.Write(PathOf("b.ptn").c_str()));
    EXPECT_FALSE(std::filesystem::exists(PathOf("b.ptn")));
}

TEST(CMSDefinitions, TheDefaultPatternShipsAndReads)
{
    CString path = CMSDefinitions::GetDefaultMaldiPatternFilename();
    EXPECT_EQ(path.Left(1), "/");
    EXPECT_EQ(path.Right(4), ".ptn");
    CPatternFile file;
    ASSERT_TRUE(file.Read(path)) << path.GetString();
    ASSERT_GT(file.GetNumberOfEntries(), 1);
    for (int i = 0; i < file.GetNumberOfEntries(); ++i) {
        EXPECT_LE(std::fabs(file.GetXCoordinate(i)), 1.0);  // inside a sample well
        EXPECT_LE(std::fabs(file.GetYCoordinate(i)), 1.0);
        EXPECT_GT(file.GetLaserWidth(i), 0);
    }
}

}  // namespace
