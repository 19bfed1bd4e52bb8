// Every committed session of the window fuzzer, replayed window by window: a change that makes one
// of them crash, hang, throw or leave a dialog open fails here before any fuzzing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/session/UiFuzzWorld.h"
#include "fuzz/session/UiSessionPlayer.h"
#include "fuzz/session/UiWindowFactories.h"

namespace {

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Plays the bytes as the fuzzer does; the finding's text, empty when there is none.
std::string Replay(const std::vector<std::uint8_t>& bytes, unsigned* actions = nullptr)
{
    UiFuzzWorld world;
    UiBytesInput input(bytes.data(), bytes.size());
    UiSessionPlayer::Options options;
    options.hangSeconds = 3.0; // the fuzzer holds to 1 s; a shared, sanitised test machine gets slack
    UiSessionPlayer player(world, input, options);
    try {
        player.Play();
    } catch (const UiSessionFinding& finding) {
        return finding.what();
    }
    if (actions) *actions = player.Actions();
    return std::string();
}

class UiSessionCorpus : public ::testing::TestWithParam<UiWindowFactory> {};

TEST_P(UiSessionCorpus, EverySessionOfTheWindowPlaysWithoutAFinding)
{
    const UiWindowFactory& window = GetParam();
    int sessions = 0;
    unsigned total = 0;
    for (const auto& entry : std::filesystem::directory_iterator(MALDI_UI_CORPUS)) {
        std::string name = entry.path().filename().string();
        if (name.rfind(std::string(window.name) + "-", 0) != 0) continue;
        ++sessions;
        std::vector<std::uint8_t> bytes = ReadAll(entry.path());
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(UiWindowFactories::Find(window.name), &UiWindowFactories::All()[bytes[0] % 16u]) << name << " opens another window";
        unsigned actions = 0;
        EXPECT_EQ(Replay(bytes, &actions), "") << name;
        total += actions;
    }
    EXPECT_GE(sessions, 3) << "the corpus needs a few sessions of " << window.className;
    EXPECT_GT(total, 20u) << "the sessions of " << window.className << " hardly act on it";
}

INSTANTIATE_TEST_SUITE_P(Windows, UiSessionCorpus, ::testing::ValuesIn(UiWindowFactories::All()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// A session that runs out of bytes anywhere (even before choosing a window) still ends cleanly.
TEST(UiSessionInput, TruncatedSessionsEndWithoutAFinding)
{
    std::vector<std::uint8_t> bytes = ReadAll(std::filesystem::path(MALDI_UI_CORPUS) / "survey-sheet-2");
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{7}, std::size_t{40}})
        EXPECT_EQ(Replay(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(std::min(size, bytes.size())))), "")
            << size << " bytes";
}

} // namespace
