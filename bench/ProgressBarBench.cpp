// A full repaint of a 400 x 24 gradient progress bar (two colours 255 levels apart, percent text)
// through the window system, against one solid fill of the same area measured in the same run.
// Prints the ratio and the fills per paint.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "maldi/controls/CProgressCtrlX.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/FontInstance.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 24;
constexpr int IDC_BAR = 100;

class BarDialog : public CDialog {
public:
    CProgressCtrlX bar;
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, IDC_BAR, bar);
    }
};

struct Scene {
    AutomationSession session;
    BarDialog dialog;
    Scene()
    {
        DialogTemplate t{1, "Bench", DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 300, 40, "MS Sans Serif", 8,
                         {{IDC_BAR, "msctls_progress32", "Progress1", WS_CHILD | WS_VISIBLE | PBS_SMOOTH, 0, 5, 5, 200, 12}}};
        dialog.CreateIndirect(t, nullptr);
        ::SetWindowPos(dialog.bar, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
        dialog.bar.SetGradientColors(RGB(0, 0, 255), RGB(255, 0, 0));
        dialog.bar.SetTextColor(RGB(255, 255, 255), RGB(0, 0, 0));
        dialog.bar.SetShowPercent(TRUE);
        dialog.bar.SetPos(100);
        Repaint(); // first use opens the font and renders the glyphs
    }
    void Repaint()
    {
        dialog.bar.Invalidate(FALSE);
        dialog.bar.UpdateWindow();
    }
};

void BM_RepaintGradientBar(benchmark::State& state)
{
    Scene scene;
    const long long before = CDC::GetTotalFillCount();
    const long long glyphsBefore = FontInstance::RenderedGlyphCount();
    const long long pixelsBefore = CDC::GetTotalPixelsWritten();
    long paints = 0;
    for (auto _ : state) {
        scene.Repaint();
        benchmark::ClobberMemory();
        ++paints;
    }
    state.counters["fills_per_paint"] =
        static_cast<double>(CDC::GetTotalFillCount() - before) / static_cast<double>(std::max(paints, 1L));
    state.counters["glyphs_rendered"] = static_cast<double>(FontInstance::RenderedGlyphCount() - glyphsBefore);
    state.counters["written"] = static_cast<double>(CDC::GetTotalPixelsWritten() - pixelsBefore) /
                                static_cast<double>(std::max(paints, 1L)) / (kWidth * kHeight);
}
BENCHMARK(BM_RepaintGradientBar)->Repetitions(5);

void BM_OneSolidFill(benchmark::State& state)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, kWidth, kHeight);
    CBitmap* previous = dc.SelectObject(&bitmap);
    BYTE level = 0;
    for (auto _ : state) {
        dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(level, level, level));
        ++level;
        benchmark::ClobberMemory();
    }
    dc.SelectObject(previous);
}
BENCHMARK(BM_OneSolidFill)->Repetitions(5);

// Keeps the console output and remembers each benchmark's time per iteration and counters.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                // The fastest of the repetitions: what the code costs when other work leaves it alone.
                auto [it, fresh] = times.emplace(run.run_name.function_name, run.GetAdjustedCPUTime());
                if (!fresh) it->second = std::min(it->second, run.GetAdjustedCPUTime());
                auto fills = run.counters.find("fills_per_paint");
                if (fills != run.counters.end()) fillsPerPaint = fills->second.value;
                auto pixels = run.counters.find("written");
                if (pixels != run.counters.end()) areasWritten = pixels->second.value;
                auto glyphs = run.counters.find("glyphs_rendered");
                if (glyphs != run.counters.end()) glyphsRendered = glyphs->second.value;
            }
    }
    std::map<std::string, double> times;
    double fillsPerPaint = 0;
    double glyphsRendered = 0;
    double areasWritten = 0;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto paint = reporter.times.find("BM_RepaintGradientBar");
    const auto fill = reporter.times.find("BM_OneSolidFill");
    if (paint != reporter.times.end() && fill != reporter.times.end() && fill->second > 0)
        std::printf("ratio: a full repaint of the %d x %d gradient bar with percent text costs %.1f solid fills of "
                    "its area; %.0f fills per paint writing %.1f areas of pixels; %.0f glyphs loaded and rendered by "
                    "the repaints after the first\n",
                    kWidth, kHeight, paint->second / fill->second, reporter.fillsPerPaint, reporter.areasWritten,
                    reporter.glyphsRendered);
    return 0;
}
