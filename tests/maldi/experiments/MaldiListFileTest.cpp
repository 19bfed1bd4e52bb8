#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "maldi/experiments/MaldiListFile.h"
#include "tests/maldi/experiments/AllocationLimit.h"
#include "tests/platform/framework/archive/TempFolder.h"

namespace {

constexpr const char* kMassExample =
    "500.250000,0.000000,3.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,1";
constexpr const char* kProfileExample =
    "100.000000,500.000000,-1.000000,-1.000000,20.000000,30.000000,-1.000000,-1.000000,-1.000000,3";

// Entries built from their numbers in field order; numbers left out are -1.0 (not given).
MaldiSwitchMassEntry Mass(std::vector<double> v, WORD flags)
{
    v.resize(10, -1.0);
    return {v[0], v[1], v[2], v[3], v[4], {v[5], v[6], v[7], v[8], v[9]}, flags};
}
MaldiCEProfileEntry Range(std::vector<double> v, WORD flags)
{
    v.resize(9, -1.0);
    return {v[0], v[1], v[2], v[3], {v[4], v[5], v[6], v[7], v[8]}, flags};
}
std::vector<double> Fields(const MaldiSwitchMassEntry& e)
{
    const double* ce = e.dCollisionEnergy;
    return {e.dSetMass, e.dLM, e.dHM, e.dTimeout, e.dStopIntensity, ce[0], ce[1], ce[2], ce[3], ce[4]};
}
std::vector<double> Fields(const MaldiCEProfileEntry& e)
{
    const double* ce = e.dCollisionEnergy;
    return {e.dFromMass, e.dToMass, e.dCarriedA, e.dCarriedB, ce[0], ce[1], ce[2], ce[3], ce[4]};
}

// Same values to the six decimals of the file, same flags exactly.
template <class Entry>
void ExpectSame(const std::vector<Entry>& got, const std::vector<Entry>& expected)
{
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        std::vector<double> a = Fields(got[i]), b = Fields(expected[i]);
        for (std::size_t f = 0; f < a.size(); ++f)
            EXPECT_NEAR(a[f], b[f], 5e-7) << "entry " << i << ", field " << f + 1;
        EXPECT_EQ(got[i].wFlags, expected[i].wFlags) << "entry " << i;
    }
}

template <class Entry>
MaldiEntryList<Entry>* ListOf(const std::vector<Entry>& entries)
{
    auto* list = MaldiEntryList<Entry>::Create(100);
    for (const Entry& e : entries)
        MaldiEntryList<Entry>::Append(list, e);
    return list;
}

// Files this process holds open: a reader that does not close its file keeps it from the host.
long OpenFiles()
{
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
}

class MaldiListFileTest : public TempFolder {
protected:
    // The entries read from a file of this text, or nothing when the reader gives no list.
    std::optional<std::vector<MaldiSwitchMassEntry>> ReadMass(const std::string& text)
    {
        return ReadBack(text, &MaldiListFile::ReadMassList);
    }
    std::optional<std::vector<MaldiCEProfileEntry>> ReadProfile(const std::string& text)
    {
        return ReadBack(text, &MaldiListFile::ReadProfile);
    }

    template <class Entry>
    std::optional<std::vector<Entry>> ReadBack(const std::string& text, MaldiEntryList<Entry>* (*read)(LPCTSTR))
    {
        std::string path = PathOf("in.txt");
        Put(path, text);
        const long open = OpenFiles();
        MaldiEntryList<Entry>* list = read(path.c_str());
        EXPECT_EQ(OpenFiles(), open) << "the file was left open";
        if (list == nullptr)
            return std::nullopt;
        std::vector<Entry> entries(static_cast<std::size_t>(MaldiEntryList<Entry>::Count(list)));
        MaldiEntryList<Entry>::CopyOut(list, entries.data());
        MaldiEntryList<Entry>::Destroy(list);
        return entries;
    }
};

TEST_F(MaldiListFileTest, WritersProduceTheDocumentedLines)
{
    std::string path = PathOf("mass.txt");
    MaldiSwitchMassList* masses = ListOf<MaldiSwitchMassEntry>({Mass({500.25, 3.0}, 0x0001), Mass({0.0000004}, 0)});
    ASSERT_TRUE(MaldiListFile::WriteMassList(path.c_str(), masses));
    EXPECT_EQ(Get(path), std::string(kMassExample) + "\n" +
                             "0.000000,0.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,"
                             "-1.000000,-1.000000,-1.000000,0");
    MaldiSwitchMassList::Destroy(masses);

    path = PathOf("profile.txt");
    MaldiCEProfileList* profile = ListOf<MaldiCEProfileEntry>({Range({100, 500, -1, -1, 20, 30}, 0x0003)});
    ASSERT_TRUE(MaldiListFile::WriteProfile(path.c_str(), profile));
    EXPECT_EQ(Get(path), kProfileExample) << "no line end after the last line";
    MaldiCEProfileList::Destroy(profile);
}

