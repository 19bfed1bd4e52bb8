// Saving and opening pattern files, and the conversion between pixels and well coordinates.

#include "tests/maldi/plate/PatternEditorTestSupport.h"

#include <cstdio>
#include <cstring>

#include "platform/framework/CommDlg.h"
#include "tests/support/SaveFaults.h"

namespace patterned {
namespace {

constexpr DWORD kFileFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

void ExpectPatternFileDialog(const FileDialogRecord& d, bool open)
{
    EXPECT_EQ(d.open, open);
    EXPECT_EQ(d.filter, "Pattern Files (*.ptn) | *.ptn||");
    EXPECT_EQ(d.flags & kFileFlags, kFileFlags);
    EXPECT_EQ(d.initialFolder, ".");
    EXPECT_EQ(d.initialName, "");
    EXPECT_EQ(d.defaultExtension, "");
}

TEST_F(PatternEditorTest, SaveWritesEveryPointInWellCoordinatesAndShowsTheFile)
{
    const CString path = Path("spots.ptn");
    Run([&](Automation& a, HWND dlg) {
        SetScale(dlg, 4);
        Draw(dlg, 10, -6);                      // off, width 1
        a.Click(dlg, static_cast<int>(IDI_PATTERN_LASER));
        a.ChooseComboItem(a.Find(dlg, static_cast<int>(IDC_PATTERN_LASER_WIDTH)), "8");
        a.Click(dlg, static_cast<int>(IDI_LASER_WIDTH));
        Draw(dlg, -3, 7);                       // on, width 8
        a.ChooseFile(path);
        a.Click(dlg, static_cast<int>(IDI_PATTERN_SAVE));
        EXPECT_EQ(FileNameBox(a, dlg), path);
        EXPECT_FALSE(Modified(dlg)) << "saved";
        a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT)); // no prompt: nothing to save
    });
    EXPECT_EQ(ReadFile(path), (std::vector<PatternPoint>{{2.5, -1.5, 0, 1}, {-0.75, 1.75, 1, 8}}));
    ASSERT_EQ(automation->FileDialogs().size(), 1u);
    ExpectPatternFileDialog(automation->FileDialogs()[0], false);
    EXPECT_TRUE(automation->MessageBoxes().empty());
}

TEST_F(PatternEditorTest, SaveWithoutPointsOrWithCancelWritesNothing)
{
    const CString path = Path("empty.ptn");
    Run([&](Automation& a, HWND dlg) {
        Draw(dlg, 1, 1);
        a.CancelFileDialog();
        a.Click(dlg, static_cast<int>(IDI_PATTERN_SAVE));
        EXPECT_EQ(FileNameBox(a, dlg), "") << "a cancelled save chooses no file";
        EXPECT_TRUE(Modified(dlg));

        a.Click(dlg, static_cast<int>(IDI_UNDO)); // no point left, still a change
        ASSERT_TRUE(Points(dlg).empty());
        a.ChooseFile(path);
        a.Click(dlg, static_cast<int>(IDI_PATTERN_SAVE));
        EXPECT_EQ(FileNameBox(a, dlg), path) << "the chosen file is shown all the same";
        EXPECT_TRUE(Modified(dlg)) << "nothing was written, so nothing is saved";
        a.AnswerMessageBox(IDNO, "Save Changes to ");
        a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT));
    });
    EXPECT_FALSE(std::filesystem::exists(path.GetString()));
    ASSERT_EQ(automation->MessageBoxes().size(), 1u);
    EXPECT_EQ(automation->MessageBoxes()[0].text, "Save Changes to " + path + " ?");
}

