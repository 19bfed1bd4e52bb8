// maldi-sim --monkey: a finding is only worth its seed if the seed plays the same session again.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "sim/SimCommandLine.h"

namespace {

int RunSim(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    std::ostringstream o, e;
    int code = SimCommandLine::Run(args, o, e);
    out = o.str();
    err = e.str();
    return code;
}

TEST(SimMonkey, TheSameSeedPlaysTheSameTranscriptAndAnotherSeedAnother)
{
    std::string first, second, other, err;
    ASSERT_EQ(RunSim({"--monkey", "11", "--actions", "300", "--out", "sim-monkey-test"}, first, err), 0) << err;
    ASSERT_EQ(RunSim({"--monkey", "11", "--actions", "300", "--out", "sim-monkey-test"}, second, err), 0) << err;
    ASSERT_EQ(RunSim({"--monkey", "12", "--actions", "300", "--out", "sim-monkey-test"}, other, err), 0) << err;
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
    EXPECT_NE(first.find("300 actions, no finding"), std::string::npos) << first;
    EXPECT_NE(first.find("monkey    window C"), std::string::npos) << first;
}

TEST(SimMonkey, WrongMonkeyOptionsAreRefusedWithTheUsage)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--actions", "5"}, {"--monkey", "x1"}, {"--monkey", "-3"}, {"--monkey", "1", "--actions", "0"},
             {"--monkey"}, {"--monkey", "99999999999999999999999"}}) {
        std::string out, err;
        EXPECT_EQ(RunSim(args, out, err), SimCommandLine::kExitUsage) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_NE(err.find("Usage: maldi-sim"), std::string::npos);
    }
}

} // namespace
