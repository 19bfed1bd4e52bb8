// The plate spatial calibration window, driven as the host and the operator drive it.

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "maldi/plate/CPlateCalibrationSetupDialog.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/calibrationgrid/CalibrationGridControl.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/VirtualClock.h"
#include "platform/platemodel/TargetPlate.h"
#include "tests/support/RecordingAppInterface.h"

using namespace maldi::res;

namespace {

// The host, which also notes the search it finds on the current plate while starting.
struct CalibrationHost : RecordingAppInterface {
    void StartPlateCalibration(BOOL useInitialConditions) override
    {
        if (CMaldiPlate* plate = TargetPlate()) {
            seen.push_back({plate->m_fSearchStep, plate->m_nSearchDelay, plate->m_nSearchWindow});
        }
        RecordingAppInterface::StartPlateCalibration(useInitialConditions);
    }
    struct Search {
        float step;
        int delay;
        int window;
        bool operator==(const Search&) const = default;
    };
    std::vector<Search> seen;
};

struct Window {
    AutomationSession session;
    CalibrationHost host;
    CMaldiPlate plate;
    std::unique_ptr<CPlateCalibrationSetupDialog> dlg;
    HWND hwnd = nullptr;

    explicit Window(bool withHost = true, int searchWindow = 4)
    {
        SetTargetPlate(&plate);
        dlg = std::make_unique<CPlateCalibrationSetupDialog>(withHost ? &host : nullptr);
        dlg->m_nSearchWindow = searchWindow;
        dlg->m_fSearchStep = 0.25f;
        dlg->m_nDelayPerRow = 300;
        if (!dlg->Create()) throw std::runtime_error("the calibration window could not be made");
        hwnd = dlg->m_hWnd;
        dlg->DisplayWindow();
    }
    ~Window() { SetTargetPlate(nullptr); }

    HWND item(UINT id) const { return session->Find(hwnd, static_cast<int>(id)); }
    std::string text(UINT id) const { return session->Text(item(id)).str(); }
    bool click(UINT id) { return session->Click(item(id)); }
    const CalibrationGridControl& grid(int hole) const
    {
        return *CalibrationGridControl::FromHandle(item(hole == 1 ? IDC_CALIBRATION_HOLE1_GRID : IDC_CALIBRATION_HOLE2_GRID));
    }
    // The operator starts and the host acknowledges, as a run begins.
    void startRun()
    {
        click(IDC_CALIBRATION_START);
        dlg->SetStatus(0);
    }
    void report(int hole, int aim, int hit, double x, double y)
    {
        dlg->UpdateCalibrationDlg(hole, aim, hit, x, y);
        session->Advance(CPlateCalibrationSetupDialog::kListInterval);
    }
};

} // namespace

TEST(PlateCalibration, OpensWithTheSearchShownOnTheGrids)
{
    Window w;
    EXPECT_TRUE(w.session->IsVisible(w.hwnd));
    EXPECT_FALSE(w.session->IsTopmost(w.hwnd));
    EXPECT_EQ(w.text(IDC_CALIBRATION_STATUS), "Ready");
    EXPECT_EQ(w.text(IDC_CALIBRATION_START), "&Start");
    EXPECT_TRUE(w.session->IsEnabled(w.item(IDCANCEL)));
    EXPECT_EQ(std::stof(w.text(IDC_CALIBRATION_SEARCH_STEP)), 0.25f);
    EXPECT_EQ(w.text(IDC_CALIBRATION_ROW_DELAY), "300");
    EXPECT_EQ(w.text(IDC_CALIBRATION_SEARCH_WINDOW), "4");
    EXPECT_EQ(w.grid(1).GridSize(), 4);
    EXPECT_EQ(w.grid(2).GridSize(), 4);
}

