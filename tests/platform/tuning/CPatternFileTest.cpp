#include <cmath>
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

using Points = std::vector<PatternPoint>;
const Points kProbe = {{7.0, 7.0, 1, 7}};

Points PointsOf(const CPatternFile& file)
{
    Points points;
    for (int i = 0; i < file.GetNumberOfEntries(); ++i)
        points.push_back({file.GetXCoordinate(i), file.GetYCoordinate(i), file.GetLaserState(i), file.GetLaserWidth(i)});
    return points;
}

class PatternFileTest : public TempFolder {
protected:
    // Reads `text` into `file`, which holds the probe point before; the result of Read.
    bool ReadText(const std::string& text, CPatternFile& file)
    {
        file.AddLaserPoint(kProbe[0]);
        Put(PathOf("in.ptn"), text);
        return file.Read(PathOf("in.ptn").c_str());
    }
};

TEST_F(PatternFileTest, WrittenPointsReadBackExactly)
{
    const Points points = {{2.5, -0.1, 1, 8}, {1.0 / 3.0, -10000.0, 0, 0}, {10000.0, 1e-300, 1, 32767}, {-0.0, 0.0, 0, 1},
                           {-2147483648.0, 2147483648.0, 1, -32768}};
    CPatternFile out;
    for (const PatternPoint& p : points)
        out.AddLaserPoint(p);
    ASSERT_TRUE(out.Write(PathOf("p.ptn").c_str()));
    CPatternFile in;
    ASSERT_TRUE(in.Read(PathOf("p.ptn").c_str()));
    EXPECT_EQ(PointsOf(in), points);
    EXPECT_TRUE(std::signbit(in.GetXCoordinate(3)));
    EXPECT_EQ(in.GetXCoordinate(5), 0.0);  // beyond the points
    EXPECT_EQ(in.GetLaserWidth(-1), 0);

    // Plain text, one point per line; laser states are written as 0 or 1.
    CPatternFile simple;
    simple.AddLaserPoint({2.5, -0.1, 5, 8});
    ASSERT_TRUE(simple.Write(PathOf("s.ptn").c_str()));
    EXPECT_EQ(Get(PathOf("s.ptn")), "PATTERN 1\n# x y laser width\n2.5 -0.1 1 8\n");

    // An empty pattern is a valid file, and reading replaces what the object held.
    ASSERT_TRUE(CPatternFile().Write(PathOf("e.ptn").c_str()));
    ASSERT_TRUE(in.Read(PathOf("e.ptn").c_str()));
    EXPECT_EQ(in.GetNumberOfEntries(), 0);
}

TEST_F(PatternFileTest, HandWrittenVariationsAreAccepted)
{
    const char* files[] = {
        "PATTERN 1\r\n1\t2\t1\t4\r\n",
        "\xEF\xBB\xBFPATTERN 1\n1 2 1 4\n",
        "# made by hand\n\n   \nPATTERN 1\n  # indented comment\n1 2 1 4\n\n",
        "  PATTERN   1  \n   1.0   2e0 1 004",
    };
    for (const char* text : files) {
        CPatternFile file;
        EXPECT_TRUE(ReadText(text, file)) << text;
        EXPECT_EQ(PointsOf(file), (Points{{1.0, 2.0, 1, 4}})) << text;
    }
}

