// Whole windows of the library, every one of the window fuzzer's table (UiWindowFactories), at
// scale 1 and 2: a full repaint (frame and every child) against one solid fill of the window's area
// at that scale, measured in turn, and the CPU time from construction to the first complete paint
// of the second window of its kind (fonts already open), all measured in the same run.
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

// One solid fill of a window's area in a bitmap drawn at the scale.
class SolidFill {
public:
    SolidFill(CSize area, int scale) : m_area(area)
    {
        m_screen.AttachSurface(std::make_shared<Surface>(scale, scale), CRect(0, 0, 1, 1), scale);
        m_dc.CreateCompatibleDC(&m_screen);
        m_bitmap.CreateCompatibleBitmap(&m_screen, area.cx, area.cy);
        m_previous = m_dc.SelectObject(&m_bitmap);
    }
    ~SolidFill() { m_dc.SelectObject(m_previous); }
    void Once()
    {
        m_dc.FillSolidRect(0, 0, m_area.cx, m_area.cy, RGB(m_level, m_level, m_level));
        ++m_level;
        benchmark::ClobberMemory();
    }

private:
    CSize m_area;
    CDC m_screen, m_dc;
    CBitmap m_bitmap;
    CBitmap* m_previous = nullptr;
    BYTE m_level = 0;
};

// A full repaint and, in turn with it, the solid fill it is measured against, so that both see the
// machine in the same state (a shared machine's speed drifts by half within seconds). The fill
// timed is the second of two, its bitmap as warm as in a loop of fills. Reading the thread's CPU
// clock can take over a microsecond (a system call on some virtual machines), as long as a small
// window's fill: an empty interval is timed in turn too and taken off both.
void BM_Repaint(benchmark::State& state, const UiWindowFactory* window, int scale, CSize area)
{
    SolidFill fill(area, scale);
    double repainting = 0, filling = 0, clockReads = 0;
    long long written = 0;
    const bool opened = Open(*window, [&](HWND hwnd) {
        FullRepaint(hwnd, scale);
        for (auto _ : state) {
            const long long before = CDC::GetTotalPixelsWritten();
            const double t0 = ThreadSeconds();
            FullRepaint(hwnd, scale);
            const double t1 = ThreadSeconds();
            written += CDC::GetTotalPixelsWritten() - before;
            fill.Once();
            const double t2 = ThreadSeconds();
            fill.Once();
            const double t3 = ThreadSeconds();
            clockReads += ThreadSeconds() - t3;
            filling += t3 - t2;
            repainting += t1 - t0;
        }
        repainting -= clockReads;
        filling -= clockReads;
    });
    if (!opened)
        state.SkipWithError("the window did not open");
    else if (filling > 0) {
        state.counters["fills"] = repainting / filling;
        state.counters["repaint_us"] = repainting * 1e6 / static_cast<double>(state.iterations());
        state.counters["fill_us"] = filling * 1e6 / static_cast<double>(state.iterations());
        // Pixels the repaint wrote, in areas of the window (at one fill's speed, its floor).
        state.counters["written"] = static_cast<double>(written) / static_cast<double>(state.iterations()) /
                                    (static_cast<double>(area.cx) * area.cy * scale * scale);
    }
}

void BM_OpenToFirstPaint(benchmark::State& state, const UiWindowFactory* window, int scale)
{
    // New windows paint at the scale from the start, as on a desktop drawn at that scale. The
    // host's window is hidden: its paint (a static control, repainted when a modal window disables
    // it) is not the window's.
    auto prepare = [scale](HWND host) {
        PaintManager::Get().SetDefaultScale(scale);
        ::ShowWindow(host, SW_HIDE);
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

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // A repaint: solid fills, and the repaint and fill times of that repetition in microseconds;
    // a first paint: microseconds.
    struct Best {
        double value = 0, repaint = 0, fill = 0, written = 0;
    };
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred) {
                // The best of the repetitions: what the code costs when other work leaves it alone.
                // For the first paint, the opening's own CPU time (set as the iteration time): on a
                // machine shared with other work it moves less than the wall clock.
                auto counter = [&](const char* name) {
                    auto it = run.counters.find(name);
                    return it == run.counters.end() ? 0.0 : it->second.value;
                };
                const bool manual = run.run_name.function_name.rfind("BM_OpenToFirstPaint/", 0) == 0;
                const Best b = manual ? Best{run.GetAdjustedRealTime()}
                                      : Best{counter("fills"), counter("repaint_us"), counter("fill_us"),
                                             counter("written")};
                auto [it, fresh] = best.emplace(run.run_name.function_name, b);
                if (!fresh && b.value < it->second.value) it->second = b;
            }
    }
    std::map<std::string, Best> best;
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
            repeated(benchmark::RegisterBenchmark(("BM_Repaint/" + suffix).c_str(), BM_Repaint, &window, scale, area));
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
    // The fill is bound by memory and a shared machine slows it apart from the painting around it,
    // so the ratio moves from run to run more than the times do: both are shown.
    std::printf("ratio: full repaint in solid fills of the window's area (and the two times, us), pixels it"
                " wrote in window areas; construction to first paint (ms)\n");
    std::printf("ratio: window           scale  fills  repaint   fill  written  first paint\n");
    for (const UiWindowFactory& window : UiWindowFactories::All())
        for (int scale : kScales) {
            const std::string suffix = Suffix(window, scale);
            auto paint = reporter.best.find("BM_Repaint/" + suffix);
            auto open = reporter.best.find("BM_OpenToFirstPaint/" + suffix);
            if (paint == reporter.best.end() || open == reporter.best.end())
                continue;
            const RatioReporter::Best& p = paint->second;
            std::printf("ratio: %-16s %5d  %5.1f  %7.1f  %5.1f  %7.1f  %11.2f\n", window.name, scale, p.value, p.repaint,
                        p.fill, p.written, open->second.value / 1e3);
        }
    return 0;
}
