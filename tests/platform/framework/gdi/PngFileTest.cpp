// PNG files: round trip, bad files, safe replacement, and the shared comparison helper.

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <fstream>

#include "platform/framework/gdi/PngFile.h"
#include "tests/platform/framework/gdi/GdiTestSupport.h"

namespace {

std::filesystem::path Scratch(const std::string& name)
{
    const std::filesystem::path dir = std::filesystem::path(SurfaceDiff::OutputDirectory()) / "png-test";
    std::filesystem::create_directories(dir);
    return dir / name;
}

Surface Pattern(int w, int h)
{
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.SetPixel(x, y, RGB(x * 37 + y, y * 53 + 1, (x ^ y) * 29));
    return s;
}

std::string ReadAll(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(PngFile, WrittenImageReadsBackEqual)
{
    const Surface original = Pattern(13, 7);
    const auto path = Scratch("roundtrip.png");
    std::string error;
    ASSERT_TRUE(PngFile::Write(original, path.string(), &error)) << error;
    Surface back;
    ASSERT_TRUE(PngFile::Read(path.string(), back, &error)) << error;
    EXPECT_TRUE(SurfacesEqual(back, original, "png-roundtrip"));
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
}

TEST(PngFile, BadFilesAreRefusedAndLeaveTheImageAlone)
{
    const Surface keep = Pattern(3, 3);
    Surface s = keep;
    std::string error;
    EXPECT_FALSE(PngFile::Read(Scratch("absent.png").string(), s, &error));
    EXPECT_NE(std::string::npos, error.find("absent.png")) << error;

    const auto text = Scratch("text.png");
    std::ofstream(text) << "this is not an image";
    EXPECT_FALSE(PngFile::Read(text.string(), s, &error));
    EXPECT_NE(std::string::npos, error.find("not a PNG")) << error;

    // A good file cut short at several places.
    const auto good = Scratch("good.png");
    ASSERT_TRUE(PngFile::Write(Pattern(40, 30), good.string()));
    const std::string bytes = ReadAll(good);
    for (std::size_t cut : {std::size_t{8}, std::size_t{20}, std::size_t{40}, bytes.size() / 2, bytes.size() - 13}) {
        const auto truncated = Scratch("truncated.png");
        std::ofstream(truncated, std::ios::binary) << bytes.substr(0, cut);
        EXPECT_FALSE(PngFile::Read(truncated.string(), s, &error)) << "cut at " << cut;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(keep, s);
}

TEST(PngFile, FailedWriteKeepsThePreviousFile)
{
    const auto path = Scratch("keep.png");
    ASSERT_TRUE(PngFile::Write(Pattern(4, 4), path.string()));
    const std::string before = ReadAll(path);
    std::string error;
    EXPECT_FALSE(PngFile::Write(Surface(), path.string(), &error));
    EXPECT_EQ(before, ReadAll(path));
    EXPECT_FALSE(PngFile::Write(Pattern(2, 2), (Scratch("no-such-dir") / "x.png").string(), &error));
    EXPECT_NE(std::string::npos, error.find("no-such-dir")) << error;
}

TEST(SurfaceDiff, ReportsTheFirstDifferenceAndWritesBothImagesAndTheirDifference)
{
    const Surface a = Pattern(5, 4);
    EXPECT_EQ("", SurfaceDiff::Compare(a, a, "same"));
    Surface b = a;
    b.SetPixel(3, 1, RGB(1, 2, 3));
    b.SetPixel(0, 3, RGB(1, 2, 3));
    const std::string report = SurfaceDiff::Compare(b, a, "diff-demo");
    EXPECT_NE(std::string::npos, report.find("(3, 1)")) << report;
    EXPECT_NE(std::string::npos, report.find("#010203")) << report;
    const std::filesystem::path dir = SurfaceDiff::OutputDirectory();
    Surface written;
    ASSERT_TRUE(PngFile::Read((dir / "diff-demo-actual.png").string(), written));
    EXPECT_EQ(b, written);
    ASSERT_TRUE(PngFile::Read((dir / "diff-demo-expected.png").string(), written));
    EXPECT_EQ(a, written);
    // The difference image marks the changed pixels.
    ASSERT_TRUE(PngFile::Read((dir / "diff-demo-diff.png").string(), written));
    EXPECT_TRUE(written.GetPixel(3, 1) == RGB(255, 0, 0) && written.GetPixel(0, 3) == RGB(255, 0, 0));
    EXPECT_NE(written.GetPixel(1, 1), RGB(255, 0, 0));

    EXPECT_NE(std::string::npos, SurfaceDiff::Compare(Surface(2, 2), Surface(2, 3), "sizes").find("2 x 3"));
}