TEST_F(MaldiListFileTest, WrittenListsReadBackTheSame)
{
    std::vector<MaldiSwitchMassEntry> masses = {
        Mass({500.25, 3.0}, 0x0001),
        Mass({1234.5678901, 0.1, 2.25, 30, 1e6, 10, 20, 30, 40, 50}, 0x01FF),
        Mass({99.999999, -1, 7.5, -1, -1, -1, 12.125}, 0x0022),
        Mass({-3.5}, 0xFE00),  // meaningless high bits are carried through
    };
    std::string path = PathOf("mass.txt");
    MaldiSwitchMassList* list = ListOf(masses);
    ASSERT_TRUE(MaldiListFile::WriteMassList(path.c_str(), list));
    MaldiSwitchMassList::Destroy(list);
    ExpectSame(ReadMass(Get(path)).value(), masses);

    std::vector<MaldiCEProfileEntry> ranges = {
        Range({100, 500, -1, -1, 20, 30}, 0x0003),
        Range({500.5, 1000.125, 4.5, 6.25, 10, 20, 30, 40, 50}, 0x001F),
        Range({1000, 2000, -1, -1, -1, 15}, 0x8002),
    };
    path = PathOf("profile.txt");
    MaldiCEProfileList* profile = ListOf(ranges);
    ASSERT_TRUE(MaldiListFile::WriteProfile(path.c_str(), profile));
    MaldiCEProfileList::Destroy(profile);
    ExpectSame(ReadProfile(Get(path)).value(), ranges);
}

TEST_F(MaldiListFileTest, EmptyListIsAnEmptyFileNotNoList)
{
    std::string path = PathOf("empty.txt");
    MaldiSwitchMassList* masses = MaldiSwitchMassList::Create(100);
    ASSERT_TRUE(MaldiListFile::WriteMassList(path.c_str(), masses));
    MaldiSwitchMassList::Destroy(masses);
    EXPECT_EQ(Get(path), "");
    ASSERT_TRUE(ReadMass("").has_value());
    EXPECT_TRUE(ReadMass("")->empty());

    Put(path, "stale");
    MaldiCEProfileList* profile = MaldiCEProfileList::Create(100);
    ASSERT_TRUE(MaldiListFile::WriteProfile(path.c_str(), profile));
    MaldiCEProfileList::Destroy(profile);
    EXPECT_EQ(Get(path), "");
    ASSERT_TRUE(ReadProfile("").has_value());
    EXPECT_TRUE(ReadProfile("")->empty());
}

