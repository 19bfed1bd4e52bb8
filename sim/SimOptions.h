#pragma once
// What the maldi-sim command line chose.

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
};
