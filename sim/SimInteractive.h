#pragma once
// maldi-sim --interactive [--scenario NAME] [--record FILE]: the simulated host and instrument in
// real time on the desktop, a person as the operator (see SimReplay.h for the recording). The
// session ends when the person closes the last window or quits (Ctrl+C, or the display closes).

#include <iosfwd>
#include <string>
#include <vector>

class SimInteractive {
public:
    // `args` are the command's arguments after --interactive. Exit codes as SimCommandLine's.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};
