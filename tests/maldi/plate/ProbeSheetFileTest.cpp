// The target plate sheet and its file: loaded or created, saved, browsed, and the prompts on the way.

#include "ProbeSheetTestSupport.h"

#include <climits>
#include <cmath>
#include <fstream>

#include "maldi/plate/CProbeGeometryView.h"
#include "platform/framework/CRuntimeClass.h"
#include "tests/support/SaveFaults.h"

using namespace probesheet;

namespace {

constexpr LPCTSTR kFilter = "Maldi Target Plate files (*.mtp)|*.mtp|All Files (*.*)|*.*||";

class ProbeSheetFileTest : public ProbeSheetTest {
protected:
    void SetUp() override
    {
        ProbeSheetTest::SetUp();
        VEXPropertyTable::Instance().SetMaldiEsiModel(false);
    }
};

} // namespace

TEST_F(ProbeSheetFileTest, AMissingFileIsCreatedWithTheDefaultPlateAndOkWithoutChangesAsksNothing)
{
    const CString path = Path("fresh.mtp");
    CMaldiProbeSheet sheet(path, "Target Plate");
    ASSERT_TRUE(Exists(path)) << "the sheet creates the plate file it was given";
    bool loaded = false;
    EXPECT_EQ(ReadPlate(path, &loaded), CMaldiPlate());
    EXPECT_TRUE(loaded);

    INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
        EXPECT_EQ(a.Text(h, Id(IDC_PLATE_FILE_NAME)), path);
        EXPECT_EQ(a.Text(h, Id(IDC_WELLS_PER_COLUMN)), "8");
        EXPECT_EQ(a.Text(h, Id(IDC_WELLS_PER_ROW)), "12");
        EXPECT_EQ(a.ComboItems(a.Find(h, Id(IDC_WELL_REFERENCE))),
                  (std::vector<CString>{"Numerical", "Alpha Numeric"}));
        EXPECT_EQ(a.ComboSelection(a.Find(h, Id(IDC_WELL_REFERENCE))), CMaldiPlate::wellAlphaNumeric);
        EXPECT_TRUE(PressOk(a, h));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(automation->MessageBoxes().empty()) << "nothing changed, nothing to ask";
    EXPECT_TRUE(automation->FileDialogs().empty());
    EXPECT_EQ(sheet.Plate(), path);
}

TEST_F(ProbeSheetFileTest, AnExistingFileIsShownOnBothPagesWithTheCurrentCalibrationReadOnly)
{
    const CString path = WritePlate("old.mtp", UnusualPlate());
    CMaldiProbeSheet sheet(path, "Target Plate", nullptr, 1);
    Run(sheet, [&](Automation& a, HWND h) {
        EXPECT_EQ(a.SheetActivePage(h), 1);
        struct Shown {
            UINT id;
            const char* text;
        };
        const Shown spatial[] = {
            {IDC_HOLE1_X, "-3.5"},          {IDC_HOLE1_Y, "7.25"},          {IDC_HOLE2_X, "110.5"},
            {IDC_HOLE2_Y, "80.75"},         {IDC_HYSTERESIS_X, "0.125"},    {IDC_HYSTERESIS_Y, "0.25"},
            {IDC_SEARCH_WINDOW, "7"},       {IDC_SEARCH_STEP, "0.5"},       {IDC_SEARCH_DELAY, "350"},
            {IDC_CURRENT_HOLE1_X, "-3.25"}, {IDC_CURRENT_HOLE1_Y, "7.5"},   {IDC_CURRENT_HOLE2_X, "110.25"},
            {IDC_CURRENT_HOLE2_Y, "81.5"},  {IDC_CURRENT_TILT, "0.375"},    {IDC_CURRENT_OFFSET_X, "0.25"},
            {IDC_CURRENT_OFFSET_Y, "-0.5"},
        };
        for (const Shown& s : spatial) EXPECT_EQ(a.Text(h, Id(s.id)), s.text) << s.id;
        EXPECT_EQ(a.CheckState(a.Find(h, Id(IDC_CALIBRATE_ON_LOAD))), BST_CHECKED);
        for (UINT id : {IDC_CURRENT_HOLE1_X, IDC_CURRENT_TILT, IDC_CURRENT_OFFSET_Y}) {
            EXPECT_TRUE(a.Style(a.Find(h, Id(id))) & ES_READONLY) << id;
        }

        ASSERT_TRUE(a.SelectSheetPage(h, 0));
        const Shown geometry[] = {
            {IDC_PLATE_FILE_NAME, static_cast<LPCTSTR>(path)},
            {IDC_WELLS_PER_COLUMN, "16"},    {IDC_WELLS_PER_ROW, "24"},      {IDC_WELL_DIAMETER, "1.25"},
            {IDC_WELL_PITCH, "4.5"},         {IDC_LM_WELLS_PER_COLUMN, "3"}, {IDC_LM_WELLS_PER_ROW, "2"},
            {IDC_LM_WELL_DIAMETER, "0.75"},  {IDC_LM_WELL_PITCH, "2.5"},
        };
        for (const Shown& s : geometry) EXPECT_EQ(a.Text(h, Id(s.id)), s.text) << s.id;
        EXPECT_EQ(a.ComboSelection(a.Find(h, Id(IDC_WELL_REFERENCE))), CMaldiPlate::wellNumeric);
        EXPECT_EQ(a.CheckState(a.Find(h, Id(IDC_LOCK_MASS_CORRECTION))), BST_UNCHECKED);
        EXPECT_TRUE(PressOk(a, h));
    });
    EXPECT_TRUE(automation->MessageBoxes().empty()) << "showing a plate is no change";
}