TEST(PlateCalibration, StartHandsTheOperatorsSearchToTheHostThroughThePlateOnlyDuringTheCallAndPromptsOutOfRange)
{
    Window w;
    w.plate.m_fSearchStep = 0.5f;
    w.plate.m_nSearchDelay = 100;
    w.plate.m_nSearchWindow = 7;
    w.session->ReplaceText(w.item(IDC_CALIBRATION_SEARCH_STEP), "2.5");
    w.session->ReplaceText(w.item(IDC_CALIBRATION_ROW_DELAY), "1000");
    w.session->ReplaceText(w.item(IDC_CALIBRATION_SEARCH_WINDOW), "6");
    w.session->SetChecked(w.item(IDC_CALIBRATION_USE_INITIAL), true);
    ASSERT_TRUE(w.click(IDC_CALIBRATION_START));

    EXPECT_EQ(w.host.Texts(), std::vector<std::string>{"StartPlateCalibration(1)"});
    EXPECT_EQ(w.host.seen, (std::vector<CalibrationHost::Search>{{2.5f, 1000, 6}}));
    EXPECT_EQ(w.plate.m_fSearchStep, 0.5f);
    EXPECT_EQ(w.plate.m_nSearchDelay, 100);
    EXPECT_EQ(w.plate.m_nSearchWindow, 7);
    EXPECT_EQ(w.grid(1).GridSize(), 6);
    EXPECT_EQ(w.grid(2).GridSize(), 6);
    // Only the host makes the window calibrate.
    EXPECT_FALSE(w.dlg->IsCalibrating());
    EXPECT_EQ(w.text(IDC_CALIBRATION_START), "&Start");
    EXPECT_TRUE(VirtualClock::Get().FindTimer(w.hwnd, CPlateCalibrationSetupDialog::kListTimer));

    // An out-of-range step is reported, and the start still goes ahead with it.
    w.session->ReplaceText(w.item(IDC_CALIBRATION_SEARCH_STEP), "150");
    w.session->AnswerMessageBox(IDOK, "Please enter a number between 0 and 100.");
    w.click(IDC_CALIBRATION_START);
    EXPECT_EQ(w.session->MessageBoxes().size(), 1u);
    ASSERT_EQ(w.host.seen.size(), 2u);
    EXPECT_EQ(w.host.seen[1].step, 150.0f);
    EXPECT_EQ(w.plate.m_fSearchStep, 0.5f);

    // The search window is prompted outside 0 to 9999, and only there.
    for (const char* window : {"0", "9999", "10000"}) {
        const size_t boxes = w.session->MessageBoxes().size();
        const bool outside = CString(window) == "10000";
        w.session->ReplaceText(w.item(IDC_CALIBRATION_SEARCH_STEP), "1");
        w.session->ReplaceText(w.item(IDC_CALIBRATION_SEARCH_WINDOW), window);
        if (outside) w.session->AnswerMessageBox(IDOK, "Please enter an integer between 0 and 9999.");
        w.click(IDC_CALIBRATION_START);
        EXPECT_EQ(w.session->MessageBoxes().size(), boxes + (outside ? 1 : 0)) << window;
    }
    w.session->ReplaceText(w.item(IDC_CALIBRATION_SEARCH_WINDOW), "4");

    // Without a current plate the host is still asked.
    SetTargetPlate(nullptr);
    w.session->ReplaceText(w.item(IDC_CALIBRATION_SEARCH_STEP), "1");
    w.click(IDC_CALIBRATION_START);
    EXPECT_EQ(w.host.Count(RecordingAppInterface::Operation::StartPlateCalibration), 6);
}

