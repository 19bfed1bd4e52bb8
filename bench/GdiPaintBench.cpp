// Painting cost of a progress-bar-sized area: 255 solid fills (a full black-to-white gradient, one
// fill per colour level) plus a short centred text, against one plain fill of the same pixels
// (the memset-equivalent floor). Prints the ratio of the two and the fills per paint.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/CFont.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 30;
constexpr int kSteps = 255;

struct Target {
    CDC dc;
    CBitmap bitmap;
    CBitmap* previous = nullptr;
    CFont font;
    CFont* previousFont = nullptr;

    Target()
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, kWidth, kHeight);
        previous = dc.SelectObject(&bitmap);
        LOGFONT lf;
        lf.lfWeight = FW_BOLD;
        CFont::SetFaceName(lf, "Arial");
        font.CreateFontIndirect(&lf);
        previousFont = dc.SelectObject(&font);
    }
    ~Target()
    {
        dc.SelectObject(previousFont);
        dc.SelectObject(previous);
    }
};

void PaintGradientAndText(Target& t)
{
    const float stepWidth = static_cast<float>(kWidth) / kSteps;
    for (int i = 0; i < kSteps; ++i) {
        const int left = static_cast<int>(i * stepWidth);
        const int right = i == kSteps - 1 ? kWidth : static_cast<int>((i + 1) * stepWidth);
        const BYTE level = static_cast<BYTE>(i);
        t.dc.FillSolidRect(left, 0, right - left, kHeight, RGB(level, level, level));
    }
    t.dc.SetTextColor(RGB(255, 0, 0));
    t.dc.SetBkMode(TRANSPARENT);
    t.dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    const CSize extent = t.dc.GetTextExtent("42 %", 4);
    t.dc.TextOut(kWidth / 2, (kHeight + extent.cy) / 2, "42 %", 4);
}

void BM_PaintFillsAndText(benchmark::State& state)
{
    Target t;
    PaintGradientAndText(t);  // first use opens the font and renders the glyphs
    t.dc.ResetFillCount();
    long paints = 0;
    for (auto _ : state) {
        PaintGradientAndText(t);
        benchmark::ClobberMemory();
        ++paints;
    }
    state.counters["fills_per_paint"] = static_cast<double>(t.dc.GetFillCount()) / std::max(paints, 1L);
}
BENCHMARK(BM_PaintFillsAndText);

void BM_PlainFill(benchmark::State& state)
{
    Target t;
    std::vector<std::uint32_t>& pixels = t.bitmap.GetSurface()->Pixels();
    std::uint32_t value = 0;
    for (auto _ : state) {
        std::fill(pixels.begin(), pixels.end(), value++);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlainFill);

// Keeps the console output and remembers each benchmark's time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto paint = reporter.times.find("BM_PaintFillsAndText");
    const auto plain = reporter.times.find("BM_PlainFill");
    if (paint != reporter.times.end() && plain != reporter.times.end() && plain->second > 0)
        std::printf("ratio: painting %d x %d with %d fills and a text costs %.1f times one plain fill\n", kWidth, kHeight,
                    kSteps, paint->second / plain->second);
    return 0;
}
