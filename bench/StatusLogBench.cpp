// One entry appended to the source swap panel's status log (a word-wrapped, read-only multi-line
// edit of the log's size), as the panel adds it, with 10, 230 (the panel's log full to the edit's
// text limit, which it never exceeds) and 10,000 entries already in the log. The baseline is the
// same entry appended to the 10-entry log in the same run: the ratio is what a long log adds to
// each entry (1 when an entry costs the same however long the log is). What remains at 10,000
// entries is copying the text, which the panel's bound keeps small. The "whole text" rows append
// as the panel once did, by setting the whole text again.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CEdit.h"
#include "platform/framework/CWnd.h"

namespace {

const CString kEntry = "\r\n\r\n" + CString('-', 44) +
                       "\r\n\r\nOpen the source enclosure and remove the MALDI source.\r\n\r\n\r\n\r\n(P:1 S:3  E:0)";

struct Log {
    AutomationSession session;
    CWnd host;
    CEdit edit;
    explicit Log(int entries)
    {
        host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr, 0);
        edit.Attach(::CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_READONLY | WS_VSCROLL,
                                     10, 10, 155, 112, host.m_hWnd, nullptr, nullptr, nullptr));
        edit.LimitText(0);  // the growth itself is measured here, not the panel's bound
        CString text = "PROBE SWAP";
        for (int i = 0; i < entries; ++i) text += kEntry;
        edit.SetWindowText(text);
        edit.GetLineCount();
    }
    ~Log() { edit.Detach(); }
};

void BM_AppendEntry(benchmark::State& state)
{
    Log log(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const int before = log.edit.GetLineCount();
        const int end = log.edit.GetWindowTextLength();
        log.edit.SetSel(end, end, TRUE);
        log.edit.ReplaceSel(kEntry);
        benchmark::DoNotOptimize(log.edit.GetLineCount() - before);
        state.PauseTiming();  // keep the log at its length
        log.edit.SetSel(end, log.edit.GetWindowTextLength(), TRUE);
        log.edit.ReplaceSel("");
        state.ResumeTiming();
    }
}

void BM_AppendEntryWholeText(benchmark::State& state)
{
    Log log(static_cast<int>(state.range(0)));
    CString text;
    log.edit.GetWindowText(text);
    for (auto _ : state) {
        const int before = log.edit.GetLineCount();
        CString now;
        log.edit.GetWindowText(now);
        log.edit.SetWindowText(now + kEntry);
        benchmark::DoNotOptimize(log.edit.GetLineCount() - before);
        state.PauseTiming();
        log.edit.SetWindowText(text);
        log.edit.GetLineCount();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_AppendEntry)->Arg(10)->Arg(230)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AppendEntryWholeText)->Arg(10)->Arg(230)->Arg(10000)->Unit(benchmark::kMicrosecond);

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
        const auto base = m_times.find("BM_AppendEntry/10");
        if (base == m_times.end() || base->second <= 0) return;
        std::printf("\nOne entry, against one entry appended to a 10-entry log (%.2f us):\n", base->second);
        for (const auto& [name, time] : m_times) std::printf("  %-32s %10.2f us   ratio %.2f\n", name.c_str(), time, time / base->second);
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