TEST(PlateCalibration, EachTickListsTheLatestNewReportOnItsHole)
{
    Window w;
    w.startRun();
    const std::string hit = "Hit at aim 3, 1.250000, -0.500000\r\n";
    w.report(1, 3, 1, 1.25, -0.5);
    EXPECT_EQ(w.text(IDC_CALIBRATION_HOLE1_LIST), hit);
    EXPECT_EQ(w.grid(1).Hits(), (std::set<long>{3}));
    EXPECT_EQ(w.grid(1).CurrentAim(), 4);
    EXPECT_EQ(w.grid(2).CurrentAim(), -1);

    w.report(1, 3, 1, 1.25, -0.5); // the same again: nothing
    w.session->Advance(1000);
    EXPECT_EQ(w.dlg->GetHole1List(), hit);
    const std::string again = "Hit at aim 3, 1.250000, -0.750000\r\n";
    w.report(1, 3, 1, 1.25, -0.75); // a different y: listed again
    EXPECT_EQ(w.dlg->GetHole1List(), hit + again);

    w.report(2, 0, 0, -3.0, 12.125);
    EXPECT_EQ(w.text(IDC_CALIBRATION_HOLE2_LIST), "Fail at aim 0, -3.000000, 12.125000\r\n");
    EXPECT_TRUE(w.grid(2).Hits().empty());
    EXPECT_EQ(w.grid(2).CurrentAim(), 1);

    // Two reports within one tick: only the later one is listed.
    w.dlg->UpdateCalibrationDlg(2, 1, 1, 0.0, 0.0);
    w.report(2, 2, 7, 0.5, 0.5);
    EXPECT_EQ(w.dlg->GetHole2List(), "Fail at aim 0, -3.000000, 12.125000\r\nHit at aim 2, 0.500000, 0.500000\r\n");
    EXPECT_EQ(w.grid(2).Hits(), (std::set<long>{2}));

    // Another hole lists nothing; the boxes still show their lists.
    w.session->ReplaceText(w.item(IDC_CALIBRATION_HOLE1_LIST), "scribbled");
    w.report(3, 5, 1, 0.0, 0.0);
    EXPECT_EQ(w.text(IDC_CALIBRATION_HOLE1_LIST), hit + again);
    EXPECT_EQ(w.grid(1).Hits(), (std::set<long>{3}));

    // While not calibrating a report is not listed, nor later when the run has started.
    w.dlg->SetStatus(1);
    w.report(1, 9, 1, 2.0, 2.0);
    w.dlg->SetStatus(0);
    w.session->Advance(1000);
    EXPECT_EQ(w.dlg->GetHole1List(), hit + again);

    // A new start empties both lists before the first report.
    w.dlg->SetStatus(1);
    w.startRun();
    EXPECT_EQ(w.text(IDC_CALIBRATION_HOLE1_LIST), "");
    EXPECT_EQ(w.text(IDC_CALIBRATION_HOLE2_LIST), "");
    EXPECT_TRUE(w.grid(1).Hits().empty());
}

TEST(PlateCalibration, ManyReportsScrollTheListToItsEnd)
{
    Window w(true, 9);
    w.startRun();
    for (int aim = 0; aim < 40; ++aim) w.report(1, aim, aim % 2, aim * 0.1, 0.0);
    HWND list = w.item(IDC_CALIBRATION_HOLE1_LIST);
    const int first = static_cast<int>(::SendMessage(list, EM_GETFIRSTVISIBLELINE, 0, 0));
    EXPECT_GT(first, 20);
    EXPECT_EQ(w.grid(1).Hits().size(), 20u);
}

TEST(PlateCalibration, StatusesFromTheHost)
{
    struct Case {
        int status;
        bool calibrating;
    };
    for (const Case& c : {Case{0, true}, Case{1, false}, Case{2, false}, Case{3, false}, Case{4, false}}) {
        SCOPED_TRACE(c.status);
        Window w;
        w.dlg->SetStatus(0);
        w.dlg->SetStatus(c.status);
        EXPECT_EQ(w.dlg->IsCalibrating(), c.calibrating);
        EXPECT_EQ(w.text(IDC_CALIBRATION_START), c.calibrating ? "&Abort" : "&Start");
        EXPECT_EQ(w.session->IsEnabled(w.item(IDCANCEL)), !c.calibrating);
        w.session->Pump();
        EXPECT_TRUE(w.session->IsVisible(w.hwnd)); // started by the button: completion only ends the run
    }
    for (int other : {-1, 5, 100}) {
        Window w;
        w.dlg->SetStatus(0);
        w.dlg->SetStatus(other);
        EXPECT_TRUE(w.dlg->IsCalibrating()) << other;
    }
    Window w;
    w.dlg->Calibrating(true);
    EXPECT_EQ(w.text(IDC_CALIBRATION_START), "&Abort");
    w.dlg->SetStatusText("Searching hole 2");
    EXPECT_EQ(w.text(IDC_CALIBRATION_STATUS), "Searching hole 2");
}

TEST(PlateCalibration, InitialiseWithAutoStartStartsAndClosesOnCompletion)
{
    Window w(true, 3);
    w.dlg->m_nSearchWindow = 5;
    w.dlg->Initialise(true);
    EXPECT_EQ(w.host.Texts(), std::vector<std::string>{"StartPlateCalibration(0)"});
    w.dlg->SetStatus(0);
    w.report(1, 0, 1, 0.0, 0.0);
    w.dlg->SetStatus(1);
    w.session->Pump();
    EXPECT_FALSE(w.session->IsVisible(w.hwnd));

    Window plain(true, 3);
    plain.dlg->m_nSearchWindow = 5;
    plain.dlg->Initialise(false);
    EXPECT_EQ(plain.grid(1).GridSize(), 5);
    EXPECT_TRUE(plain.host.calls.empty());
}

