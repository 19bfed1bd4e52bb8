#pragma once
// The maldi-sim command: options, usage, and running the chosen scenarios.
//
//   maldi-sim [--scenario NAME]... [--out DIR] [--pace fast|realtime] [--quiet] [--list] [--help]
//   maldi-sim --monkey SEED [--actions N] [--quiet]       (SimMonkey.h)
//
// Exit codes: 0 every scenario ran to its end, 1 a scenario failed or the monkey found something (the error is printed),
// 2 the command line was wrong (the usage is printed to the error stream).

#include <iosfwd>
#include <string>
#include <vector>

#include "sim/SimOptions.h"

class SimCommandLine {
public:
    static constexpr int kExitOk = 0;
    static constexpr int kExitScenarioFailed = 1;
    static constexpr int kExitUsage = 2;

    // Reads the arguments (without the program name); false with `error` set when they are wrong.
    static bool Parse(const std::vector<std::string>& args, SimOptions& options, std::string& error);
    static std::string Usage();
    // Parses and runs; the transcript and the summary go to `out`, errors and usage to `err`.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};
