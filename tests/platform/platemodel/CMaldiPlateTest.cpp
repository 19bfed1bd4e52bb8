#include <climits>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "platform/framework/CArchive.h"
#include "platform/framework/CFile.h"
#include "platform/framework/CObject.h"
#include "platform/platemodel/CMaldiPlate.h"
#include "tests/platform/framework/archive/TempFolder.h"

namespace {

// Every field away from its default, each to a value of its own.
CMaldiPlate OddPlate()
{
    CMaldiPlate p;
    p.m_strFileName = "C:\\plates\\odd \xB0.mtp";
    p.m_nWellsPerColumn = 16, p.m_nWellsPerRow = 24, p.m_fWellDiameter = 1.25f, p.m_fWellPitch = 4.5f;
    p.m_nWellReference = CMaldiPlate::wellNumeric, p.m_bLockMassCorrection = FALSE;
    p.m_nLockMassWellsPerColumn = 3, p.m_nLockMassWellsPerRow = 2;
    p.m_fLockMassWellDiameter = 0.75f, p.m_fLockMassWellPitch = 2.25f;
    p.m_bCalibrateOnLoad = TRUE, p.m_fHole1X = 1.5f, p.m_fHole1Y = -2.5f, p.m_fHole2X = 110.125f;
    p.m_fHole2Y = 70.0625f, p.m_fHysteresisX = 0.01f, p.m_fHysteresisY = 0.02f;
    p.m_nSearchWindow = 9, p.m_fSearchStep = 0.3f, p.m_nSearchDelay = 750;
    p.m_fCurrentHole1X = 1.75f, p.m_fCurrentHole1Y = -2.25f, p.m_fCurrentHole2X = 110.5f;
    p.m_fCurrentHole2Y = 70.25f, p.m_fCurrentTilt = -0.125f;
    p.m_fCurrentOffsetX = 0.0625f, p.m_fCurrentOffsetY = -0.03125f;
    return p;
}

class PlateFileTest : public TempFolder {
protected:
    std::string Store(CMaldiPlate plate)
    {
        CFile file;
        EXPECT_TRUE(file.Open(PathOf("plate.mtp").c_str(), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store, 512);
        plate.Serialize(ar);
        EXPECT_TRUE(ar.Close());
        EXPECT_TRUE(file.Close());
        return Get(PathOf("plate.mtp"));
    }
    std::string StoredWith(const std::function<void(CMaldiPlate&)>& change)
    {
        CMaldiPlate p = OddPlate();
        change(p);
        return Store(p);
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
};

TEST(CMaldiPlate, WellNamesFollowTheNamingAndTheRows)
{
    struct Case {
        int perRow, perColumn, reference, well;
        const char* name;  // "" = not on the plate
    };
    const int alpha = CMaldiPlate::wellAlphaNumeric, numeric = CMaldiPlate::wellNumeric;
    const Case cases[] = {
        {12, 8, alpha, 1, "A1"},     {12, 8, alpha, 12, "A12"},  {12, 8, alpha, 13, "B1"},
        {12, 8, alpha, 96, "H12"},   {12, 8, alpha, 97, ""},     {12, 8, alpha, 0, ""},
        {12, 8, alpha, -1, ""},      {12, 8, alpha, INT_MIN, ""}, {12, 8, numeric, 1, "1"},
        {12, 8, numeric, 96, "96"},  {12, 8, numeric, 97, ""},   {12, 8, numeric, 0, ""},
        // One well per row, as on the MALDI/ESI model: a letter per well, then double letters.
        {1, 100, alpha, 26, "Z1"},   {1, 100, alpha, 27, "AA1"}, {1, 100, alpha, 53, "BA1"},
        {1, 100, alpha, 100, "CV1"}, {1, 100, alpha, 101, ""},
        // Geometry a host may set by hand: no wells, and counts whose product overflows an int.
        {0, 8, numeric, 1, ""},      {-12, 8, alpha, 1, ""},     {INT_MAX, 3, alpha, INT_MAX, "A2147483647"},
    };
    for (const Case& c : cases) {
        CMaldiPlate plate;
        plate.m_nWellsPerRow = c.perRow;
        plate.m_nWellsPerColumn = c.perColumn;
        plate.m_nWellReference = c.reference;
        CString name("stale");
        EXPECT_EQ(plate.ConvertWellReference(c.well, name), *c.name != '\0') << c.perRow << " per row, well " << c.well;
        EXPECT_EQ(name, c.name) << c.perRow << " per row, well " << c.well;
    }
}

TEST_F(PlateFileTest, EveryFieldSurvivesAStoreAndLoad)
{
    std::string bytes = Store(OddPlate());
    EXPECT_EQ(bytes.substr(0, 7), std::string("MTPL\x01\x00\x13", 7));  // signature, version, name length
    EXPECT_EQ(bytes.size(), 6u + 1 + 19 + 27 * 4);
    CMaldiPlate loaded;
    EXPECT_EQ(Load(bytes, loaded), CArchive::none);
    EXPECT_TRUE(loaded == OddPlate());

    // Bytes after the plate are ignored.
    EXPECT_EQ(Load(Store(CMaldiPlate()) + "trailing", loaded), CArchive::none);
    EXPECT_TRUE(loaded == CMaldiPlate());
}

TEST_F(PlateFileTest, APlateMadeByClassNameStoresItselfThroughTheObjectBase)
{
    std::unique_ptr<CObject> made(CRuntimeClass::CreateObject("CMaldiPlate"));
    auto* plate = DYNAMIC_DOWNCAST(CMaldiPlate, made.get());
    ASSERT_NE(plate, nullptr) << "no run-time class for the plate";
    EXPECT_TRUE(plate->IsKindOf(RUNTIME_CLASS(CObject)));
    *plate = OddPlate();
    {
        CFile file;
        ASSERT_TRUE(file.Open(PathOf("plate.mtp").c_str(), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store);
        made->Serialize(ar);  // through the base: the plate's own serialisation, not the base's no-op
        EXPECT_TRUE(ar.Close());
        EXPECT_TRUE(file.Close());
    }
    CMaldiPlate loaded;
    EXPECT_EQ(Load(Get(PathOf("plate.mtp")), loaded), CArchive::none);
    EXPECT_TRUE(loaded == OddPlate());
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
    std::string newer = Store(OddPlate());
    newer[4] = 2;
    const std::pair<const char*, std::string> files[] = {
        {"text file", "Plate: 96 wells\n"},
        {"newer version", newer},
        {"no wells per row", StoredWith([](CMaldiPlate& p) { p.m_nWellsPerRow = 0; })},
        {"101 wells per column", StoredWith([](CMaldiPlate& p) { p.m_nWellsPerColumn = 101; })},
        {"zero diameter", StoredWith([](CMaldiPlate& p) { p.m_fWellDiameter = 0.0f; })},
        {"NaN pitch", StoredWith([](CMaldiPlate& p) { p.m_fWellPitch = std::nanf(""); })},
        {"infinite tilt", StoredWith([](CMaldiPlate& p) { p.m_fCurrentTilt = INFINITY; })},
        {"BOOL 7", StoredWith([](CMaldiPlate& p) { p.m_bCalibrateOnLoad = 7; })},
        {"zero byte in file name", StoredWith([](CMaldiPlate& p) { p.m_strFileName = CString("a\0b", 3); })},
        {"file name too long", StoredWith([](CMaldiPlate& p) { p.m_strFileName = CString('x', 4097); })},
    };
    for (const auto& [what, bytes] : files) {
        CMaldiPlate plate;
        EXPECT_EQ(Load(bytes, plate), CArchive::badSchema) << what;
        EXPECT_TRUE(plate == CMaldiPlate()) << what;
    }
    // The limits themselves make a good plate.
    CMaldiPlate edge;
    std::string limits = StoredWith([](CMaldiPlate& p) {
        p.m_nWellsPerRow = 100;
        p.m_nWellsPerColumn = 1;
        p.m_fWellDiameter = 0.001f;
        p.m_fWellPitch = 100.0f;
        p.m_nSearchWindow = INT_MIN;  // no range on the sheet, none in the file
        p.m_nSearchDelay = -1;
        p.m_strFileName = CString('x', 4096);
    });
    EXPECT_EQ(Load(limits, edge), CArchive::none);
    EXPECT_EQ(edge.m_fWellDiameter, 0.001f);
    EXPECT_EQ(edge.m_nSearchWindow, INT_MIN);
}

}  // namespace