TEST(PlateCalibration, AbortTellsTheHostAndEndsTheRunEvenWithoutAHost)
{
    for (bool withHost : {true, false}) {
        SCOPED_TRACE(withHost);
        Window w(withHost);
        w.startRun();
        EXPECT_EQ(w.text(IDC_CALIBRATION_START), "&Abort");
        EXPECT_FALSE(w.session->IsEnabled(w.item(IDCANCEL)));
        w.host.Clear();
        ASSERT_TRUE(w.click(IDC_CALIBRATION_START));
        EXPECT_EQ(w.host.Texts(), withHost ? std::vector<std::string>{"AbortPlateCalibration()"}
                                           : std::vector<std::string>{});
        EXPECT_EQ(w.text(IDC_CALIBRATION_STATUS), "Calibration Aborted");
        EXPECT_EQ(w.text(IDC_CALIBRATION_START), "&Start");
        EXPECT_TRUE(w.session->IsEnabled(w.item(IDCANCEL)));
    }
}

TEST(PlateCalibration, ClosingIsRefusedWhileCalibratingAndEnterNeverCloses)
{
    Window w;
    w.startRun();
    w.session->AnswerMessageBox(IDOK, "Cannot exit while calibration is in progress");
    w.session->PressCloseBox(w.hwnd);
    ASSERT_EQ(w.session->MessageBoxes().size(), 1u);
    EXPECT_EQ(w.session->MessageBoxes()[0].flags & 0xF, static_cast<UINT>(MB_OK));
    EXPECT_FALSE(w.click(IDCANCEL)); // disabled
    EXPECT_TRUE(w.session->IsVisible(w.hwnd));
    EXPECT_TRUE(w.dlg->IsCalibrating());

    w.dlg->SetStatus(1);
    ::SetFocus(w.item(IDC_CALIBRATION_SEARCH_STEP));
    w.session->PressKey(VK_RETURN);
    EXPECT_TRUE(w.session->IsVisible(w.hwnd));
    w.session->PressCloseBox(w.hwnd);
    EXPECT_FALSE(w.session->IsVisible(w.hwnd));
    EXPECT_EQ(w.session->MessageBoxes().size(), 1u);
    EXPECT_EQ(w.host.Count(RecordingAppInterface::Operation::StartPlateCalibration), 1);

    w.dlg->DestroyDlgWindow();
    EXPECT_FALSE(::IsWindow(w.hwnd));
    EXPECT_FALSE(VirtualClock::Get().FindTimer(w.hwnd, CPlateCalibrationSetupDialog::kListTimer));
    w.dlg->DestroyDlgWindow(); // twice: nothing
}

// Reports and statuses at the ends of their range: listed as reported, the next aim worked out
// without overflow (outside the grid it marks nothing), and unknown statuses change nothing.
TEST(PlateCalibration, ReportsAtTheEndsOfTheirRangeAreListedWithoutOverflow)
{
    struct Case {
        int hole, aim, hit, status;
        double x;
        long nextAim;
    };
    for (Case c : {Case{1, INT_MAX, INT_MIN, INT_MIN, HUGE_VAL, -1L}, Case{2, INT_MIN, INT_MAX, INT_MAX, NAN, -1L},
                   Case{1, -1, 1, -1, -DBL_MAX, 0L}}) {
        SCOPED_TRACE(c.aim);
        Window w;
        w.startRun();
        w.dlg->SetStatus(c.status);
        EXPECT_TRUE(w.dlg->IsCalibrating());
        w.report(c.hole, c.aim, c.hit, c.x, -c.x);
        EXPECT_EQ(w.grid(c.hole).CurrentAim(), c.nextAim);
        EXPECT_NE(w.text(c.hole == 1 ? IDC_CALIBRATION_HOLE1_LIST : IDC_CALIBRATION_HOLE2_LIST).find(std::to_string(c.aim)),
                  std::string::npos);
        w.report(INT_MIN, INT_MAX, 0, 0, 0);  // no such hole: nothing listed, nothing breaks
        EXPECT_FALSE(w.session->Render(w.hwnd).IsEmpty());
    }
}
