// Reading and writing 100,000-entry mass switch lists and collision energy profiles, in MB/s,
// next to a plain read (one fread of the whole file) of the same file measured in the same run.
// The ratio says what the line parsing and the safe save cost over the disk and the cache alone.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "maldi/experiments/MaldiListFile.h"
#include "platform/auditfile/AuditFile.h"

namespace {

constexpr int kEntries = 100000;

struct Scratch {
    std::filesystem::path dir;
    std::string massPath, profilePath, outPath;
    std::size_t massBytes = 0, profileBytes = 0;
    MaldiSwitchMassList* masses = nullptr;
    MaldiCEProfileList* profile = nullptr;

    Scratch()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "listbench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        dir = pattern;
        massPath = (dir / "mass.txt").string();
        profilePath = (dir / "profile.txt").string();
        outPath = (dir / "out.txt").string();

        masses = MaldiSwitchMassList::Create(100);
        profile = MaldiCEProfileList::Create(100);
        for (int i = 0; i < kEntries; ++i) {
            MaldiSwitchMassEntry m{};
            m.dSetMass = 100.0 + i * 0.0371;
            m.dLM = 2.5 + (i % 7) * 0.125;
            m.dHM = -1.0;
            m.dTimeout = 1.0 + i % 30;
            m.dStopIntensity = 10000.0 * (1 + i % 9);
            for (int k = 0; k < 5; ++k)
                m.dCollisionEnergy[k] = k < 3 ? 15.0 + k * 5 + (i % 11) * 0.5 : -1.0;
            m.wFlags = 0x007D;
            MaldiSwitchMassList::Append(masses, m);

            MaldiCEProfileEntry p{};
            p.dFromMass = 100.0 + i * 0.5;
            p.dToMass = p.dFromMass + 0.4999;
            p.dCarriedA = p.dCarriedB = -1.0;
            for (int k = 0; k < 5; ++k)
                p.dCollisionEnergy[k] = k < 2 ? 20.0 + k * 10 + (i % 13) * 0.25 : -1.0;
            p.wFlags = 0x0003;
            MaldiCEProfileList::Append(profile, p);
        }
        if (!MaldiListFile::WriteMassList(massPath.c_str(), masses) ||
            !MaldiListFile::WriteProfile(profilePath.c_str(), profile))
            std::abort();
        massBytes = std::filesystem::file_size(massPath);
        profileBytes = std::filesystem::file_size(profilePath);
    }
    ~Scratch()
    {
        MaldiSwitchMassList::Destroy(masses);
        MaldiCEProfileList::Destroy(profile);
        std::filesystem::remove_all(dir);
    }
};

Scratch& Files()
{
    static Scratch scratch;
    return scratch;
}

void PlainRead(benchmark::State& state, const std::string& path, std::size_t bytes)
{
    std::vector<char> buffer(bytes);
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "rb");
        std::size_t got = std::fread(buffer.data(), 1, buffer.size(), f);
        std::fclose(f);
        if (got != bytes)
            state.SkipWithError("short read");
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_PlainReadMassFile(benchmark::State& state) { PlainRead(state, Files().massPath, Files().massBytes); }
void BM_PlainReadProfileFile(benchmark::State& state) { PlainRead(state, Files().profilePath, Files().profileBytes); }

void BM_ReadMassList(benchmark::State& state)
{
    for (auto _ : state) {
        MaldiSwitchMassList* list = MaldiListFile::ReadMassList(Files().massPath.c_str());
        if (MaldiSwitchMassList::Count(list) != kEntries)
            state.SkipWithError("list not read back");
        MaldiSwitchMassList::Destroy(list);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Files().massBytes));
}

void BM_ReadProfile(benchmark::State& state)
{
    for (auto _ : state) {
        MaldiCEProfileList* list = MaldiListFile::ReadProfile(Files().profilePath.c_str());
        if (MaldiCEProfileList::Count(list) != kEntries)
            state.SkipWithError("profile not read back");
        MaldiCEProfileList::Destroy(list);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Files().profileBytes));
}

