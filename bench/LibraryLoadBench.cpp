// Loading libmaldi_ui.so as a host does (dlopen, all symbols bound), each time in a fresh child
// process, against loading the font library it depends on (with its own dependencies) the same way.
// What the library adds beyond that is its relocations and its static initialisation: the resource
// module registers its dialogs and strings, and its icons are drawn only when first used.

#include <benchmark/benchmark.h>

#include <dlfcn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double g_seconds[2];  // the best load of each, in the order of the benchmarks below

double Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The time a child process takes to load `library`, or a negative value when it could not.
double LoadInChild(const char* library)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        const double start = Now();
        const bool loaded = dlopen(library, RTLD_NOW | RTLD_LOCAL) != nullptr;
        const double took = loaded ? Now() - start : -1;
        const ssize_t written = write(pipeFds[1], &took, sizeof took);
        _exit(written == sizeof took ? 0 : 1);
    }
    close(pipeFds[1]);
    double took = -1;
    if (child < 0 || read(pipeFds[0], &took, sizeof took) != sizeof took) took = -1;
    close(pipeFds[0]);
    if (child > 0) waitpid(child, nullptr, 0);
    return took;
}

void BM_Load(benchmark::State& state, const char* library, int slot)
{
    double best = 1e9;
    for (auto _ : state) {
        const double took = LoadInChild(library);
        if (took < 0) {
            state.SkipWithError((std::string("cannot load ") + library).c_str());
            return;
        }
        state.SetIterationTime(took);
        best = std::min(best, took);
    }
    g_seconds[slot] = best;
}

} // namespace

BENCHMARK_CAPTURE(BM_Load, font_library, "libfreetype.so.6", 0)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load, maldi_ui, MALDI_UI_LIBRARY, 1)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_seconds[0] > 0 && g_seconds[1] > 0)
        std::printf("ratio: loading the library costs %.1f loads of the font library (best %.2f ms against %.2f ms)\n",
                    g_seconds[1] / g_seconds[0], g_seconds[1] * 1e3, g_seconds[0] * 1e3);
    return 0;
}
