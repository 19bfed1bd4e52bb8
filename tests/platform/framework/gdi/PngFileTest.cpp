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

TEST(PngFile, GreyAlphaAndPaletteImagesReadAsRgb)
{
    // Written with libpng's own simple writer, in layouts this library never writes.
    auto write = [](const std::filesystem::path& path, png_uint_32 format, const void* pixels, const void* colormap,
                    int entries) {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = 2;
        image.height = 1;
        image.format = format;
        image.colormap_entries = static_cast<png_uint_32>(entries);
        return png_image_write_to_file(&image, path.string().c_str(), 0, pixels, 0, colormap) != 0;
    };
    Surface s;
    const png_byte grey[2] = {0x40, 0xC0};
    ASSERT_TRUE(write(Scratch("grey.png"), PNG_FORMAT_GRAY, grey, nullptr, 0));
    ASSERT_TRUE(PngFile::Read(Scratch("grey.png").string(), s));
    EXPECT_EQ(RGB(0x40, 0x40, 0x40), s.GetPixel(0, 0));
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), s.GetPixel(1, 0));

    // Alpha is composited over black.
    const png_byte rgba[8] = {10, 20, 30, 255, 200, 100, 50, 0};
    ASSERT_TRUE(write(Scratch("rgba.png"), PNG_FORMAT_RGBA, rgba, nullptr, 0));
    ASSERT_TRUE(PngFile::Read(Scratch("rgba.png").string(), s));
    EXPECT_EQ(RGB(10, 20, 30), s.GetPixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), s.GetPixel(1, 0));

    const png_byte indexes[2] = {1, 0};
    const png_byte palette[6] = {1, 2, 3, 250, 128, 7};
    ASSERT_TRUE(write(Scratch("palette.png"), PNG_FORMAT_RGB_COLORMAP, indexes, palette, 2));
    ASSERT_TRUE(PngFile::Read(Scratch("palette.png").string(), s));
    EXPECT_EQ(RGB(250, 128, 7), s.GetPixel(0, 0));
    EXPECT_EQ(RGB(1, 2, 3), s.GetPixel(1, 0));
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
    // The difference image marks exactly the two changed pixels.
    ASSERT_TRUE(PngFile::Read((dir / "diff-demo-diff.png").string(), written));
    int red = 0;
    for (int y = 0; y < written.Height(); ++y)
        for (int x = 0; x < written.Width(); ++x) red += written.GetPixel(x, y) == RGB(255, 0, 0);
    EXPECT_EQ(red, 2);
    EXPECT_EQ(written.GetPixel(3, 1), RGB(255, 0, 0));

    EXPECT_NE(std::string::npos, SurfaceDiff::Compare(Surface(2, 2), Surface(2, 3), "sizes").find("2 x 3"));
}

TEST(Surface, PixelsConvertBetweenColorRefAndStorage)
{
    Surface s(2, 1);
    s.SetPixel(1, 0, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(0x00123456u, s.Row(0)[1]) << "stored as 0x00RRGGBB";
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), s.GetPixel(1, 0));
    EXPECT_EQ(CLR_INVALID, s.GetPixel(2, 0));
    EXPECT_EQ(CLR_INVALID, s.GetPixel(-1, 0));
    s.SetPixel(5, 5, 0);  // ignored
    EXPECT_THROW(Surface(Surface::kMaxDimension + 1, 1), std::length_error);
    EXPECT_TRUE(Surface(-3, 4).IsEmpty());
}
