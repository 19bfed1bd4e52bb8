// Whole windows of the library: a full repaint (frame and every child) against one solid fill of
// the window's area, and the time from construction to the first complete paint of the second
// window of its kind (fonts already open), both measured in the same run.
//
// Each benchmark takes the drawing scale as its argument; scale 1 is what the window system draws
// at today, and a scale the framework adds is one more Arg below.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "maldi/plate/CPlateCalibrationSetupDialog.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/platemodel/TargetPlate.h"
#include "tests/support/RecordingAppInterface.h"

namespace {

constexpr int kScales[] = {1};

// One window of the library as its host opens it.
struct OpenWindow {
    virtual ~OpenWindow() = default;
    virtual HWND Handle() const = 0;
};

struct PlateCalibrationWindow : OpenWindow {
    RecordingAppInterface host;
    CMaldiPlate plate;
    std::unique_ptr<CPlateCalibrationSetupDialog> dlg;
    PlateCalibrationWindow()
    {
        SetTargetPlate(&plate);
        dlg = std::make_unique<CPlateCalibrationSetupDialog>(&host);
        if (!dlg->Create())
            std::abort();
        dlg->DisplayWindow();
    }
    ~PlateCalibrationWindow() override
    {
        dlg->DestroyWindow();
        SetTargetPlate(nullptr);
    }
    HWND Handle() const override { return dlg->m_hWnd; }
};

struct Kind {
    const char* name;
    std::function<std::unique_ptr<OpenWindow>()> open;
};
const std::vector<Kind>& Kinds()
{
    static const std::vector<Kind> kinds = {
        {"PlateCalibration", [] { return std::make_unique<PlateCalibrationWindow>(); }},
    };
    return kinds;
}

CSize AreaOf(HWND hwnd)
{
    CRect r;
    ::GetWindowRect(hwnd, &r);
    return CSize(r.Width(), r.Height());
}

void FullRepaint(AutomationSession& session, HWND hwnd)
{
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    benchmark::DoNotOptimize(session->Render(hwnd).Width());
}

void BM_Repaint(benchmark::State& state, const Kind& kind)
{
    AutomationSession session;
    auto window = kind.open();
    FullRepaint(session, window->Handle());
    for (auto _ : state)
        FullRepaint(session, window->Handle());
    const CSize area = AreaOf(window->Handle());
    state.counters["pixels"] = static_cast<double>(area.cx) * area.cy;
}

void BM_OpenToFirstPaint(benchmark::State& state, const Kind& kind)
{
    AutomationSession session;
    kind.open();  // the first of its kind opens the fonts
    for (auto _ : state) {
        auto window = kind.open();
        benchmark::DoNotOptimize(session->Render(window->Handle()).Width());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

// One solid fill of an area of the given pixel count (a window-sized bitmap).
void BM_OneSolidFill(benchmark::State& state, const Kind& kind)
{
    CSize area;
    {
        AutomationSession session;
        area = AreaOf(kind.open()->Handle());
    }
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, area.cx, area.cy);
    CBitmap* previous = dc.SelectObject(&bitmap);
    BYTE level = 0;
    for (auto _ : state) {
        dc.FillSolidRect(0, 0, area.cx, area.cy, RGB(level, level, level));
        ++level;
        benchmark::ClobberMemory();
    }
    dc.SelectObject(previous);
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred)
                {
                // The fastest of the repetitions: what the code costs when other work leaves it alone.
                auto [it, fresh] = times.emplace(run.run_name.function_name, run.GetAdjustedCPUTime());
                if (!fresh) it->second = std::min(it->second, run.GetAdjustedCPUTime());
            }
    }
    // CPU time: on a machine shared with other work it moves less than the wall clock.
    std::map<std::string, double> times;  // nanoseconds
};

}  // namespace

int main(int argc, char** argv)
{
    for (const Kind& kind : Kinds())
        for (int scale : kScales) {
            const std::string suffix = std::string(kind.name) + "/scale:" + std::to_string(scale);
            benchmark::RegisterBenchmark(("BM_Repaint/" + suffix).c_str(), BM_Repaint, kind)->Repetitions(5);
            benchmark::RegisterBenchmark(("BM_OneSolidFill/" + suffix).c_str(), BM_OneSolidFill, kind)->Repetitions(5);
            benchmark::RegisterBenchmark(("BM_OpenToFirstPaint/" + suffix).c_str(), BM_OpenToFirstPaint, kind)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(5);
        }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const Kind& kind : Kinds())
        for (int scale : kScales) {
            const std::string suffix = std::string(kind.name) + "/scale:" + std::to_string(scale);
            auto paint = reporter.times.find("BM_Repaint/" + suffix);
            auto fill = reporter.times.find("BM_OneSolidFill/" + suffix);
            auto open = reporter.times.find("BM_OpenToFirstPaint/" + suffix);
            if (paint == reporter.times.end() || fill == reporter.times.end() || open == reporter.times.end())
                continue;
            std::printf("ratio: %s at scale %d: a full repaint costs %.1f solid fills of its area; %.2f ms from "
                        "construction to the first paint\n",
                        kind.name, scale, paint->second / fill->second, open->second / 1e3);
        }
    return 0;
}