TEST_F(MaldiListFileTest, FieldsLeftOutAreNotGiven)
{
    ExpectSame(ReadMass("250,0,1.5\n"
                        "250\n"
                        "260,9\n"
                        "300,0,1,2,3,4,5,6,7,8,9\n"
                        "310,0,1,2,3,4,5,6,7,8,9,65537\n"
                        "320,0,1,2,3,4,5,6,7,8,9,-1")
                   .value(),
               {Mass({250, 1.5}, 0xFE01), Mass({250}, 0xFE00), Mass({260}, 0xFE00),
                Mass({300, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0xFFFF),
                Mass({310, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0x0001),  // flags keep their low 16 bits
                Mass({320, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0xFFFF)});

    ExpectSame(ReadProfile("300\n"
                           "100,200\n"
                           "100,200,5,6,7\n"
                           "100,200,5,6,1,2,3,4,5\n"
                           "100,200,5,6,1,2,3,4,5,4\n"
                           "100,200\r\n")
                   .value(),
               {Range({300, 300}, 0xFFE0), Range({100, 200}, 0xFFE0), Range({100, 200, 5, 6, 7}, 0xFFE1),
                Range({100, 200, 5, 6, 1, 2, 3, 4, 5}, 0xFFFF), Range({100, 200, 5, 6, 1, 2, 3, 4, 5}, 0x0004),
                Range({100, 200}, 0xFFE0)});
}

TEST_F(MaldiListFileTest, CommentsBelongToTheMassListOnly)
{
    ExpectSame(ReadMass(";list made by hand\n500,0,1\n; second\n600,0,2\n;\n700\n;last").value(),
               ReadMass("500,0,1\n600,0,2\n700").value());
    ASSERT_TRUE(ReadMass(";only a comment").has_value());
    EXPECT_TRUE(ReadMass(";only a comment")->empty());
    EXPECT_FALSE(ReadProfile("100,200\n;not a comment here\n300,400").has_value());
}

TEST_F(MaldiListFileTest, LineWithoutANumberRefusesTheWholeFile)
{
    for (const char* text : {
             "500,0,1\n\n600,0,2",  // a line holding only its line end
             "500,0,1\n\r\n600",     // the same from a CR/LF file
             "500\n   \n",
             "abc,1,2\n500",
             "500\n,1",
         }) {
        EXPECT_FALSE(ReadMass(text).has_value()) << "mass list " << text;
        EXPECT_FALSE(ReadProfile(text).has_value()) << "profile " << text;
    }
    EXPECT_EQ(ReadMass("500,0,1\r\n600,0,2\r\n")->size(), 2u) << "CR/LF line ends are harmless";
}

TEST_F(MaldiListFileTest, LongLinesAreReadInPiecesOf255)
{
    // The first piece holds "7," and blanks; the rest of the line is an entry of its own.
    std::string blanks(253, ' ');
    ExpectSame(ReadMass("7," + blanks + "8,0,2.5\n9").value(),
               {Mass({7}, 0xFE00), Mass({8, 2.5}, 0xFE01), Mass({9}, 0xFE00)});
    ExpectSame(ReadProfile("1," + blanks + "2,3").value(), {Range({1, 1}, 0xFFE0), Range({2, 3}, 0xFFE0)});

    // 254 characters and the line end fit in one read; at 255 the line end is left over as a line
    // of its own, which refuses the file.
    EXPECT_EQ(ReadMass("5" + blanks + "\n6")->size(), 2u);
    EXPECT_FALSE(ReadMass("5" + blanks + " \n6").has_value());
}

TEST_F(MaldiListFileTest, ReadingGrowsTheListAndNeedsMemory)
{
    std::string path = PathOf("long.txt");
    std::string text;
    for (int i = 0; i < 150; ++i)
        text += std::to_string(100 + i) + ",0,1\n";
    Put(path, text);
    MaldiSwitchMassList* list = MaldiListFile::ReadMassList(path.c_str());
    ASSERT_EQ(MaldiSwitchMassList::Count(list), 150);
    EXPECT_EQ(list->nCapacity, 200);
    EXPECT_EQ(list->pEntries[149].dSetMass, 249);
    MaldiSwitchMassList::Destroy(list);

    // No memory for the first list or for its array or for its growth: no list, not a cut-off one.
    for (int allowed : {0, 1, 2}) {
        AllocationLimit limit(allowed);
        EXPECT_EQ(MaldiListFile::ReadMassList(path.c_str()), nullptr) << allowed;
        EXPECT_EQ(MaldiListFile::ReadProfile(path.c_str()), nullptr) << allowed;
    }
}

TEST_F(MaldiListFileTest, PathsThatCannotBeUsed)
{
    std::string file = PathOf("file.txt");
    Put(file, "100");
    MaldiSwitchMassList* masses = ListOf<MaldiSwitchMassEntry>({Mass({500}, 0)});
    MaldiCEProfileList* profile = ListOf<MaldiCEProfileEntry>({Range({1, 2}, 0)});
    // Which paths cannot be opened is the audited file functions' test; here one of each use.
    EXPECT_EQ(MaldiListFile::ReadMassList(PathOf("missing.txt").c_str()), nullptr);
    EXPECT_EQ(MaldiListFile::ReadProfile(PathOf("missing.txt").c_str()), nullptr);
    EXPECT_FALSE(MaldiListFile::WriteMassList(PathOf("no-folder/list.txt").c_str(), masses));
    EXPECT_FALSE(MaldiListFile::WriteProfile(PathOf("no-folder/list.txt").c_str(), profile));
    // No path, no list: nothing happens.
    EXPECT_EQ(MaldiListFile::ReadMassList(nullptr), nullptr);
    EXPECT_EQ(MaldiListFile::ReadProfile(nullptr), nullptr);
    EXPECT_FALSE(MaldiListFile::WriteMassList(nullptr, masses));
    EXPECT_FALSE(MaldiListFile::WriteProfile(nullptr, profile));
    EXPECT_FALSE(MaldiListFile::WriteMassList(file.c_str(), nullptr));
    EXPECT_FALSE(MaldiListFile::WriteProfile(file.c_str(), nullptr));
    EXPECT_EQ(Get(file), "100");
    EXPECT_EQ(FilesInFolder(), 1u);

    // A device that takes nothing: the failure is reported.
    EXPECT_FALSE(MaldiListFile::WriteMassList("/dev/full", masses));
    MaldiSwitchMassList::Destroy(masses);
    MaldiCEProfileList::Destroy(profile);
}

TEST_F(MaldiListFileTest, FailedSaveKeepsThePreviousFile)
{
    std::string path = PathOf("mass.txt");
    Put(path, kMassExample);
    MaldiSwitchMassList* big = MaldiSwitchMassList::Create(100);
    for (int i = 0; i < 1000; ++i)
        MaldiSwitchMassList::Append(big, Mass({100.0 + i, 1, 2, 3}, 0x0007));
    bool saved = true;
    {
        DiskFull limit(8192);  // the disk fills up part-way through the save
        saved = MaldiListFile::WriteMassList(path.c_str(), big);
    }
    MaldiSwitchMassList::Destroy(big);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Get(path), kMassExample);
    EXPECT_EQ(FilesInFolder(), 1u);
}

}  // namespace
