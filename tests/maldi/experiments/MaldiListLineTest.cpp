#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "maldi/experiments/MaldiListLine.h"

namespace {

// The fast scan must give sscanf's count, the same bits in every field and the same flags.
void ExpectScansAlike(const std::string& line, int count)
{
    double fast[11], reference[11];
    long fastFlags = 0x5A5A, referenceFlags = 0x5A5A;
    for (int i = 0; i < 11; ++i)
        fast[i] = reference[i] = -1.0;
    const int n = MaldiListLine::Scan(line.c_str(), count, fast, &fastFlags);
    ASSERT_EQ(n, MaldiListLine::ScanReference(line.c_str(), count, reference, &referenceFlags)) << line;
    EXPECT_EQ(std::memcmp(fast, reference, sizeof fast), 0) << line;
    EXPECT_EQ(fastFlags, referenceFlags) << line;
}

// Lines as the reader meets them: pieces of at most 255 characters up to and including "\n".
std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0, end = 0; i < text.size(); i = end) {
        end = std::min(std::min(text.find('\n', i), text.size() - 1) + 1, i + 255);
        lines.push_back(text.substr(i, end - i));
    }
    return lines;
}

TEST(MaldiListLineTest, ScanAgreesWithSscanfOnTheSeedFilesAndTheReaderTestLines)
{
    std::vector<std::string> lines = {
        "250,0,1.5\n", "250", "260,9\n", "300,0,1,2,3,4,5,6,7,8,9\n", "310,0,1,2,3,4,5,6,7,8,9,65537",
        "320,0,1,2,3,4,5,6,7,8,9,-1", "100,200\r\n", "\n", "\r\n", "   \n", "abc,1,2\n", ",1", "7,   8",
        "1e3,2E-2,0x1p4,inf,-nan,nan(1),INFINITY,1e,1e+,.5,-.5,5.,.\n", "+1,-0,-0.000000,00001.2500,1,,2",
        "1 ,2", " 1,2", "1,2,3,4,5,6,7,8,9,10,11,99999999999999999999", "1,2,3,4,5,6,7,8,9,10,11, 7",
        "1,2,3,4,5,6,7,8,9,10,11,+", "1,2,3,4,5,6,7,8,9,10,11,0x1F", "0.1234567890123456789012,1",
        "9007199254740993,9007199254740992.5,123456789012345678901", "1.0000000000000000000000001",
        "-,+,1", "1,2,3\t,4", "12345678901234567890.5", "0.00000000000000000000001",
        "18446744073709551616,1", // 20 digits that wrap 64 bits to zero
    };
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(MALDI_FUZZ_CORPUS)) {
        const std::string folder = entry.path().parent_path().filename().string();
        if (!entry.is_regular_file() || (folder != "read_mass_list" && folder != "read_profile"))
            continue;
        std::stringstream text;
        text << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        const std::vector<std::string> pieces = LinesOf(text.str());
        lines.insert(lines.end(), pieces.begin(), pieces.end());
        ++files;
    }
    EXPECT_GE(files, 4) << "the seed files were not found";
    for (const std::string& line : lines)
        for (int count : {9, 11}) ExpectScansAlike(line, count);
}

TEST(MaldiListLineTest, ScanAgreesWithSscanfOnRandomlyDamagedLines)
{
    std::mt19937_64 random(21);
    const std::string alphabet = "0123456789.,-+eE \n\rxpinfa;";
    char buffer[MaldiListLine::kMaxLineLength];
    for (int round = 0; round < 20000; ++round) {
        double v[11];
        for (double& x : v)
            x = std::ldexp(static_cast<double>(random() % 2000000) - 1000000.0, static_cast<int>(random() % 40) - 30);
        std::string line(buffer, MaldiListLine::FormatReference(buffer, v, 11, static_cast<int>(random() % 70000)));
        for (int damage = static_cast<int>(random() % 4); damage > 0 && !line.empty(); --damage) {
            const std::size_t at = random() % line.size();
            random() % 2 ? void(line[at] = alphabet[random() % alphabet.size()]) : void(line.erase(at, random() % 8));
        }
        ExpectScansAlike(line.substr(0, 255), 11);
        ExpectScansAlike(line.substr(0, 255), 9);
    }
}

// Values where a fast %f goes wrong first: ties at the sixth decimal, the carry into a new digit,
// negative zero and values that round to it, the edge of the fast range, subnormals, inf and nan.
TEST(MaldiListLineTest, FormatAgreesWithPrintfOnTiesCarriesSignsAndEdges)
{
    std::vector<double> values = {0.0, -0.0, 1.0 / 128, 3.0 / 128, -5.0 / 128, 0.0000005, 0.9999995, 999999.9999995,
                                  -1e-9, 4.9999999e-7, 5.0000001e-7, 1e12, std::nextafter(1e12, 0.0), -1e12, 1e300,
                                  -1.7976931348623157e308, 4.9e-324, std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(), std::nan(""), -std::nan(""), 500.25,
                                  1234.5678901, 2.5e-6, 3.5e-6, 0.1, 0.7, 65535.0};
    std::mt19937_64 random(8);
    for (int i = 0; i < 60000; ++i) {
        const std::uint64_t bits = random();
        double x = 0.0;
        std::memcpy(&x, &bits, sizeof x);
        values.push_back(x);                                                                            // anything
        values.push_back(static_cast<double>(static_cast<std::int64_t>(random() % 4000000000000) - 2000000000000) /
                         (i % 2 ? 1e6 : 1024.0));                                                       // file-like and ties
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 100) - 90));
    }
    char fast[MaldiListLine::kMaxLineLength], reference[MaldiListLine::kMaxLineLength];
    for (double x : values) {
        const std::string a(fast, MaldiListLine::FormatFixed6(fast, x));
        const int n = std::snprintf(reference, sizeof reference, "%f", x);
        ASSERT_EQ(a, std::string(reference, static_cast<std::size_t>(n))) << "bits of the value: " << std::hexfloat << x;
    }
    const double line[9] = {100, 500, -1, -1, 20, 30, -1, -1, 1.0 / 128};
    const std::size_t length = MaldiListLine::Format(fast, line, 9, 65535);
    EXPECT_EQ(std::string(fast, length), std::string(reference, MaldiListLine::FormatReference(reference, line, 9, 65535)));
}

}  // namespace