// Pixels = scale x well, truncated toward zero; the last point sets the laser button and width.
TEST_F(PatternEditorTest, OpenCopiesThePointsIntoTheDrawingAreaInPixels)
{
    struct Case {
        const char* what;
        long scale;
        std::vector<PatternPoint> file;
        std::vector<Point> expected;
        bool laserPressed;
        const char* width;
    };
    const Case cases[] = {
        {"scale 4: 2.5 is 10 pixels, 2.6 is 10.4 truncated", 4,
         {{2.5, -1.0, 1, 4}, {2.6, 0.26, 0, 8}},
         {{10, -4, TRUE, 4}, {10, 1, FALSE, 8}}, false, "8"},
        {"negative coordinates truncate toward zero", 100,
         {{-0.509, 0.999, 0, 2}, {-0.001, -1.5, 1, 20}},
         {{-50, 99, FALSE, 2}, {0, -150, TRUE, 20}}, true, "20"},
        {"a laser-off last point after laser-on ones", 100,
         {{0.1, 0.1, 1, 16}, {0.2, 0.2, 1, 16}, {0.3, 0.3, 0, 8}},
         {{10, 10, TRUE, 16}, {20, 20, TRUE, 16}, {30, 30, FALSE, 8}}, false, "8"},
        {"8 units in the last place below 29 pixels are no rounding error of 29", 100,
         {{0.2899999999999997, 0.1, 0, 4}}, {{28, 10, FALSE, 4}}, false, "4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CString path = WriteFile("load.ptn", c.file);
        const size_t dialogsBefore = automation->FileDialogs().size();
        Run([&](Automation& a, HWND dlg) {
            SetScale(dlg, c.scale);
            a.Click(dlg, static_cast<int>(IDI_PATTERN_LASER)); // on, so that "off" has to come from the file
            Draw(dlg, 99, 99);
            Call(dlg, patterndispid::ResetModified, PatternDispatch::Method);
            a.ChooseFile(path);
            a.Click(dlg, static_cast<int>(IDC_PATTERN_BROWSE)); // unchanged: opens at once
            EXPECT_EQ(Points(dlg), c.expected);
            EXPECT_EQ(LaserPressed(a, dlg), c.laserPressed);
            EXPECT_EQ(WidthBox(a, dlg), c.width);
            EXPECT_EQ(FileNameBox(a, dlg), path);
            EXPECT_FALSE(Modified(dlg));
            // The control draws on as the last point was.
            Draw(dlg, 1, 2);
            EXPECT_EQ(Points(dlg).back(), (Point{1, 2, c.laserPressed ? TRUE : FALSE, c.expected.back().width}));
            a.AnswerMessageBox(IDNO);
            a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT));
        });
        ASSERT_EQ(automation->FileDialogs().size(), dialogsBefore + 1);
        ExpectPatternFileDialog(automation->FileDialogs().back(), true);
    }
}

// Saved and opened again, a pattern comes back as it was drawn at any scale, also where the well
// coordinate cannot be exact: -29 pixels at 100 a unit are saved as -0.29, and 100 x -0.29 is
// -28.999..., which a plain truncation would open as -28.
TEST_F(PatternEditorTest, SavedPixelsDoNotLoseOneToRoundingWhenOpenedAtAnyScaleOneIncluded)
{
    for (long scale : {4L, 100L, 7L, 1L}) {
        SCOPED_TRACE(scale);
        const CString path = Path("round.ptn");
        std::vector<Point> drawn;
        std::vector<Point> opened;
        Run([&](Automation& a, HWND dlg) {
            SetScale(dlg, scale);
            for (int i = 0; i < 12; ++i) {
                if (i % 3 == 0) a.Click(dlg, static_cast<int>(IDI_PATTERN_LASER));
                Draw(dlg, -97 + 17 * i, 131 - 23 * i);
            }
            drawn = Points(dlg);
            a.ChooseFile(path);
            a.Click(dlg, static_cast<int>(IDI_PATTERN_SAVE));
            a.Click(dlg, static_cast<int>(IDI_NEW));
            ASSERT_TRUE(Points(dlg).empty());
            a.ChooseFile(path);
            a.Click(dlg, static_cast<int>(IDC_PATTERN_BROWSE));
            opened = Points(dlg);
            a.Click(dlg, static_cast<int>(IDI_OK));
        });
        ASSERT_EQ(drawn.size(), 12u);
        EXPECT_EQ(drawn[4].x, -29);
        EXPECT_EQ(opened, drawn);
    }
}

// A file that gives no points (empty, missing, not a pattern) is reported and changes nothing but
// the file name shown.
TEST_F(PatternEditorTest, FileWithoutPointsKeepsThePattern)
{
    const CString empty = WriteFile("empty.ptn", {});
    const CString garbage = Path("garbage.ptn");
    {
        FILE* f = std::fopen(garbage.GetString(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("not a pattern\n1 2 3\n", f);
        std::fclose(f);
    }
    const CString missing = Path("missing.ptn");
    for (const CString& path : {empty, garbage, missing}) {
        SCOPED_TRACE(path.GetString());
        const size_t boxesBefore = automation->MessageBoxes().size();
        Run([&](Automation& a, HWND dlg) {
            a.Click(dlg, static_cast<int>(IDI_PATTERN_LASER));
            Draw(dlg, 5, 6);
            Call(dlg, patterndispid::ResetModified, PatternDispatch::Method);
            const std::vector<Point> before = Points(dlg);
            a.ChooseFile(path);
            a.AnswerMessageBox(IDOK, "No Points Loaded");
            a.Click(dlg, static_cast<int>(IDC_PATTERN_BROWSE));
            EXPECT_EQ(Points(dlg), before);
            EXPECT_TRUE(LaserPressed(a, dlg));
            EXPECT_EQ(FileNameBox(a, dlg), path);
            a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT));
        });
        ASSERT_EQ(automation->MessageBoxes().size(), boxesBefore + 1);
        const MessageBoxRecord& box = automation->MessageBoxes().back();
        EXPECT_EQ(box.text, "No Points Loaded");
        EXPECT_EQ(box.caption, "Pattern File");
        EXPECT_EQ(box.flags, 0x10030u);
    }
}

