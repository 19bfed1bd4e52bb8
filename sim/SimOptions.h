#pragma once
// What the maldi-sim command line chose.

#include <cstdint>
#include <string>
#include <vector>

struct SimOptions {
    enum class Pace { Fast, Realtime };

    std::vector<std::string> scenarios; // empty: every scenario
    std::string outDir = "sim-output";
    Pace pace = Pace::Fast;
    bool quiet = false;
    bool list = false;
    bool help = false;
    // --monkey SEED [--actions N]: a seeded random operator instead of the scenarios.
    bool monkey = false;
    std::uint64_t monkeySeed = 0;
    unsigned monkeyActions = 200;
};