TEST_F(ProbeSheetFileTest, OkWithChangesSavesUnderTheChosenNameWithTheExtensionAddedOnlyWhenMissingAndOnce)
{
    struct Case {
        const char* chosen;
        const char* saved;
    };
    const Case cases[] = {{"plate1", "plate1.mtp"}, {"a.mtp.bak", "a.mtp.bak"}, {"b.mtp", "b.mtp"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        const CString original = WritePlate("original.mtp", CMaldiPlate());
        CMaldiProbeSheet sheet(original, "Target Plate");
        automation->AnswerMessageBox(IDYES, "File has changed. Save?");
        automation->ChooseFile(Path(c.chosen));
        INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
            Edit(a, h, IDC_WELLS_PER_COLUMN, "5");
            EXPECT_TRUE(PressOk(a, h));
        });
        EXPECT_EQ(result, IDOK);
        const MessageBoxRecord& box = automation->MessageBoxes().back();
        EXPECT_EQ(box.caption, "Target Plate");
        EXPECT_EQ(box.flags, static_cast<UINT>(MB_YESNO | MB_SETFOREGROUND));

        const FileDialogRecord& dialog = automation->FileDialogs().back();
        EXPECT_FALSE(dialog.open);
        EXPECT_EQ(dialog.filter, kFilter);
        EXPECT_EQ(dialog.flags, 6u);
        EXPECT_EQ(dialog.initialName, original);
        EXPECT_TRUE(dialog.defaultExtension.IsEmpty());

        const CString saved = Path(c.saved);
        bool loaded = false;
        CMaldiPlate plate = ReadPlate(saved, &loaded);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(plate.m_nWellsPerColumn, 5);
        EXPECT_EQ(plate.m_strFileName, saved);
        EXPECT_EQ(sheet.Plate(), saved);
        EXPECT_EQ(ReadPlate(original).m_nWellsPerColumn, CMaldiPlate().m_nWellsPerColumn)
            << "the file the sheet opened is left alone";
        const size_t boxes = automation->MessageBoxes().size();
        Run(sheet, [&](Automation& a, HWND h) { PressOk(a, h); });
        EXPECT_EQ(automation->MessageBoxes().size(), boxes) << "saved: nothing left to ask about";
    }
}

TEST_F(ProbeSheetFileTest, ValuesThePagesAcceptButThePlateRefusedOnLoadLoadAgainAfterASave)
{
    const CString path = WritePlate("plate.mtp", CMaldiPlate());
    CMaldiProbeSheet sheet(path, "Target Plate", nullptr, 1);
    automation->AnswerMessageBox(IDYES, "File has changed. Save?");
    automation->ChooseFile(Path("edge.mtp"));
    Run(sheet, [&](Automation& a, HWND h) {
        Edit(a, h, IDC_SEARCH_WINDOW, "-3"); // the spatial page gives these two no range
        Edit(a, h, IDC_SEARCH_DELAY, "-2147483648");
        ASSERT_TRUE(a.SelectSheetPage(h, 0));
        Edit(a, h, IDC_WELLS_PER_ROW, "100");
        Edit(a, h, IDC_WELL_DIAMETER, "0.001");
        PressOk(a, h);
    });
    bool loaded = false;
    const CMaldiPlate saved = ReadPlate(Path("edge.mtp"), &loaded);
    ASSERT_TRUE(loaded) << "a plate the sheet saved is refused by the plate model";
    EXPECT_EQ(saved.m_nSearchWindow, -3);
    EXPECT_EQ(saved.m_nSearchDelay, INT_MIN);
    EXPECT_EQ(saved.m_nWellsPerRow, 100);
    EXPECT_EQ(saved.m_fWellDiameter, 0.001f);
}

