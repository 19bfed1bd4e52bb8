#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "maldi/experiments/MaldiListFile.h"
#include "tests/maldi/experiments/ListTestSupport.h"

namespace {

constexpr const char* kMassExample =
    "500.250000,0.000000,3.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,1";
constexpr const char* kProfileExample =
    "100.000000,500.000000,-1.000000,-1.000000,20.000000,30.000000,-1.000000,-1.000000,-1.000000,3";

MaldiSwitchMassEntry MassEntry(double setMass, std::vector<double> values, WORD flags)
{
    MaldiSwitchMassEntry e{};
    e.dSetMass = setMass;
    double* fields[] = {&e.dLM, &e.dHM, &e.dTimeout, &e.dStopIntensity, &e.dCollisionEnergy[0],
                        &e.dCollisionEnergy[1], &e.dCollisionEnergy[2], &e.dCollisionEnergy[3], &e.dCollisionEnergy[4]};
    for (std::size_t i = 0; i < 9; ++i)
        *fields[i] = i < values.size() ? values[i] : -1.0;
    e.wFlags = flags;
    return e;
}

MaldiCEProfileEntry ProfileEntry(double from, double to, std::vector<double> rest, WORD flags)
{
    MaldiCEProfileEntry e{};
    e.dFromMass = from;
    e.dToMass = to;
    double* fields[] = {&e.dCarriedA, &e.dCarriedB, &e.dCollisionEnergy[0], &e.dCollisionEnergy[1],
                        &e.dCollisionEnergy[2], &e.dCollisionEnergy[3], &e.dCollisionEnergy[4]};
    for (std::size_t i = 0; i < 7; ++i)
        *fields[i] = i < rest.size() ? rest[i] : -1.0;
    e.wFlags = flags;
    return e;
}

void ExpectSame(const MaldiSwitchMassEntry& a, const MaldiSwitchMassEntry& b)
{
    EXPECT_NEAR(a.dSetMass, b.dSetMass, 5e-7);
    EXPECT_NEAR(a.dLM, b.dLM, 5e-7);
    EXPECT_NEAR(a.dHM, b.dHM, 5e-7);
    EXPECT_NEAR(a.dTimeout, b.dTimeout, 5e-7);
    EXPECT_NEAR(a.dStopIntensity, b.dStopIntensity, 5e-7);
    for (int k = 0; k < 5; ++k)
        EXPECT_NEAR(a.dCollisionEnergy[k], b.dCollisionEnergy[k], 5e-7) << "energy " << k + 1;
    EXPECT_EQ(a.wFlags, b.wFlags);
}

void ExpectSame(const MaldiCEProfileEntry& a, const MaldiCEProfileEntry& b)
{
    EXPECT_NEAR(a.dFromMass, b.dFromMass, 5e-7);
    EXPECT_NEAR(a.dToMass, b.dToMass, 5e-7);
    EXPECT_NEAR(a.dCarriedA, b.dCarriedA, 5e-7);
    EXPECT_NEAR(a.dCarriedB, b.dCarriedB, 5e-7);
    for (int k = 0; k < 5; ++k)
        EXPECT_NEAR(a.dCollisionEnergy[k], b.dCollisionEnergy[k], 5e-7) << "energy " << k + 1;
    EXPECT_EQ(a.wFlags, b.wFlags);
}

template <class Entry>
MaldiEntryList<Entry>* ListOf(const std::vector<Entry>& entries)
{
    auto* list = MaldiEntryList<Entry>::Create(100);
    for (const Entry& e : entries)
        MaldiEntryList<Entry>::Append(list, e);
    return list;
}

class MaldiListFileTest : public ScratchFolder {
protected:
    // The mass list read from a file of this text; its entries, or none when there is no list.
    std::vector<MaldiSwitchMassEntry> ReadMass(const std::string& text, bool* gotList = nullptr)
    {
        return ReadBack<MaldiSwitchMassEntry>(text, &MaldiListFile::ReadMassList, gotList);
    }
    std::vector<MaldiCEProfileEntry> ReadProfile(const std::string& text, bool* gotList = nullptr)
    {
        return ReadBack<MaldiCEProfileEntry>(text, &MaldiListFile::ReadProfile, gotList);
    }

