#include <climits>
#include <cmath>
#include <functional>
#include <string>

#include "platform/framework/CArchive.h"
#include "platform/framework/CFile.h"
#include "platform/platemodel/CMaldiPlate.h"
#include "platform/platemodel/TargetPlate.h"
#include "tests/platform/framework/archive/TempFolder.h"

namespace {

// Every field away from its default, each to a value of its own.
CMaldiPlate OddPlate()
{
    CMaldiPlate p;
    p.m_strFileName = "C:\\plates\\odd \xB0.mtp";
    p.m_nWellsPerColumn = 16;
    p.m_nWellsPerRow = 24;
    p.m_fWellDiameter = 1.25f;
    p.m_fWellPitch = 4.5f;
    p.m_nWellReference = CMaldiPlate::wellNumeric;
    p.m_bLockMassCorrection = FALSE;
    p.m_nLockMassWellsPerColumn = 3;
    p.m_nLockMassWellsPerRow = 2;
    p.m_fLockMassWellDiameter = 0.75f;
    p.m_fLockMassWellPitch = 2.25f;
    p.m_bCalibrateOnLoad = TRUE;
    p.m_fHole1X = 1.5f;
    p.m_fHole1Y = -2.5f;
    p.m_fHole2X = 110.125f;
    p.m_fHole2Y = 70.0625f;
    p.m_fHysteresisX = 0.01f;
    p.m_fHysteresisY = 0.02f;
    p.m_nSearchWindow = 9;
    p.m_fSearchStep = 0.3f;
    p.m_nSearchDelay = 750;
    p.m_fCurrentHole1X = 1.75f;
    p.m_fCurrentHole1Y = -2.25f;
    p.m_fCurrentHole2X = 110.5f;
    p.m_fCurrentHole2Y = 70.25f;
    p.m_fCurrentTilt = -0.125f;
    p.m_fCurrentOffsetX = 0.0625f;
    p.m_fCurrentOffsetY = -0.03125f;
    return p;
}

class PlateFileTest : public TempFolder {
protected:
    std::string Store(const CMaldiPlate& plate)
    {
        CFile file;
        EXPECT_TRUE(file.Open(PathOf("plate.mtp").c_str(), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store, 512);
        const_cast<CMaldiPlate&>(plate).Serialize(ar);
        EXPECT_TRUE(ar.Close());
        EXPECT_TRUE(file.Close());
        return Get(PathOf("plate.mtp"));
    }
    // Loads `bytes` into `plate`; the archive's failure.
    CArchive::Failure Load(const std::string& bytes, CMaldiPlate& plate)
    {
        Put(PathOf("in.mtp"), bytes);
        CFile file;
        EXPECT_TRUE(file.Open(PathOf("in.mtp").c_str(), CFile::modeRead));
        CArchive ar(&file, CArchive::load, 4096);
        plate.Serialize(ar);
        return ar.GetFailure();
    }
    // The bytes of OddPlate with one field changed after the fact.
    std::string StoredWith(const std::function<void(CMaldiPlate&)>& change)
    {
        CMaldiPlate p = OddPlate();
        change(p);
        return Store(p);
    }
};

TEST(CMaldiPlate, DefaultsAreAValid96WellPlateAndNewRestoresThem)
{
    CMaldiPlate plate;
    EXPECT_TRUE(plate.IsValid());
    EXPECT_EQ(plate.GetWellCount(), 96);
    EXPECT_EQ(plate.m_nWellsPerRow, 12);
    EXPECT_EQ(plate.m_nWellReference, CMaldiPlate::wellAlphaNumeric);
    EXPECT_TRUE(plate.IsLockMassCorrection());
    EXPECT_TRUE(plate.m_strFileName.IsEmpty());
    EXPECT_GT(plate.m_fWellPitch, plate.m_fWellDiameter);  // wells do not overlap

    CMaldiPlate odd = OddPlate();
    EXPECT_FALSE(odd == plate);
    odd.New();
    EXPECT_TRUE(odd == plate);
}

TEST(CMaldiPlate, AlphanumericNamesRunAlongRows)
{
    CMaldiPlate plate;  // 8 rows of 12
    CString name("stale");
    const std::pair<int, const char*> named[] = {{1, "A1"}, {2, "A2"}, {12, "A12"}, {13, "B1"}, {85, "H1"}, {96, "H12"}};
    for (auto [well, expected] : named) {
        EXPECT_TRUE(plate.ConvertWellReference(well, name));
        EXPECT_EQ(name, expected) << "well " << well;
    }
    for (int well : {0, -1, 97, INT_MIN, INT_MAX}) {
        name = "stale";
        EXPECT_FALSE(plate.ConvertWellReference(well, name)) << "well " << well;
        EXPECT_TRUE(name.IsEmpty()) << "well " << well;
    }

    // One well per row, as on the MALDI/ESI model: a letter per well, then double letters.
    plate.m_nWellsPerRow = 1;
    plate.m_nWellsPerColumn = 100;
    const std::pair<int, const char*> column[] = {{1, "A1"}, {2, "B1"}, {26, "Z1"}, {27, "AA1"}, {52, "AZ1"}, {53, "BA1"}, {100, "CV1"}};
    for (auto [well, expected] : column) {
        plate.ConvertWellReference(well, name);
        EXPECT_EQ(name, expected) << "well " << well;
    }
    EXPECT_FALSE(plate.ConvertWellReference(101, name));
}

TEST(CMaldiPlate, NumericNamesAreTheWellNumber)
{
    CMaldiPlate plate;
    plate.m_nWellReference = CMaldiPlate::wellNumeric;
    CString name;
    EXPECT_TRUE(plate.ConvertWellReference(1, name));
    EXPECT_EQ(name, "1");
    EXPECT_TRUE(plate.ConvertWellReference(96, name));
    EXPECT_EQ(name, "96");
    EXPECT_FALSE(plate.ConvertWellReference(97, name));
    EXPECT_EQ(name, "");
    EXPECT_FALSE(plate.ConvertWellReference(0, name));

    // A plate without wells (counts not positive, as a host could set them) names none.
    plate.m_nWellsPerRow = 0;
    EXPECT_EQ(plate.GetWellCount(), 0);
    EXPECT_FALSE(plate.ConvertWellReference(1, name));
    plate.m_nWellsPerRow = -12;
    plate.m_nWellReference = CMaldiPlate::wellAlphaNumeric;
    EXPECT_FALSE(plate.ConvertWellReference(1, name));
    // Counts whose product overflows do not wrap around.
    plate.m_nWellsPerRow = INT_MAX;
    plate.m_nWellsPerColumn = 3;
    EXPECT_EQ(plate.GetWellCount(), INT_MAX);
    EXPECT_TRUE(plate.ConvertWellReference(INT_MAX, name));
    EXPECT_EQ(name, "A2147483647");
}

TEST(TargetPlate, HostSetsAndClearsTheCurrentPlate)
{
    EXPECT_EQ(TargetPlate(), nullptr);
    CMaldiPlate first, second;
    EXPECT_EQ(SetTargetPlate(&first), nullptr);
    EXPECT_EQ(TargetPlate(), &first);
    TargetPlate()->m_fSearchStep = 0.5f;  // windows change the host's plate itself
    EXPECT_EQ(first.m_fSearchStep, 0.5f);
    EXPECT_EQ(SetTargetPlate(&second), &first);
    EXPECT_EQ(TargetPlate(), &second);
    EXPECT_EQ(SetTargetPlate(nullptr), &second);
    EXPECT_EQ(TargetPlate(), nullptr);
}

TEST_F(PlateFileTest, EveryFieldSurvivesAStoreAndLoad)
{
    CMaldiPlate odd = OddPlate();
    std::string bytes = Store(odd);
    EXPECT_EQ(bytes.substr(0, 6), std::string("MTPL\x01\x00", 6));
    EXPECT_EQ(bytes[6], odd.m_strFileName.GetLength());
    EXPECT_EQ(bytes.size(), 6u + 1 + 19 + 4 * 27);

    CMaldiPlate loaded;
    EXPECT_EQ(Load(bytes, loaded), CArchive::none);
    EXPECT_TRUE(loaded == odd);

    // The defaults survive too, and bytes after the plate are ignored.
    CMaldiPlate defaults;
    EXPECT_EQ(Load(Store(CMaldiPlate()) + "trailing", odd), CArchive::none);
    EXPECT_TRUE(odd == defaults);
}

TEST_F(PlateFileTest, ATruncatedFileLeavesThePlateUnchanged)
{
    std::string bytes = Store(OddPlate());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        CMaldiPlate plate;
        EXPECT_EQ(Load(bytes.substr(0, length), plate), CArchive::endOfFile) << length << " bytes";
        EXPECT_TRUE(plate == CMaldiPlate()) << length << " bytes";
    }
}

TEST_F(PlateFileTest, ForeignNewerAndCorruptFilesAreRefused)
{
    std::string good = Store(OddPlate());
    std::string newer = good;
    newer[4] = 2;
    std::string unversioned = good;
    unversioned[4] = 0;
    std::string hugeName = good.substr(0, 6) + std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7) + "short";

