// The pattern editor's "update all laser widths" button held for three seconds of virtual time
// and released, with 10 and with 10,000 points drawn. The baseline is the same hold with 10 points
// in the same run; the ratio is what a large pattern adds to holding the button.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "maldi/plate/CPatternEditorDlg.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/AutomationSession.h"
#include "platform/patternctrl/PatternControl.h"

namespace {

void BM_HoldAllWidths(benchmark::State& state)
{
    AutomationSession session;
    CWnd host;
    host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 800, 600, nullptr, 0);
    CPatternEditorDlg editor(&host);
    session->OnNextModal(
        [&](CWnd& dialog, Automation& a) {
            HWND dlg = dialog.m_hWnd;
            HWND control = a.Find(dlg, static_cast<int>(maldi::res::IDC_PATTERN_CONTROL));
            for (int i = 0; i < state.range(0); ++i)
                ::SendMessage(control, PCM_ADDPOINT, 0, MAKELPARAM(static_cast<WORD>(i % 200 - 100), static_cast<WORD>(i / 200 - 50)));
            a.Advance(100);
            for (auto _ : state) {
                a.Hold(dlg, static_cast<int>(maldi::res::IDI_ALL_LASER_WIDTHS));
                a.Advance(3000);
                a.Release(dlg, static_cast<int>(maldi::res::IDI_ALL_LASER_WIDTHS));
                a.Advance(100);
            }
            a.AnswerMessageBox(IDNO);
            a.Click(dlg, static_cast<int>(maldi::res::IDI_PATTERN_EXIT));
        },
        "PatternEditor");
    editor.DoModal();
}

BENCHMARK(BM_HoldAllWidths)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred) m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void PrintRatios() const
    {
        const auto base = m_times.find("BM_HoldAllWidths/10");
        if (base == m_times.end() || base->second <= 0) return;
        std::printf("\nA three-second hold, against the hold with 10 points (%.3f ms):\n", base->second);
        for (const auto& [name, time] : m_times) std::printf("  %-24s %10.3f ms   ratio %.2f\n", name.c_str(), time, time / base->second);
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
