#include "platform/framework/gdi/SurfaceDiff.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/framework/gdi/PngFile.h"

namespace {

std::string Hex(std::uint32_t pixel)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%06X", static_cast<unsigned>(pixel & 0xFFFFFFu));
    return buffer;
}

}  // namespace

std::string SurfaceDiff::OutputDirectory()
{
    const char* env = std::getenv("MALDI_TEST_OUTPUT");
    return env && *env ? env : "test-output";
}

Surface SurfaceDiff::Difference(const Surface& actual, const Surface& expected)
{
    const int width = std::max(actual.Width(), expected.Width());
    const int height = std::max(actual.Height(), expected.Height());
    Surface diff(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inA = x < actual.Width() && y < actual.Height();
            const bool inE = x < expected.Width() && y < expected.Height();
            if (inA && inE && actual.Row(y)[x] == expected.Row(y)[x]) {
                // The same pixel, faded to a light grey of its brightness so the differences stand out.
                const std::uint32_t p = expected.Row(y)[x];
                const std::uint32_t grey = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
                const std::uint32_t light = 192 + grey / 4;
                diff.Row(y)[x] = (light << 16) | (light << 8) | light;
            } else {
                diff.Row(y)[x] = 0xFF0000u;
            }
        }
    }
    return diff;
}

std::string SurfaceDiff::Compare(const Surface& actual, const Surface& expected, const std::string& name)
{
    std::string report;
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        report = name + ": size " + std::to_string(actual.Width()) + " x " + std::to_string(actual.Height()) +
                 ", expected " + std::to_string(expected.Width()) + " x " + std::to_string(expected.Height());
    } else {
        for (int y = 0; y < actual.Height() && report.empty(); ++y) {
            for (int x = 0; x < actual.Width(); ++x) {
                if (actual.Row(y)[x] != expected.Row(y)[x]) {
                    report = name + ": first difference at (" + std::to_string(x) + ", " + std::to_string(y) +
                             "): " + Hex(actual.Row(y)[x]) + ", expected " + Hex(expected.Row(y)[x]) + " (RRGGBB)";
                    break;
                }
            }
        }
    }
    if (report.empty())
        return report;
    const std::filesystem::path dir = OutputDirectory();
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const Surface diff = Difference(actual, expected);
    for (const auto& [surface, suffix] : {std::pair{&actual, "-actual.png"}, std::pair{&expected, "-expected.png"},
                                          std::pair{&diff, "-diff.png"}}) {
        const std::string path = (dir / (name + suffix)).string();
        std::string error;
        if (surface->IsEmpty())
            continue;
        if (PngFile::Write(*surface, path, &error))
            report += "\n  wrote " + path;
        else
            report += "\n  " + error;
    }
    return report;
}