void BM_WriteMassList(benchmark::State& state)
{
    for (auto _ : state)
        if (!MaldiListFile::WriteMassList(Files().outPath.c_str(), Files().masses))
            state.SkipWithError("save failed");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Files().massBytes));
}

void BM_WriteProfile(benchmark::State& state)
{
    for (auto _ : state)
        if (!MaldiListFile::WriteProfile(Files().outPath.c_str(), Files().profile))
            state.SkipWithError("save failed");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Files().profileBytes));
}

// The same writer into /dev/null: no temporary file, no sync to disk, no rename, so this is the
// formatting (and stdio) alone.
void BM_FormatMassList(benchmark::State& state)
{
    for (auto _ : state)
        if (!MaldiListFile::WriteMassList("/dev/null", Files().masses))
            state.SkipWithError("write to /dev/null failed");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Files().massBytes));
}

void BM_FormatProfile(benchmark::State& state)
{
    for (auto _ : state)
        if (!MaldiListFile::WriteProfile("/dev/null", Files().profile))
            state.SkipWithError("write to /dev/null failed");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Files().profileBytes));
}

// The safe save of the finished text of the mass file: temporary file, one write, fsync, rename.
// What the save costs beyond the formatting.
void BM_SafeSaveOnly(benchmark::State& state)
{
    std::string text(Files().massBytes, '\0');
    FILE* in = std::fopen(Files().massPath.c_str(), "rb");
    if (in == nullptr || std::fread(text.data(), 1, text.size(), in) != text.size())
        std::abort();
    std::fclose(in);
    for (auto _ : state) {
        FILE* out = fopenS(Files().outPath.c_str(), "w");
        if (out == nullptr || fprintfS(out, "%.*s", static_cast<int>(text.size()), text.data()) < 0 || fcloseS(out) != 0)
            state.SkipWithError("safe save failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Files().massBytes));
}

BENCHMARK(BM_PlainReadMassFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMassList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteMassList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatMassList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SafeSaveOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadProfileFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadProfile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteProfile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatProfile)->Unit(benchmark::kMillisecond);

// Keeps every run's throughput so that the ratios can be printed after the table.
class ThroughputReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            auto it = run.counters.find("bytes_per_second");
            if (it != run.counters.end() && !run.error_occurred)
                m_mbPerSecond[run.benchmark_name()] = it->second.value / 1e6;
        }
    }
    void PrintRatios() const
    {
        std::printf("\n%d entries; MB/s and the ratio to a plain read of the same file:\n", kEntries);
        Ratio("BM_ReadMassList", "BM_PlainReadMassFile");
        Ratio("BM_WriteMassList", "BM_PlainReadMassFile");
        Ratio("BM_FormatMassList", "BM_PlainReadMassFile");
        Ratio("BM_SafeSaveOnly", "BM_PlainReadMassFile");
        Ratio("BM_ReadProfile", "BM_PlainReadProfileFile");
        Ratio("BM_WriteProfile", "BM_PlainReadProfileFile");
        Ratio("BM_FormatProfile", "BM_PlainReadProfileFile");
        std::printf("  (Write = Format, to /dev/null, plus the safe save: temporary file, fsync, rename)\n");
    }

private:
    void Ratio(const std::string& name, const std::string& baseline) const
    {
        auto a = m_mbPerSecond.find(name);
        auto b = m_mbPerSecond.find(baseline);
        if (a == m_mbPerSecond.end() || b == m_mbPerSecond.end() || b->second <= 0.0)
            return;
        std::printf("  %-18s %9.1f MB/s   plain read %9.1f MB/s   ratio %.4f\n", name.c_str() + 3, a->second,
                    b->second, a->second / b->second);
    }
    std::map<std::string, double> m_mbPerSecond;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Files();  // build the files before the clock starts
    ThroughputReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