    const std::pair<const char*, std::string> files[] = {
        {"text file", "Plate: 96 wells\n"},
        {"newer version", newer},
        {"version 0", unversioned},
        {"no wells per row", StoredWith([](CMaldiPlate& p) { p.m_nWellsPerRow = 0; })},
        {"101 wells per column", StoredWith([](CMaldiPlate& p) { p.m_nWellsPerColumn = 101; })},
        {"negative lock-mass wells", StoredWith([](CMaldiPlate& p) { p.m_nLockMassWellsPerRow = -3; })},
        {"zero diameter", StoredWith([](CMaldiPlate& p) { p.m_fWellDiameter = 0.0f; })},
        {"huge pitch", StoredWith([](CMaldiPlate& p) { p.m_fLockMassWellPitch = 100.5f; })},
        {"NaN pitch", StoredWith([](CMaldiPlate& p) { p.m_fWellPitch = std::nanf(""); })},
        {"infinite tilt", StoredWith([](CMaldiPlate& p) { p.m_fCurrentTilt = INFINITY; })},
        {"well reference 2", StoredWith([](CMaldiPlate& p) { p.m_nWellReference = 2; })},
        {"BOOL 7", StoredWith([](CMaldiPlate& p) { p.m_bCalibrateOnLoad = 7; })},
        {"negative search window", StoredWith([](CMaldiPlate& p) { p.m_nSearchWindow = -1; })},
        {"negative delay", StoredWith([](CMaldiPlate& p) { p.m_nSearchDelay = INT_MIN; })},
        {"zero byte in file name", StoredWith([](CMaldiPlate& p) { p.m_strFileName = CString("a\0b", 3); })},
        {"file name too long", StoredWith([](CMaldiPlate& p) { p.m_strFileName = CString('x', 4097); })},
    };
    for (const auto& [what, bytes] : files) {
        CMaldiPlate plate;
        EXPECT_EQ(Load(bytes, plate), CArchive::badSchema) << what;
        EXPECT_TRUE(plate == CMaldiPlate()) << what;
    }
    CMaldiPlate plate;
    EXPECT_EQ(Load(hugeName, plate), CArchive::endOfFile);
    EXPECT_TRUE(plate == CMaldiPlate());

    // The limits themselves are good plates.
    CMaldiPlate edge;
    EXPECT_EQ(Load(StoredWith([](CMaldiPlate& p) {
                  p.m_nWellsPerRow = 100;
                  p.m_nWellsPerColumn = 1;
                  p.m_fWellDiameter = 0.001f;
                  p.m_fWellPitch = 100.0f;
                  p.m_nSearchWindow = 0;
                  p.m_strFileName = CString('x', 4096);
              }),
                   edge),
              CArchive::none);
    EXPECT_EQ(edge.m_nWellsPerRow, 100);
    EXPECT_EQ(edge.m_fWellDiameter, 0.001f);
}

}  // namespace