TEST_F(ProbeSheetFileTest, APlateTheModelWouldRefuseToLoadIsNeverWritten)
{
    CMaldiPlate bad;
    bad.m_fWellPitch = std::nanf("");
    EXPECT_FALSE(CMaldiProbeSheet::WritePlateFile(Path("bad.mtp"), bad));
    EXPECT_FALSE(Exists(Path("bad.mtp")));
}

TEST_F(ProbeSheetFileTest, DecliningTheFileDialogKeepsTheSheetOpenAndModifiedAndNoEndsWithCancel)
{
    const CString path = WritePlate("keep.mtp", CMaldiPlate());
    CMaldiProbeSheet sheet(path, "Target Plate");
    INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
        Edit(a, h, IDC_WELL_PITCH, "7.5");
        a.AnswerMessageBox(IDYES);
        a.CancelFileDialog();
        PressOk(a, h);
        EXPECT_TRUE(a.IsVisible(h)) << "the sheet stays when the save is cancelled";
        EXPECT_EQ(a.Text(h, Id(IDC_WELL_PITCH)), "7.5");

        a.AnswerMessageBox(IDNO, "File has changed. Save?"); // still modified: asked again
        a.PressKey(VK_RETURN);                               // Enter is OK too
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(automation->MessageBoxes().size(), 2u);
    EXPECT_EQ(ReadPlate(path).m_fWellPitch, CMaldiPlate().m_fWellPitch) << "No saves nothing";
}

TEST_F(ProbeSheetFileTest, AFileThatCannotBeCreatedIsReportedAndOkLeavesTheSheetOpen)
{
    const CString path = WritePlate("plate.mtp", CMaldiPlate());
    const CString unwritable = Path("no-such-folder/plate.mtp");
    CMaldiProbeSheet sheet(path, "Target Plate");
    Run(sheet, [&](Automation& a, HWND h) {
        Edit(a, h, IDC_WELL_DIAMETER, "3.5");
        a.AnswerMessageBox(IDYES);
        a.ChooseFile(unwritable);
        a.AnswerMessageBox(IDOK, "Failed to create file");
        PressOk(a, h);
        ASSERT_TRUE(a.IsVisible(h));
        const MessageBoxRecord& box = a.MessageBoxes().back();
        EXPECT_EQ(box.text, "Failed to create file " + unwritable);
        EXPECT_EQ(box.caption, "Target Plate");
        EXPECT_EQ(box.flags, static_cast<UINT>(MB_OK | MB_SETFOREGROUND));
        EXPECT_EQ(a.Text(h, Id(IDC_PLATE_FILE_NAME)), unwritable) << "the page shows the name tried";

        a.ChooseFile(Path("good"));
        ASSERT_TRUE(a.Click(h, Id(IDC_PLATE_SAVE)));
        a.Click(h, IDCANCEL);
    });
    EXPECT_FALSE(Exists(unwritable));
    EXPECT_EQ(ReadPlate(Path("good.mtp")).m_fWellDiameter, 3.5f) << "Save on the page saves the edited plate";
}

