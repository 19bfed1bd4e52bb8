// maldi-sim: the simulated instrument session (see SimCommandLine.h for the options; --interactive
// and --replay in SimInteractive.h and SimReplay.h).
#include <iostream>
#include <string>
#include <vector>

#include "sim/SimCommandLine.h"
#include "sim/SimReplay.h"
#ifdef MALDI_DESKTOP
#include "sim/SimInteractive.h"
#endif

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--interactive") {
#ifdef MALDI_DESKTOP
        return SimInteractive::Run(std::vector<std::string>(args.begin() + 1, args.end()), std::cout, std::cerr);
#else
        std::cerr << "maldi-sim: built without the desktop back end (install libsdl2-dev: tools/setup.sh)\n";
        return SimCommandLine::kExitUsage;
#endif
    }
    if (args.size() == 2 && args[0] == "--replay") return SimReplay::Run(args[1], std::cout, std::cerr);
    return SimCommandLine::Run(args, std::cout, std::cerr);
}
