// The maldi-sim command line: options, usage and exit codes, run in-process.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SimTestSupport.h"
#include "sim/SimCommandLine.h"
#include "sim/SimScenarios.h"

namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result RunCommand(std::vector<std::string> args)
{
    std::ostringstream out, err;
    int code = SimCommandLine::Run(args, out, err);
    return Result{code, out.str(), err.str()};
}

} // namespace

TEST(SimCommandLine, WrongArgumentsGiveTheUsageAndExitCodeTwo)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--bogus"}, {"--scenario", "no-such-scenario"}, {"--scenario"},
          {"--pace", "slow"}, {"--out"}, {"--out="}, {"--quiet=yes"}, {"extra"}, {"--scenario", "--quiet"},
          {"--actions", "5"}, {"--monkey", "x1"}, {"--monkey", "-3"}, {"--monkey", "1", "--actions", "0"},
          {"--monkey"}, {"--monkey", "99999999999999999999999"}}) {
        Result result = RunCommand(args);
        EXPECT_EQ(result.code, SimCommandLine::kExitUsage) << args[0];
        EXPECT_NE(result.err.find("maldi-sim: "), std::string::npos) << args[0];
        EXPECT_NE(result.err.find("Usage: maldi-sim"), std::string::npos) << args[0];
        EXPECT_TRUE(result.out.empty()) << args[0] << ": nothing may run";
    }
    EXPECT_NE(RunCommand({"--scenario", "no-such-scenario"}).err.find("unknown scenario \"no-such-scenario\""),
              std::string::npos);
    EXPECT_NE(RunCommand({"--pace", "slow"}).err.find("unknown pace \"slow\""), std::string::npos);
}

// A monkey's finding is only worth its seed if the seed plays the same session again.
TEST(SimCommandLine, TheSameMonkeySeedPlaysTheSameTranscriptAndAnotherSeedAnother)
{
    const std::vector<std::string> args{"--monkey", "11", "--actions", "300", "--out", "sim-monkey-test"};
    std::vector<std::string> other = args;
    other[1] = "12";
    Result first = RunCommand(args);
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(RunCommand(args).out, first.out);
    EXPECT_NE(RunCommand(other).out, first.out);
    EXPECT_NE(first.out.find("300 actions, no finding"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("monkey    window C"), std::string::npos) << first.out;
}

TEST(SimCommandLine, ListAndHelpNameEveryScenarioAndRunNothing)
{
    Result list = RunCommand({"--list"});
    Result help = RunCommand({"--help"});
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(help.code, 0);
    for (const SimScenario& scenario : SimScenarios::All()) {
        EXPECT_NE(list.out.find(scenario.name), std::string::npos);
        EXPECT_NE(help.out.find(scenario.name), std::string::npos);
    }
    EXPECT_NE(help.out.find("--pace"), std::string::npos);
    EXPECT_EQ(list.out.find("==="), std::string::npos);
}

TEST(SimCommandLine, QuietRunPrintsOnlyTheSummaryAndNamesTheOutputFolder)
{
    ASSERT_FALSE(SimScenarios::All().empty());
    std::string folder = (simtest::OutputRoot() / "sim-quiet").string();
    std::string name = SimScenarios::All().back().name;
    Result result = RunCommand({"--scenario", name, "--quiet", "--out=" + folder});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(result.err.empty()) << result.err;
    EXPECT_NE(result.out.find("=== " + name), std::string::npos);
    EXPECT_NE(result.out.find("1 of 1 scenarios ran to their end"), std::string::npos);
    EXPECT_NE(result.out.find(std::filesystem::absolute(folder).string()), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("oper "), std::string::npos) << "no transcript when quiet";
}

TEST(SimCommandLine, AnOutputFolderThatCannotBeMadeFailsTheScenarioWithExitCodeOne)
{
    std::filesystem::path blocker = simtest::OutputRoot() / "sim-blocker";
    std::filesystem::create_directories(blocker.parent_path());
    { std::ofstream file(blocker); file << "a file where the folder should go"; }
    Result result = RunCommand({"--scenario", "esi-probe", "--quiet", "--out", (blocker / "shots").string()});
    EXPECT_EQ(result.code, SimCommandLine::kExitScenarioFailed);
    EXPECT_NE(result.err.find("scenario esi-probe failed"), std::string::npos) << result.err;
    EXPECT_NE(result.out.find("0 of 1 scenarios ran to their end"), std::string::npos) << result.out;
}