// Cancelling the open dialog changes nothing, not even the file name.
TEST_F(PatternEditorTest, CancelledOpenChangesNothing)
{
    const CString path = Path("kept.ptn");
    Run([&](Automation& a, HWND dlg) {
        Draw(dlg, 5, 6);
        a.ChooseFile(path);
        a.Click(dlg, static_cast<int>(IDI_PATTERN_SAVE));
        a.CancelFileDialog();
        a.Click(dlg, static_cast<int>(IDC_PATTERN_BROWSE));
        EXPECT_EQ(FileNameBox(a, dlg), path);
        EXPECT_EQ(Points(dlg).size(), 1u);
        Draw(dlg, 7, 8);
        a.AnswerMessageBox(IDNO, "Save Changes to ");
        a.Click(dlg, static_cast<int>(IDI_OK));
    });
    EXPECT_TRUE(automation->MessageBoxes().size() == 1 &&
                automation->MessageBoxes()[0].text == "Save Changes to " + path + " ?");
}

// A save failing at any step used to clear "modified" and show the path although no file was
// written, and Exit after "Yes" then closed over the lost drawing.
TEST_F(PatternEditorTest, ASaveFailingAtAnyStepIsReportedAndLosesNeitherFileNorDrawing)
{
    const CString path = WriteFile("kept.ptn", {{0.5, 0.5, 1, 4}});
    const std::string before = savefaults::Bytes(path.GetString());
    for (const savefaults::Fault& f : savefaults::All()) {
        SCOPED_TRACE(f.name);
        Run([&](Automation& a, HWND dlg) {
            for (int i = 0; i < 8; ++i) Draw(dlg, 3 * i, -i);
            SafeSaveFault fault(f.step, f.error, f.room);
            a.ChooseFile(path);
            a.AnswerMessageBox(IDOK, "could not be saved");
            a.Click(dlg, static_cast<int>(IDI_PATTERN_SAVE));
            EXPECT_EQ(fault.Hits(), 1);
            EXPECT_TRUE(Modified(dlg));
            EXPECT_EQ(FileNameBox(a, dlg), "");
            EXPECT_NE(a.MessageBoxes().back().text.Find(std::strerror(f.error)), -1);

            a.AnswerMessageBox(IDYES, "Do you want to save");
            a.ChooseFile(path);
            a.AnswerMessageBox(IDOK, "could not be saved");
            a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT));
            EXPECT_TRUE(::IsWindow(dlg)) << "the drawing stays on screen";
            a.AnswerMessageBox(IDNO, "Do you want to save");
            a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT));
        });
        EXPECT_EQ(savefaults::Bytes(path.GetString()), before);
        EXPECT_EQ(savefaults::Temporaries(folder), std::vector<std::string>{});
    }
}

// The width box takes any short (no range check): a negative width used to be refused by the file.
TEST_F(PatternEditorTest, EveryWidthTheBoxHoldsRoundTripsThroughTheFile)
{
    const CString path = Path("widths.ptn");
    std::vector<Point> drawn;
    Run([&](Automation& a, HWND dlg) {
        HWND widths = a.Find(dlg, static_cast<int>(IDC_PATTERN_LASER_WIDTH));
        for (const char* width : {"-32768", "-1", "0", "32767"}) {
            a.ReplaceText(widths, width);
            a.Click(dlg, static_cast<int>(IDI_LASER_WIDTH));
            Draw(dlg, static_cast<int>(drawn.size()), 1);
            drawn = Points(dlg);
        }
        a.ChooseFile(path);
        a.Click(dlg, static_cast<int>(IDI_PATTERN_SAVE));
        EXPECT_FALSE(Modified(dlg));
        a.Click(dlg, static_cast<int>(IDI_NEW));
        a.ChooseFile(path);
        a.Click(dlg, static_cast<int>(IDC_PATTERN_BROWSE));
        EXPECT_EQ(Points(dlg), drawn);
        a.Click(dlg, static_cast<int>(IDI_OK));
    });
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].width, -32768);
}

} // namespace
} // namespace patterned