TEST_F(ProbeSheetFileTest, BrowseLoadsTheChosenPlateAndIgnoresFilesThatAreMissingOrNoPlates)
{
    WritePlate("other.mtp", UnusualPlate());
    const CString start = WritePlate("start.mtp", CMaldiPlate());
    {
        std::ofstream junk(std::string(Path("junk.mtp")), std::ios::binary);
        junk << "not a plate at all";
    }
    CMaldiProbeSheet sheet(start, "Target Plate");
    INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
        Edit(a, h, IDC_PLATE_FILE_NAME, "typed.mtp");
        a.ChooseFile(Path("missing.mtp"));
        ASSERT_TRUE(a.Click(h, Id(IDC_PLATE_BROWSE)));
        EXPECT_EQ(a.FileDialogs().back().initialName, "typed.mtp") << "the page was not read before browsing";
        Edit(a, h, IDC_PLATE_FILE_NAME, start);
        Edit(a, h, IDC_WELLS_PER_COLUMN, "9");
        for (const char* ignored : {"missing.mtp", "junk.mtp"}) {
            a.ChooseFile(Path(ignored));
            ASSERT_TRUE(a.Click(h, Id(IDC_PLATE_BROWSE)));
            EXPECT_EQ(a.Text(h, Id(IDC_WELLS_PER_COLUMN)), "9") << ignored;
            EXPECT_EQ(a.Text(h, Id(IDC_PLATE_FILE_NAME)), start) << ignored;
        }
        EXPECT_TRUE(a.MessageBoxes().empty());

        a.ChooseFile(Path("other")); // the extension is added
        ASSERT_TRUE(a.Click(h, Id(IDC_PLATE_BROWSE)));
        const FileDialogRecord& dialog = a.FileDialogs().back();
        EXPECT_TRUE(dialog.open);
        EXPECT_EQ(dialog.filter, kFilter);
        EXPECT_EQ(dialog.flags, 6u);
        EXPECT_EQ(dialog.initialName, start);
        EXPECT_EQ(a.Text(h, Id(IDC_WELLS_PER_COLUMN)), "16");
        EXPECT_EQ(a.Text(h, Id(IDC_PLATE_FILE_NAME)), "elsewhere.mtp") << "the file name the plate holds, not the path";
        EXPECT_EQ(a.CheckState(a.Find(h, Id(IDC_LOCK_MASS_CORRECTION))), BST_UNCHECKED);
        EXPECT_FALSE(a.IsEnabled(a.Find(h, Id(IDC_LM_WELL_PITCH))));
        EXPECT_TRUE(PressOk(a, h));
    });
    EXPECT_EQ(result, IDOK) << "a plate just loaded is not modified: OK asks nothing";
    EXPECT_TRUE(automation->MessageBoxes().empty());
    EXPECT_EQ(sheet.Plate(), "elsewhere.mtp");
}

TEST_F(ProbeSheetFileTest, NewResetsThePlateAndCountsAsAChange)
{
    const CString path = WritePlate("unusual.mtp", UnusualPlate());
    CMaldiProbeSheet sheet(path, "Target Plate");
    automation->AnswerMessageBox(IDYES, "File has changed. Save?");
    automation->ChooseFile(Path("renewed.mtp"));
    INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
        ASSERT_TRUE(a.Click(h, Id(IDC_PLATE_NEW)));
        EXPECT_EQ(a.Text(h, Id(IDC_WELLS_PER_COLUMN)), "8");
        EXPECT_EQ(a.CheckState(a.Find(h, Id(IDC_LOCK_MASS_CORRECTION))), BST_CHECKED);
        EXPECT_TRUE(a.IsEnabled(a.Find(h, Id(IDC_LM_WELL_PITCH))));
        ASSERT_TRUE(a.SelectSheetPage(h, 1));
        EXPECT_EQ(a.Text(h, Id(IDC_SEARCH_DELAY)), "200") << "the other page shows the new plate too";
        PressOk(a, h);
    });
    EXPECT_EQ(result, IDOK);
    CMaldiPlate expected;
    expected.m_strFileName = Path("renewed.mtp");
    EXPECT_EQ(ReadPlate(Path("renewed.mtp")), expected);
}

TEST_F(ProbeSheetFileTest, OkOnTheSpatialPageSavesThroughTheGeometryPageNeverShown)
{
    const CString path = WritePlate("plate.mtp", CMaldiPlate());
    CMaldiProbeSheet sheet(path, "Target Plate", nullptr, 1);
    automation->AnswerMessageBox(IDYES, "File has changed. Save?");
    automation->ChooseFile(Path("stepped"));
    INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
        Edit(a, h, IDC_SEARCH_STEP, "0.25");
        PressOk(a, h);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(automation->FileDialogs().back().initialName, path);
    EXPECT_EQ(ReadPlate(Path("stepped.mtp")).m_fSearchStep, 0.25f);
    EXPECT_EQ(sheet.Plate(), Path("stepped.mtp"));
}

