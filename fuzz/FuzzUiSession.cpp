// Any bytes as an operator session on one window (the first byte chooses it; with the environment
// variable MALDI_FUZZ_WINDOW=<name> every input plays that window): no crash, no sanitizer report,
// no action over a second, no exception but the automation's refusals, every dialog closable.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fuzz/session/UiFuzzWorld.h"
#include "fuzz/session/UiSessionPlayer.h"
#include "fuzz/session/UiWindowFactories.h"

namespace {
const UiWindowFactory* g_window = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (const char* name = std::getenv("MALDI_FUZZ_WINDOW"); name && *name) {
        g_window = UiWindowFactories::Find(name);
        if (!g_window) {
            std::fprintf(stderr, "MALDI_FUZZ_WINDOW: no window named \"%s\"\n", name);
            std::exit(2);
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UiFuzzWorld world;
    UiBytesInput input(data, size);
    try {
        UiSessionPlayer player(world, input, UiSessionPlayer::Options{});
        if (g_window) {
            input.Byte(); // the window slot, as in the corpus
            player.Play(*g_window);
        } else {
            player.Play();
        }
    } catch (const UiSessionFinding& finding) {
        std::fprintf(stderr, "finding: %s\n", finding.what());
        std::fflush(stderr);
        __builtin_trap();
    }
    return 0;
}
