// Whole windows of the library, every one of the window fuzzer's table (UiWindowFactories), at
// scale 1 and 2: a full repaint (frame and every child) against one solid fill of the window's area
// at that scale, and the CPU time from construction to the first complete paint of the second
// window of its kind (fonts already open), all measured in the same run.
//
// Each window is opened the way its host opens it, by a session of no operator actions; the
// measurement runs once the window is on screen (a modal dialog or sheet inside its modal run).

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/session/UiFuzzWorld.h"
#include "fuzz/session/UiSessionPlayer.h"
#include "fuzz/session/UiWindowFactories.h"
#include "platform/framework/Automation.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintManager.h"

namespace {

constexpr int kScales[] = {1, 2};

double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One session of no actions on the window; `beforePlay` runs once the host's window exists,
// `shown` while the window is on screen. False when the window never showed.
bool Open(const UiWindowFactory& window, const std::function<void(HWND)>& shown,
          const std::function<void(HWND host)>& beforePlay = {})
{
    UiFuzzWorld world;
    UiBytesInput input(nullptr, 0);
    UiSessionPlayer::Options options;
    options.maxActions = 0;
    bool opened = false;
    options.onShown = [&](HWND hwnd) {
        opened = true;
        shown(hwnd);
    };
    UiSessionPlayer player(world, input, options);
    if (beforePlay)
        beforePlay(player.Owner()->GetSafeHwnd());
    player.Play(window);
    return opened;
}

void FullRepaint(HWND hwnd, int scale)
{
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    benchmark::DoNotOptimize(Automation::Get().Render(hwnd, scale).Width());
}

CSize AreaOf(HWND hwnd)
{
    CRect r;
    ::GetWindowRect(hwnd, &r);
    return CSize(r.Width(), r.Height());
}

void BM_Repaint(benchmark::State& state, const UiWindowFactory* window, int scale)
{
    const bool opened = Open(*window, [&](HWND hwnd) {
        FullRepaint(hwnd, scale);
        for (auto _ : state)
            FullRepaint(hwnd, scale);
    });
    if (!opened)
        state.SkipWithError("the window did not open");
}

void BM_OpenToFirstPaint(benchmark::State& state, const UiWindowFactory* window, int scale)
{
    // New windows paint at the scale from the start, as on a desktop drawn at that scale. The
    // host's window is painted before the clock starts: its paint is not the window's.
    auto prepare = [scale](HWND host) {
        PaintManager::Get().SetDefaultScale(scale);
        Automation::Get().Render(host, scale);
    };
    Open(*window, [&](HWND hwnd) { Automation::Get().Render(hwnd, scale); }, prepare);  // the first of its kind
    for (auto _ : state) {
        double start = 0, painted = 0;
        Open(
            *window,
            [&](HWND hwnd) {
                Automation::Get().Render(hwnd, scale);
                painted = ThreadSeconds();
            },
            [&](HWND host) {
                prepare(host);
                start = ThreadSeconds();
            });
        state.SetIterationTime(std::max(painted - start, 0.0));
    }
}

// One solid fill of a window's area in a bitmap drawn at the scale.
void BM_OneSolidFill(benchmark::State& state, CSize area, int scale)
{
    CDC screen;
    screen.AttachSurface(std::make_shared<Surface>(scale, scale), CRect(0, 0, 1, 1), scale);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, area.cx, area.cy);
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
            if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred) {
                // The fastest of the repetitions: what the code costs when other work leaves it alone.
                // CPU time (the opening's own, set as the iteration time, for the first paint): on a
                // machine shared with other work it moves less than the wall clock.
                const bool manual = run.run_name.function_name.rfind("BM_OpenToFirstPaint/", 0) == 0;
                const double t = manual ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
                auto [it, fresh] = times.emplace(run.run_name.function_name, t);
                if (!fresh) it->second = std::min(it->second, t);
            }
    }
    std::map<std::string, double> times;  // in each benchmark's unit
};

std::string Suffix(const UiWindowFactory& window, int scale)
{
    return std::string(window.name) + "/scale:" + std::to_string(scale);
}

}  // namespace

int main(int argc, char** argv)
{
    // Five repetitions unless the command line asks for a number (the smoke run asks for one).
    bool repetitionsAsked = false;
    for (int i = 1; i < argc; ++i)
        repetitionsAsked |= std::string(argv[i]).rfind("--benchmark_repetitions", 0) == 0;
    auto repeated = [&](benchmark::internal::Benchmark* b) { return repetitionsAsked ? b : b->Repetitions(5); };
    for (const UiWindowFactory& window : UiWindowFactories::All()) {
        CSize area;
        if (!Open(window, [&](HWND hwnd) { area = AreaOf(hwnd); })) {
            std::fprintf(stderr, "%s did not open\n", window.name);
            return 1;
        }
        for (int scale : kScales) {
            const std::string suffix = Suffix(window, scale);
            repeated(benchmark::RegisterBenchmark(("BM_Repaint/" + suffix).c_str(), BM_Repaint, &window, scale));
            repeated(benchmark::RegisterBenchmark(("BM_OneSolidFill/" + suffix).c_str(), BM_OneSolidFill, area, scale));
            repeated(benchmark::RegisterBenchmark(("BM_OpenToFirstPaint/" + suffix).c_str(), BM_OpenToFirstPaint,
                                                  &window, scale)
                         ->Unit(benchmark::kMicrosecond)
                         ->UseManualTime());
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("ratio: window           scale  full repaint (solid fills of its area)  construction to first paint (ms)\n");
    for (const UiWindowFactory& window : UiWindowFactories::All())
        for (int scale : kScales) {
            const std::string suffix = Suffix(window, scale);
            auto paint = reporter.times.find("BM_Repaint/" + suffix);
            auto fill = reporter.times.find("BM_OneSolidFill/" + suffix);
            auto open = reporter.times.find("BM_OpenToFirstPaint/" + suffix);
            if (paint == reporter.times.end() || fill == reporter.times.end() || open == reporter.times.end())
                continue;
            std::printf("ratio: %-16s %5d  %38.1f  %32.2f\n", window.name, scale, paint->second / fill->second,
                        open->second / 1e3);
        }
    return 0;
}