TEST_F(ProbeSheetFileTest, APlateFileThatCannotBeCreatedOrIsNoPlateLeavesTheDefaultPlateWithoutAMessage)
{
    {
        std::ofstream junk(std::string(Path("junk.mtp")), std::ios::binary);
        junk << "MTPL but nothing more";
    }
    for (const CString& path : {Path("no-such-folder/plate.mtp"), Path("junk.mtp")}) {
        SCOPED_TRACE(path.GetString());
        CMaldiProbeSheet sheet(path, "Target Plate");
        INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
            EXPECT_EQ(a.Text(h, Id(IDC_WELLS_PER_ROW)), "12");
            PressOk(a, h);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_TRUE(automation->MessageBoxes().empty());
    }
    EXPECT_FALSE(Exists(Path("no-such-folder/plate.mtp")));
    EXPECT_EQ(std::filesystem::file_size(folder / "junk.mtp"), 21u) << "a file that is no plate is left alone";
}

TEST_F(ProbeSheetFileTest, CancelSavesNothingAndClearsTheChangesForTheNextRunFromEitherPage)
{
    for (int run : {0, 1, 2}) { // 1: the geometry page is never made, 2: the spatial page
        SCOPED_TRACE(run);
        const CString path = WritePlate("plate.mtp", UnusualPlate());
        CMaldiProbeSheet sheet(path, "Target Plate", nullptr, run == 1 ? 1 : 0);
        INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
            if (run != 1) Edit(a, h, IDC_WELLS_PER_COLUMN, "2");
            if (run == 0) {
                ASSERT_TRUE(a.SelectSheetPage(h, 1));
            }
            if (run != 2) Edit(a, h, IDC_SEARCH_STEP, "0.75");
            a.Click(h, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_TRUE(automation->MessageBoxes().empty());
        EXPECT_TRUE(automation->FileDialogs().empty());
        EXPECT_EQ(ReadPlate(path), UnusualPlate());

        // The host runs the same sheet again: nothing counts as changed any more.
        result = Run(sheet, [&](Automation& a, HWND h) { PressOk(a, h); });
        EXPECT_EQ(result, IDOK);
        EXPECT_TRUE(automation->MessageBoxes().empty());
    }
}

TEST_F(ProbeSheetFileTest, TheSheetAndItsPagesAreMadeByClassNameAndAPageWithoutAPlateIgnoresNew)
{
    CProbeGeometryView page; // as made by name: no plate, no sheet of its own
    CPropertySheet bare("Bare");
    bare.AddPage(&page);
    automation->OnNextModal([](CWnd& d, Automation& a) {
        EXPECT_TRUE(a.Click(d, Id(IDC_PLATE_NEW)));
        a.Click(d, IDCANCEL);
    }, "Bare");
    EXPECT_EQ(bare.DoModal(), IDCANCEL);

    for (const char* name : {"CMaldiProbeSheet", "CProbeGeometryView", "CProbeSpatialView"}) {
        CObject* made = CRuntimeClass::CreateObject(name);
        ASSERT_NE(made, nullptr) << name;
        EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, name);
        if (auto* sheet = DYNAMIC_DOWNCAST(CMaldiProbeSheet, made)) {
            EXPECT_EQ(sheet->GetPageCount(), 0);
        }
        delete made;
    }
}

// Saving the plate over its own file failing at any step (the disk full part way included) is
// reported, keeps the previous file byte for byte with no temporary left, and OK leaves the sheet
// open with the edit in place.
TEST_F(ProbeSheetFileTest, ASaveFailingAtAnyStepKeepsThePreviousPlateFileAndTheSheetOpen)
{
    const CString path = WritePlate("plate.mtp", CMaldiPlate());
    const std::string before = savefaults::Bytes(path.GetString());
    for (const savefaults::Fault& f : savefaults::All()) {
        SCOPED_TRACE(f.name);
        CMaldiProbeSheet sheet(path, "Target Plate");
        Run(sheet, [&](Automation& a, HWND h) {
            Edit(a, h, IDC_WELL_DIAMETER, "3.5");
            SafeSaveFault fault(f.step, f.error, f.room);
            a.AnswerMessageBox(IDYES);
            a.ChooseFile(path);
            a.AnswerMessageBox(IDOK, "Failed to create file");
            PressOk(a, h);
            EXPECT_EQ(fault.Hits(), 1);
            EXPECT_TRUE(a.IsVisible(h));
            EXPECT_EQ(a.Text(h, Id(IDC_WELL_DIAMETER)), "3.5");
            a.AnswerMessageBox(IDNO, "File has changed. Save?");  // still modified: asked again
            PressOk(a, h);
        });
        EXPECT_EQ(savefaults::Bytes(path.GetString()), before);
        EXPECT_EQ(savefaults::Temporaries(std::filesystem::path(path.GetString()).parent_path()), std::vector<std::string>{});
    }
}