TEST_F(PatternFileTest, MalformedFilesAreRefusedAndKeepThePreviousPoints)
{
    std::string longest = "1 2 1 4" + std::string(CPatternFile::kMaxLineLength - 7, ' ');
    const std::string files[] = {
        "",                                  // no tag
        "1 2 1 4\n",                         // no tag
        "PATTERN 2\n1 2 1 4\n",              // newer version
        "PATTERN 1 extra\n",
        "PATTERN 1\n1 2 1\n",                // three fields
        "PATTERN 1\n1,5 2 1 4\n",            // comma decimal
        "PATTERN 1\nnan 2 1 4\n",
        "PATTERN 1\n1e400 2 1 4\n",          // overflows a double
        "PATTERN 1\n2147483649 2 1 4\n",     // beyond any pixel of an int
        "PATTERN 1\n1 2 2 4\n",              // laser state 2
        "PATTERN 1\n1 2 1 32768\n",          // beyond what the control holds
        "PATTERN 1\n1 2 1 -32769\n",
        "PATTERN 1\n1 2 1 4\n3 4 0 4\n5 6 0\n",
        std::string("PATTERN 1\n1 2 1 4\n\0\n", 20),
        "PATTERN 1\n" + longest + " \n",     // one byte too long
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
    };
    for (const std::string& text : files) {
        CPatternFile file;
        EXPECT_FALSE(ReadText(text, file)) << text;
        EXPECT_EQ(PointsOf(file), kProbe) << text;
    }
    CPatternFile file;
    EXPECT_TRUE(ReadText("PATTERN 1\n" + longest + "\r\n", file));
}

TEST_F(PatternFileTest, HugeFilesAndNonFilesAreRefused)
{
    std::string full = "PATTERN 1\n";
    for (int i = 0; i < CPatternFile::kMaxPoints; ++i)
        full += "0 0 1 1\n";
    CPatternFile file;
    EXPECT_TRUE(ReadText(full, file));
    EXPECT_EQ(file.GetNumberOfEntries(), CPatternFile::kMaxPoints);
    CPatternFile tooMany, comments;
    EXPECT_FALSE(ReadText(full + "0 0 1 1\n", tooMany));
    EXPECT_FALSE(ReadText("PATTERN 1\n" + std::string(2 * CPatternFile::kMaxLines, '\n'), comments));

    ASSERT_EQ(::mkfifo(PathOf("pipe.ptn").c_str(), 0600), 0);
    for (std::string path : {PathOf("missing.ptn"), std::string(), m_dir.string(), std::string("/dev/zero"),
                             PathOf("pipe.ptn")})  // a pipe does not wait for a writer
        EXPECT_FALSE(CPatternFile().Read(path.c_str())) << path;
}

TEST_F(PatternFileTest, AFailedWriteLeavesThePreviousFile)
{
    std::string path = PathOf("p.ptn");
    Put(path, "PATTERN 1\n1 1 1 1\n");
    const PatternPoint refused[] = {{NAN, 0, 1, 1}, {0, INFINITY, 1, 1}, {-2147483649.0, 0, 1, 1}, {0, 0, 1, 40000},
                                   {0, 0, 1, -40000}};
    for (const PatternPoint& bad : refused) {
        CPatternFile file;
        file.AddLaserPoint({0, 0, 1, 1});
        file.AddLaserPoint(bad);
        EXPECT_FALSE(file.Write(path.c_str()));
    }
    CPatternFile big;
    for (int i = 0; i < 2000; ++i)
        big.AddLaserPoint({0.125 * i, -0.125 * i, i % 2, i % 20});
    {
        DiskFull full(1000);
        EXPECT_FALSE(big.Write(path.c_str()));
    }
    EXPECT_FALSE(big.Write(PathOf("no/such/folder.ptn").c_str()));
    EXPECT_EQ(Get(path), "PATTERN 1\n1 1 1 1\n");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST(CMSDefinitions, TheDefaultPatternShipsAndReads)
{
    CString path = CMSDefinitions::GetDefaultMaldiPatternFilename();
    EXPECT_TRUE(path.Left(1) == "/" && path.Right(4) == ".ptn") << path.GetString();
    CPatternFile file;
    ASSERT_TRUE(file.Read(path)) << path.GetString();
    ASSERT_GT(file.GetNumberOfEntries(), 1);
    for (int i = 0; i < file.GetNumberOfEntries(); ++i) {
        EXPECT_LE(std::hypot(file.GetXCoordinate(i), file.GetYCoordinate(i)), 1.0);  // inside a sample well
        EXPECT_GT(file.GetLaserWidth(i), 0);
    }
}

}  // namespace