    template <class Entry>
    std::vector<Entry> ReadBack(const std::string& text, MaldiEntryList<Entry>* (*read)(LPCTSTR), bool* gotList)
    {
        std::string path = PathOf("in.txt");
        Put(path, text);
        MaldiEntryList<Entry>* list = read(path.c_str());
        if (gotList != nullptr)
            *gotList = list != nullptr;
        std::vector<Entry> entries(static_cast<std::size_t>(MaldiEntryList<Entry>::Count(list)));
        MaldiEntryList<Entry>::CopyOut(list, entries.data());
        MaldiEntryList<Entry>::Destroy(list);
        return entries;
    }
};

TEST_F(MaldiListFileTest, WritersProduceTheDocumentedLines)
{
    std::string path = PathOf("mass.txt");
    MaldiSwitchMassList* masses = ListOf<MaldiSwitchMassEntry>(
        {MassEntry(500.25, {3.0}, 0x0001), MassEntry(0.0000004, {}, 0x0000)});
    ASSERT_TRUE(MaldiListFile::WriteMassList(path.c_str(), masses));
    EXPECT_EQ(Get(path), std::string(kMassExample) + "\n" +
                             "0.000000,0.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,-1.000000,"
                             "-1.000000,-1.000000,-1.000000,0");
    MaldiSwitchMassList::Destroy(masses);

    path = PathOf("profile.txt");
    MaldiCEProfileList* profile = ListOf<MaldiCEProfileEntry>({ProfileEntry(100, 500, {-1, -1, 20, 30}, 0x0003)});
    ASSERT_TRUE(MaldiListFile::WriteProfile(path.c_str(), profile));
    EXPECT_EQ(Get(path), kProfileExample) << "no line end after the last line";
    MaldiCEProfileList::Destroy(profile);
}

TEST_F(MaldiListFileTest, MassListRoundTrip)
{
    std::vector<MaldiSwitchMassEntry> written = {
        MassEntry(500.25, {3.0}, 0x0001),
        MassEntry(1234.5678901, {0.1, 2.25, 30, 1e6, 10, 20, 30, 40, 50}, 0x01FF),
        MassEntry(99.999999, {-1, 7.5, -1, -1, -1, 12.125}, 0x0022),
        MassEntry(-3.5, {}, 0xFE00),  // meaningless high bits are carried through
    };
    std::string path = PathOf("mass.txt");
    MaldiSwitchMassList* list = ListOf(written);
    ASSERT_TRUE(MaldiListFile::WriteMassList(path.c_str(), list));
    MaldiSwitchMassList::Destroy(list);

    list = MaldiListFile::ReadMassList(path.c_str());
    ASSERT_EQ(MaldiSwitchMassList::Count(list), 4);
    for (std::size_t i = 0; i < written.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectSame(list->pEntries[i], written[i]);
    }
    EXPECT_NEAR(list->pEntries[1].dSetMass, 1234.567890, 1e-9) << "six decimals";
    MaldiSwitchMassList::Destroy(list);
}

TEST_F(MaldiListFileTest, ProfileRoundTrip)
{
    std::vector<MaldiCEProfileEntry> written = {
        ProfileEntry(100, 500, {-1, -1, 20, 30}, 0x0003),
        ProfileEntry(500.5, 1000.125, {4.5, 6.25, 10, 20, 30, 40, 50}, 0x001F),
        ProfileEntry(1000, 2000, {-1, -1, -1, 15}, 0x8002),
    };
    std::string path = PathOf("profile.txt");
    MaldiCEProfileList* list = ListOf(written);
    ASSERT_TRUE(MaldiListFile::WriteProfile(path.c_str(), list));
    MaldiCEProfileList::Destroy(list);

    list = MaldiListFile::ReadProfile(path.c_str());
    ASSERT_EQ(MaldiCEProfileList::Count(list), 3);
    for (std::size_t i = 0; i < written.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectSame(list->pEntries[i], written[i]);
    }
    MaldiCEProfileList::Destroy(list);
}

TEST_F(MaldiListFileTest, EmptyListIsAnEmptyFileNotNoList)
{
    std::string path = PathOf("empty.txt");
    MaldiSwitchMassList* masses = MaldiSwitchMassList::Create(100);
    ASSERT_TRUE(MaldiListFile::WriteMassList(path.c_str(), masses));
    MaldiSwitchMassList::Destroy(masses);
    EXPECT_EQ(Get(path), "");
    masses = MaldiListFile::ReadMassList(path.c_str());
    ASSERT_NE(masses, nullptr);
    EXPECT_EQ(MaldiSwitchMassList::Count(masses), 0);
    MaldiSwitchMassList::Destroy(masses);

    MaldiCEProfileList* profile = MaldiCEProfileList::Create(100);
    ASSERT_TRUE(MaldiListFile::WriteProfile(path.c_str(), profile));
    MaldiCEProfileList::Destroy(profile);
    EXPECT_EQ(Get(path), "");
    profile = MaldiListFile::ReadProfile(path.c_str());
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(MaldiCEProfileList::Count(profile), 0);
    MaldiCEProfileList::Destroy(profile);
}

TEST_F(MaldiListFileTest, MassLinesWithFieldsLeftOut)
{
    std::vector<MaldiSwitchMassEntry> got = ReadMass(
        "250,0,1.5\n"
        "250\n"
        "260,9\n"
        "300,0,1,2,3,4,5,6,7,8,9\n"
        "310,0,1,2,3,4,5,6,7,8,9,65537\n"
        "320,0,1,2,3,4,5,6,7,8,9,-1");
    ASSERT_EQ(got.size(), 6u);
    ExpectSame(got[0], MassEntry(250, {1.5}, 0xFE01));
    ExpectSame(got[1], MassEntry(250, {}, 0xFE00));
    ExpectSame(got[2], MassEntry(260, {}, 0xFE00));
    ExpectSame(got[3], MassEntry(300, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 0xFFFF));
    ExpectSame(got[4], MassEntry(310, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 0x0001));  // low 16 bits
    ExpectSame(got[5], MassEntry(320, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 0xFFFF));
}

TEST_F(MaldiListFileTest, ProfileLinesWithFieldsLeftOut)
{
    std::vector<MaldiCEProfileEntry> got = ReadProfile(
        "300\n"
        "100,200\n"
        "100,200,5,6,7\n"
        "100,200,5,6,1,2,3,4,5\n"
        "100,200,5,6,1,2,3,4,5,4\n"
        "100,200\r\n");
    ASSERT_EQ(got.size(), 6u) << "a final line end adds no line";
    ExpectSame(got[0], ProfileEntry(300, 300, {}, 0xFFE0));
    ExpectSame(got[1], ProfileEntry(100, 200, {}, 0xFFE0));
    ExpectSame(got[2], ProfileEntry(100, 200, {5, 6, 7}, 0xFFE1));
    ExpectSame(got[3], ProfileEntry(100, 200, {5, 6, 1, 2, 3, 4, 5}, 0xFFFF));
    ExpectSame(got[4], ProfileEntry(100, 200, {5, 6, 1, 2, 3, 4, 5}, 0x0004));
    ExpectSame(got[5], got[1]);
}

TEST_F(MaldiListFileTest, CommentsBelongToTheMassListOnly)
{
    std::string plain = "500,0,1\n600,0,2\n700";
    std::string commented = ";list made by hand\n500,0,1\n; second\n600,0,2\n;\n700\n;last";
    std::vector<MaldiSwitchMassEntry> expected = ReadMass(plain);
    std::vector<MaldiSwitchMassEntry> got = ReadMass(commented);
    ASSERT_EQ(expected.size(), 3u);
    ASSERT_EQ(got.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        ExpectSame(got[i], expected[i]);

    bool gotList = true;
    ReadProfile("100,200\n;not a comment here\n300,400", &gotList);
    EXPECT_FALSE(gotList);
}

TEST_F(MaldiListFileTest, LinesWithoutANumberRefuseTheFile)
{
    const char* bad[] = {
        "500,0,1\n\n600,0,2",  // a line holding only its line end
        "500,0,1\n\r\n600",     // the same from a CR/LF file
        "500\n   \n",
        "abc,1,2\n500",
        "500\n,1",
    };
    for (const char* text : bad) {
        bool gotList = true;
        ReadMass(text, &gotList);
        EXPECT_FALSE(gotList) << "mass list " << text;
        gotList = true;
        ReadProfile(text, &gotList);
        EXPECT_FALSE(gotList) << "profile " << text;
    }
    // CR/LF line ends on their own are harmless.
    EXPECT_EQ(ReadMass("500,0,1\r\n600,0,2\r\n").size(), 2u);
}

TEST_F(MaldiListFileTest, LongLinesAreReadInPiecesOf255)
{
    // The first piece holds "7," and blanks; the rest of the line is an entry of its own.
    std::string split = "7," + std::string(253, ' ') + "8,0,2.5";
    std::vector<MaldiSwitchMassEntry> masses = ReadMass(split + "\n9");
    ASSERT_EQ(masses.size(), 3u);
    ExpectSame(masses[0], MassEntry(7, {}, 0xFE00));
    ExpectSame(masses[1], MassEntry(8, {2.5}, 0xFE01));
    ExpectSame(masses[2], MassEntry(9, {}, 0xFE00));

    std::vector<MaldiCEProfileEntry> ranges = ReadProfile("1," + std::string(253, ' ') + "2,3");
    ASSERT_EQ(ranges.size(), 2u);
    ExpectSame(ranges[0], ProfileEntry(1, 1, {}, 0xFFE0));
    ExpectSame(ranges[1], ProfileEntry(2, 3, {}, 0xFFE0));

    // 254 characters and the line end fit in one read; at 255 the line end is left over as a line
    // of its own, which a mass list refuses.
    std::string fits = "5" + std::string(253, ' ');
    EXPECT_EQ(ReadMass(fits + "\n6").size(), 2u);
    bool gotList = true;
    ReadMass(fits + " \n6", &gotList);
    EXPECT_FALSE(gotList);
}

TEST_F(MaldiListFileTest, ReadingGrowsTheListPastItsFirstCapacity)
{
    std::string text;
    for (int i = 0; i < 150; ++i)
        text += std::to_string(100 + i) + ",0,1\n";
    std::string path = PathOf("long.txt");
    Put(path, text);
    MaldiSwitchMassList* list = MaldiListFile::ReadMassList(path.c_str());
    ASSERT_EQ(MaldiSwitchMassList::Count(list), 150);
    EXPECT_EQ(list->nCapacity, 200);
    EXPECT_EQ(list->pEntries[149].dSetMass, 249);
    MaldiSwitchMassList::Destroy(list);

    // No memory for the growth: no list rather than a cut-off one.
    AllocationLimit limit(2);
    EXPECT_EQ(MaldiListFile::ReadMassList(path.c_str()), nullptr);
}

TEST_F(MaldiListFileTest, NoMemoryGivesNoList)
{
    std::string path = PathOf("short.txt");
    Put(path, "100,200");
    for (int allowed : {0, 1}) {
        AllocationLimit limit(allowed);
        EXPECT_EQ(MaldiListFile::ReadMassList(path.c_str()), nullptr) << allowed;
        EXPECT_EQ(MaldiListFile::ReadProfile(path.c_str()), nullptr) << allowed;
    }
}

TEST_F(MaldiListFileTest, UnreadablePathsGiveNoList)
{
    std::string file = PathOf("file.txt");
    Put(file, "100");
    for (std::string path : {PathOf("missing.txt"), m_dir.string(), file + "/x", std::string()}) {
        EXPECT_EQ(MaldiListFile::ReadMassList(path.c_str()), nullptr) << path;
        EXPECT_EQ(MaldiListFile::ReadProfile(path.c_str()), nullptr) << path;
    }
    EXPECT_EQ(MaldiListFile::ReadMassList(nullptr), nullptr);
    EXPECT_EQ(MaldiListFile::ReadProfile(nullptr), nullptr);
}

TEST_F(MaldiListFileTest, UnwritablePathsAndNoListWriteNothing)
{
    MaldiSwitchMassList* masses = ListOf<MaldiSwitchMassEntry>({MassEntry(500, {}, 0)});
    MaldiCEProfileList* profile = ListOf<MaldiCEProfileEntry>({ProfileEntry(1, 2, {}, 0)});
    std::string file = PathOf("file.txt");
    Put(file, "keep");
    for (std::string path : {PathOf("no-folder/list.txt"), m_dir.string(), file + "/x", std::string()}) {
        EXPECT_FALSE(MaldiListFile::WriteMassList(path.c_str(), masses)) << path;
        EXPECT_FALSE(MaldiListFile::WriteProfile(path.c_str(), profile)) << path;
    }
    EXPECT_FALSE(MaldiListFile::WriteMassList(nullptr, masses));
    EXPECT_FALSE(MaldiListFile::WriteProfile(nullptr, profile));
    EXPECT_FALSE(MaldiListFile::WriteMassList(file.c_str(), nullptr));
    EXPECT_FALSE(MaldiListFile::WriteProfile(file.c_str(), nullptr));
    EXPECT_EQ(Get(file), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), std::filesystem::directory_iterator()), 1);

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
        MaldiSwitchMassList::Append(big, MassEntry(100 + i, {1, 2, 3}, 0x0007));

    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 8192;  // the disk fills up part-way through the save
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    bool saved = MaldiListFile::WriteMassList(path.c_str(), big);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(Get(path), kMassExample);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), std::filesystem::directory_iterator()), 1);
    std::vector<MaldiSwitchMassEntry> still = ReadMass(Get(path));
    ASSERT_EQ(still.size(), 1u);
    ExpectSame(still[0], MassEntry(500.25, {3.0}, 0x0001));
    MaldiSwitchMassList::Destroy(big);
}

}  // namespace
