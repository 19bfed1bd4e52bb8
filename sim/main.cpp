// maldi-sim: the simulated instrument session (see SimCommandLine.h for the options).
#include <iostream>
#include <string>
#include <vector>

#include "sim/SimCommandLine.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return SimCommandLine::Run(args, std::cout, std::cerr);
}
