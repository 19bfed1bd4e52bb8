#pragma once
// What the scenario tests share: each test's own output folder, and transcript lines in order.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "sim/SimOptions.h"
#include "sim/SimTranscript.h"

namespace simtest {

// The build's test output folder.
inline std::filesystem::path OutputRoot()
{
    const char* root = std::getenv("MALDI_TEST_OUTPUT");
    return root ? root : "test-output";
}

// Each test its own folder: tests run in parallel and would otherwise write the same files.
inline SimOptions TestOptions()
{
    SimOptions options;
    options.outDir = (OutputRoot() / "sim" / ::testing::UnitTest::GetInstance()->current_test_info()->name()).string();
    return options;
}

// Lines of the transcript in order: each text found after the one before it.
inline ::testing::AssertionResult InOrder(const SimTranscript& transcript, const std::vector<std::string>& texts)
{
    int at = 0;
    for (const std::string& text : texts) {
        int found = transcript.Find(text, std::string(), at);
        if (found < 0) return ::testing::AssertionFailure() << "\"" << text << "\" missing or out of order";
        at = found + 1;
    }
    return ::testing::AssertionSuccess();
}

} // namespace simtest
