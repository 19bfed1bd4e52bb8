#pragma once
// maldi-sim --monkey SEED [--actions N]: a random operator against the simulated instrument and
// host. Sessions follow one another in one simulated world, each on a window the generator chooses
// (the window fuzzer's sessions, UiSessionPlayer, with the seed in place of the fuzzer's bytes),
// until N actions are done. Every action goes to the transcript, so a finding replays from its seed.

#include <cstdint>
#include <iosfwd>

#include "sim/SimOptions.h"

class SimMonkey {
public:
    static constexpr unsigned kDefaultActions = 200;
    // 0 when no finding; 1 with the finding on `err`.
    static int Run(const SimOptions& options, std::ostream& out, std::ostream& err);
};
