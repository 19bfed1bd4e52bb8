// The scenarios of the target plate tools:
//   pattern-editor  a pattern drawn with the mouse, a point undone, saved as a ".ptn", a new pattern
//                   (the operator is asked to save), the file reopened with the same points
//   target-plate    geometry and calibration edited, saved to a ".mtp", reopened; then the
//                   acquisition and crosshair panels work on the edited plate
#include "sim/SimStories.h"

#include <cstdio>
#include <filesystem>

#include "maldi/panels/CMaldiCrossAcquireControlDlg.h"
#include "maldi/plate/CMaldiProbeSheet.h"
#include "maldi/plate/CPatternEditorDlg.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/WindowManager.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "platform/patternctrl/PatternControl.h"
#include "platform/tuning/CPatternFile.h"
#include "platform/widgets/CTrackerCtl.h"

using namespace maldi::res;

namespace {

int Id(UINT id) { return static_cast<int>(id); }

// --- pattern-editor -------------------------------------------------------------------------------------

std::string DescribePoints(const std::vector<PatternControl::Point>& points)
{
    std::string text = std::to_string(points.size()) + " point" + (points.size() == 1 ? "" : "s");
    for (size_t i = 0; i < points.size(); ++i) {
        char one[64];
        std::snprintf(one, sizeof one, "%s(%ld, %ld) %s w%d", i ? ", " : ": ", points[i].x, points[i].y,
                      points[i].laser ? "on" : "off", points[i].width);
        text += one;
    }
    return text;
}

// The operator clicks into the drawing area at pixels (x, y) from its middle.
void DrawPoint(SimSession& s, HWND control, int x, int y)
{
    RECT client{};
    ::GetClientRect(control, &client);
    LPARAM at = MAKELPARAM(static_cast<WORD>((client.right - client.left) / 2 + x),
                           static_cast<WORD>((client.bottom - client.top) / 2 + y));
    WindowManager::Get().PostInput(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    WindowManager::Get().PostInput(control, WM_LBUTTONUP, 0, at);
    s.Ui().Pump();
}

void Draw(SimSession& s, HWND control, const std::vector<POINT>& points, const std::string& what)
{
    s.Transcript().Add("oper", "clicks " + what + " into the drawing area");
    for (const POINT& p : points) DrawPoint(s, control, p.x, p.y);
}

// --- target-plate ---------------------------------------------------------------------------------------

void PrintPlate(SimSession& s, const std::string& heading, const CMaldiPlate& p)
{
    SimRecord(s, heading)("file name", p.m_strFileName)("wells per column", p.m_nWellsPerColumn)(
        "wells per row", p.m_nWellsPerRow)("well diameter", p.m_fWellDiameter)("well pitch", p.m_fWellPitch)(
        "well reference", p.m_nWellReference)("lock-mass correction", p.m_bLockMassCorrection)(
        "lock-mass wells per column", p.m_nLockMassWellsPerColumn)("calibrate on load", p.m_bCalibrateOnLoad)(
        "hole 1 X", p.m_fHole1X)("hole 1 Y", p.m_fHole1Y)("hole 2 X", p.m_fHole2X)("hole 2 Y", p.m_fHole2Y)(
        "search window", p.m_nSearchWindow)("search step", p.m_fSearchStep)("search delay", p.m_nSearchDelay);
}

void ShowGeometry(SimSession& s, HWND sheet)
{
    ShowFields(s, "plate", sheet, {{Id(IDC_WELLS_PER_COLUMN), "Wells per Column"}, {Id(IDC_WELLS_PER_ROW), "Wells per Row"},
                                   {Id(IDC_WELL_DIAMETER), "Well Diameter"}, {Id(IDC_WELL_PITCH), "Well Pitch"},
                                   {Id(IDC_WELL_REFERENCE), "Well Reference"}, {Id(IDC_LM_WELL_DIAMETER), "Lock Mass Well Diameter"}});
}

void ShowSpatial(SimSession& s, HWND sheet)
{
    ShowFields(s, "plate", sheet, {{Id(IDC_HOLE1_X), "Hole 1 X"}, {Id(IDC_HOLE1_Y), "Hole 1 Y"},
                                   {Id(IDC_SEARCH_WINDOW), "Search Window"}, {Id(IDC_SEARCH_STEP), "Search Step"},
                                   {Id(IDC_SEARCH_DELAY), "Search Delay"}, {Id(IDC_CURRENT_HOLE1_X), "Current Hole 1 X"}});
}

} // namespace

void PatternEditorScenario(SimSession& s)
{
    const std::string path = OutputFolder(s, "patterns") + "/square.ptn";
    s.Say("the host opens the laser pattern editor; the operator draws a square with the laser on");
    CPatternEditorDlg editor(nullptr);
    editor.CreateUI(s.Host().ApplicationIcon());
    std::vector<PatternControl::Point> saved;
    RunModal(s, editor, "PatternEditor", [&](HWND d) {
        HWND control = s.Ui().Find(d, Id(IDC_PATTERN_CONTROL));
        auto show = [&] {
            s.Transcript().Add("pattern", DescribePoints(PatternControl::FromHandle(control)->Points()) + "; file " +
                                              Quote(s.Ui().Text(d, Id(IDC_PATTERN_FILE_NAME))));
        };
        s.Operator().Click(d, Id(IDI_PATTERN_LASER), "the laser button");
        s.Operator().Type(d, Id(IDC_PATTERN_LASER_WIDTH), "4", "the laser width box");
        s.Operator().Click(d, Id(IDI_LASER_WIDTH), "the laser width button");
        Draw(s, control, {{-60, -60}, {60, -60}, {60, 60}, {-60, 60}, {-60, -60}}, "the corners of a square");
        s.Operator().Click(d, Id(IDI_PATTERN_LASER), "the laser button to stop firing");
        Draw(s, control, {{0, 0}, {90, 20}}, "the centre, then a point beside the square by mistake");
        show();
        s.Operator().Click(d, Id(IDI_UNDO), "\"Undo\"");
        show();
        s.Screenshot(d, "drawn");

        s.Say("the operator saves into a folder that is not there: the editor says so and keeps the pattern");
        s.Operator().ChooseFile(OutputFolder(s, "patterns") + "/no-such-folder/square.ptn");
        s.Operator().AnswerOnce("The pattern could not be saved to", IDOK, "save-failed");
        s.Operator().Click(d, Id(IDI_PATTERN_SAVE), "\"Save\"");
        show();
        s.Operator().ChooseFile(path);
        s.Operator().Click(d, Id(IDI_PATTERN_SAVE), "\"Save\"");
        saved = PatternControl::FromHandle(control)->Points();
        show();
        PrintFile(s, path);

        s.Say("one more point, then a new pattern: the operator is asked to save and says No");
        Draw(s, control, {{30, 90}}, "one more point");
        s.Operator().AnswerOnce("Save Changes to " + path + " ?", IDNO, "save-changes");
        s.Operator().Click(d, Id(IDI_NEW), "\"New\"");
        show();

        s.Say("the operator opens the saved file again");
        s.Operator().ChooseFile(path);
        s.Operator().Click(d, Id(IDC_PATTERN_BROWSE), "\"Browse...\"");
        show();
        const bool same = PatternControl::FromHandle(control)->Points() == saved;
        s.Transcript().Add("pattern", same ? "the same points as saved" : "NOT the points saved");
        Expect(same, "the reopened pattern differs from the one saved");
        s.Screenshot(d, "reopened");
        s.Operator().Click(d, Id(IDI_OK), "\"Ok\"");
    });
}

void TargetPlateScenario(SimSession& s)
{
    VEXPropertyTable::Instance().SetMaldiEsiModel(false);
    const std::string folder = OutputFolder(s, "plates");
    const std::string first = folder + "/lab.mtp";
    const std::string edited = folder + "/small-wells.mtp";
    std::filesystem::remove(first);
    s.Say("a MALDI instrument; the host's plate file " + first + " does not exist yet");
    {
        CMaldiProbeSheet sheet(CString(first.c_str()), "Target Plate", nullptr, 0);
        s.Say("the sheet created it with the default plate:");
        PrintFile(s, first);
        INT_PTR result = RunModal(s, sheet, "Target Plate", [&](HWND d) {
            ShowGeometry(s, d);
            s.Operator().Type(d, Id(IDC_WELLS_PER_COLUMN), "4", "\"Wells per Column\"");
            s.Operator().Type(d, Id(IDC_WELLS_PER_ROW), "6", "\"Wells per Row\"");
            s.Operator().Type(d, Id(IDC_WELL_DIAMETER), "4", "\"Well Diameter (mm)\"");
            s.Operator().Type(d, Id(IDC_WELL_PITCH), "18", "\"Well Pitch (mm)\"");
            s.Operator().Choose(d, Id(IDC_WELL_REFERENCE), "Numerical", "\"Well Reference\"");
            s.Operator().Click(d, Id(IDC_LOCK_MASS_CORRECTION), "\"Lock Mass Correction\" off");
            ShowGeometry(s, d);
            s.Screenshot(d, "geometry-edited");
            s.Operator().SelectPage(d, 1);
            s.Operator().Type(d, Id(IDC_HOLE1_X), "-6.5", "hole 1 \"X\"");
            s.Operator().Type(d, Id(IDC_SEARCH_WINDOW), "7", "\"Search Window\"");
            s.Operator().Type(d, Id(IDC_SEARCH_STEP), "0.05", "\"Search Step (mm)\"");
            ShowSpatial(s, d);
            s.Screenshot(d, "spatial-edited");
            s.Operator().AnswerOnce("File has changed. Save?", IDYES, "file-changed");
            s.Operator().ChooseFile(edited);
            s.Operator().Click(d, IDOK, "\"OK\"");
        });
        Expect(result == IDOK, "the target plate sheet did not end with OK");
        s.Transcript().Add("host", "Plate() = " + Quote(sheet.Plate()));
    }
    PrintFile(s, edited);
    CMaldiPlate plate;
    Expect(CMaldiProbeSheet::ReadPlateFile(CString(edited.c_str()), plate), "the saved plate does not read back");
    PrintPlate(s, "reads the saved plate:", plate);

    s.Say("the operator reopens the saved plate to check it, and cancels");
    {
        CMaldiProbeSheet sheet(CString(edited.c_str()), "Target Plate", nullptr, 0);
        RunModal(s, sheet, "Target Plate", [&](HWND d) {
            ShowGeometry(s, d);
            s.Screenshot(d, "reopened");
            s.Operator().SelectPage(d, 1);
            ShowSpatial(s, d);
            s.Operator().Click(d, IDCANCEL, "\"Cancel\"");
        });
    }

    s.Say("the host loads the saved plate as the current plate and runs two spots");
    s.Host().Plate() = plate;
    s.Host().OpenAcquisitionPanel();
    HWND panel = s.Host().AcquisitionWindow();
    Expect(panel != nullptr, "the acquisition panel could not be created");
    HWND bar = s.Ui().Find(panel, 14195);
    s.Watch("acquire", [&s, panel, bar]() -> std::string {
        if (!::IsWindow(panel) || !s.Ui().IsVisible(panel)) return std::string();
        return "bar " + Quote(s.Ui().Text(bar)) + "; Lock Mass " + ButtonState(s.Ui().Find(panel, 14183));
    });
    Expect(s.Host().StartAcquisition({{1, false}, {8, false}}, 2000, 30.0), "the acquisition run did not start");
    Expect(s.WaitUntil([&] { return !s.Ui().IsVisible(panel); }, 30000), "the run on the edited plate did not end");
    s.StopWatching();

    s.Say("the crosshair panel in a 4 mm well: the same drag reaches further in millimetres");
    s.Host().OpenCrosshairPanel();
    HWND cross = s.Host().CrosshairWindow();
    Expect(cross != nullptr && s.Host().StartCrosshairAcquisition(35.0), "the crosshair run did not start");
    s.Wait(1000);
    s.Operator().Click(cross, 14163, "\"Fire Laser\"");
    DragCross(s, s.Ui().Find(cross, Id(IDC_TRACKER)), {{0, 0}, {-20, 15}, {-40, 30}}, "towards the top left");
    s.Operator().Click(cross, 14163, "\"Fire Laser\" again to stop it");
    s.Screenshot(cross, "crosshair-4mm");
    Expect(s.Host().EndCrosshairAcquisition(), "the crosshair run could not be ended");
    s.Wait(500);
}
