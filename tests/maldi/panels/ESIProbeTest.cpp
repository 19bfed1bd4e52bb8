// The ESI probe adjust panel as the host and the operator drive it (its looks: the golden images).

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "tests/maldi/PictureButtonChecks.h"
#include "maldi/panels/CESIProbeControlDlg.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/ResourceModule.h"
#include "platform/framework/VirtualClock.h"
#include "platform/instrument/CInstCtlClient.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "tests/support/RecordingAppInterface.h"

using namespace maldi::res;

namespace {

constexpr const char* kThrottle = "ELECTROSPRAY_THROTTLE_POSITION_SETTING";

struct Write {
    ULONGLONG time;
    int position;
    bool operator==(const Write&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Write& w) { return out << w.position << "@" << w.time; }

// The host's side: its icon, its callback object and its control client, and the panel made the
// way the host makes it.
struct Panel {
    AutomationSession session;
    ResourceModule hostModule{"esi test host", {}, {}, {{1, IconImage::Solid(32, 32, 0xFF208020)}}};
    RecordingAppInterface host;
    CInstCtlClient client;
    std::vector<Write> writes; // throttle writes with the time they were made
    size_t hostCallsAtLastWrite = 0;
    std::unique_ptr<CESIProbeControlDlg> dlg;
    HWND hwnd = nullptr;

    explicit Panel(bool withHost = true, bool withClient = true)
    {
        VEXPropertyTable::Instance().Reset();
        client.SetWriteHook([this](const CInstCtlClient::WriteRecord& r) {
            if (r.symbol == kThrottle) writes.push_back({session->Now(), static_cast<int>(r.value)});
            hostCallsAtLastWrite = host.calls.size();
        });
        dlg = std::make_unique<CESIProbeControlDlg>(withClient ? &client : nullptr, withHost ? &host : nullptr);
        dlg->CreateUI(hostModule.FindIcon(1));
        if (!dlg->Create()) throw std::runtime_error("the probe adjust panel could not be made");
        hwnd = dlg->m_hWnd;
    }

    // The host's usual opening: position and step size, then shown.
    void open(int position, int step)
    {
        dlg->SetInitialProbePosition(position, 0);
        dlg->SetStepSize(step);
        dlg->DisplayWindow();
    }

    HWND item(UINT id) const { return session->Find(hwnd, static_cast<int>(id)); }
    bool click(UINT id) { return session->Click(item(id)); }
    bool enabled(UINT id) const { return session->IsEnabled(item(id)); }
    int barPosition() const { return session->ProgressPosition(item(IDC_SOURCE_POSITION)); }
    std::vector<int> positionsWritten() const
    {
        std::vector<int> out;
        for (const Write& w : writes) out.push_back(w.position);
        return out;
    }
    // The bar's step, read without changing it.
    int barStep() const
    {
        HWND bar = item(IDC_SOURCE_POSITION);
        int step = static_cast<int>(::SendMessage(bar, PBM_SETSTEP, 10, 0));
        ::SendMessage(bar, PBM_SETSTEP, static_cast<WPARAM>(step), 0);
        return step;
    }
    std::vector<UINT> checkedRadios() const
    {
        std::vector<UINT> out;
        for (UINT id : {IDC_STEP_SIZE_ONE, IDC_STEP_SIZE_FIVE, IDC_STEP_SIZE_FIFTY}) {
            if (session->CheckState(item(id)) == BST_CHECKED) out.push_back(id);
        }
        return out;
    }
    bool timerRunning() const { return VirtualClock::Get().FindTimer(hwnd, CESIProbeControlDlg::kRepeatTimer); }
};

} // namespace

TEST(ESIProbeAdjust, OpensContractedWithOnlyTheStepSizeGroupFoldedAwayAndOnlyTheMovesEnabled)
{
    Panel p;
    p.open(2000, 50);
    EXPECT_TRUE(p.session->IsTopmost(p.hwnd));
    EXPECT_FALSE(p.session->CloseBoxEnabled(p.hwnd));
    EXPECT_EQ(p.session->Icon(p.hwnd, true), p.hostModule.FindIcon(1));

    // The step size radios are folded away until the operator expands the panel.
    const std::vector<HWND> folded = {p.item(IDC_STEP_SIZE_ONE), p.item(IDC_STEP_SIZE_FIVE), p.item(IDC_STEP_SIZE_FIFTY)};
    for (HWND child : folded) EXPECT_FALSE(p.session->IsOnScreen(child));
    EXPECT_FALSE(p.click(IDC_STEP_SIZE_ONE));
    ASSERT_TRUE(p.click(IDI_EXPAND_DIALOG));
    for (HWND child : folded) EXPECT_TRUE(p.session->IsOnScreen(child));

    ExpectNoBlankOrUnnamedPictureButton(*p.session, p.hwnd);
    // Nothing to save or go back to; stop is never available; both moves are.
    for (auto [id, on] : {std::pair{IDI_HOME, false}, {IDI_SAVE_POSITION, false}, {IDI_EXIT, true}, {IDI_STOP, false},
                          {IDI_PREVIOUS, true}, {IDI_NEXT, true}}) {
        EXPECT_EQ(p.enabled(id), on) << id;
    }
    EXPECT_FALSE(p.click(IDI_STOP));
    EXPECT_EQ(p.session->ProgressRange(p.item(IDC_SOURCE_POSITION)), std::make_pair(500, 9000));
    EXPECT_EQ(p.barPosition(), 2000);
    EXPECT_EQ(p.barStep(), 50);
    EXPECT_EQ(p.checkedRadios(), std::vector<UINT>{IDC_STEP_SIZE_FIFTY});
}

TEST(ESIProbeAdjust, InitialPositionIsClampedToTheLimitsAndNothingIsWritten)
{
    struct Case {
        int given;
        int position;
        bool inEnabled;
        bool outEnabled;
    };
    for (Case c : {Case{9500, 9000, true, false}, Case{9001, 9000, true, false}, Case{8999, 8999, true, true},
                   Case{500, 500, false, true}, Case{499, 500, false, true}, Case{4321, 4321, true, true}}) {
        SCOPED_TRACE("given " + std::to_string(c.given));
        Panel p;
        ASSERT_TRUE(p.click(IDI_NEXT)); // unsaved, and the out button's last state
        p.dlg->SetInitialProbePosition(c.given, 0);
        p.dlg->DisplayWindow();
        EXPECT_EQ(p.dlg->GetPosition(), c.position);
        EXPECT_EQ(p.dlg->GetSavedPosition(), c.position);
        EXPECT_EQ(p.barPosition(), c.position);
        EXPECT_EQ(p.enabled(IDI_PREVIOUS), c.inEnabled);
        EXPECT_EQ(p.enabled(IDI_NEXT), c.outEnabled);
        EXPECT_FALSE(p.dlg->GetNeedToSave());
        EXPECT_FALSE(p.enabled(IDI_SAVE_POSITION));
        EXPECT_FALSE(p.enabled(IDI_HOME));
        EXPECT_EQ(p.positionsWritten(), std::vector<int>{2050}); // only the click's
    }
}

TEST(ESIProbeAdjust, AStepIsTakenInsideTheLimitsAndMayEndOneStepBeyondThem)
{
    Panel p;
    p.open(510, 50);
    ASSERT_TRUE(p.click(IDI_PREVIOUS));
    EXPECT_EQ(p.client.WriteLog(), "Setting ELECTROSPRAY_THROTTLE_POSITION_SETTING = 460\n");
    EXPECT_EQ(p.dlg->GetPosition(), 460);
    EXPECT_EQ(p.barPosition(), 500); // the bar's lower end
    EXPECT_FALSE(p.enabled(IDI_PREVIOUS));
    EXPECT_TRUE(p.enabled(IDI_NEXT));
    EXPECT_TRUE(p.enabled(IDI_SAVE_POSITION));
    EXPECT_TRUE(p.enabled(IDI_HOME));
    EXPECT_FALSE(p.click(IDI_PREVIOUS));

    // Back inside, then out to the other end.
    ASSERT_TRUE(p.click(IDI_NEXT));
    EXPECT_EQ(p.dlg->GetPosition(), 510);
    EXPECT_TRUE(p.enabled(IDI_PREVIOUS));
    p.dlg->SetInitialProbePosition(8990, 0);
    ASSERT_TRUE(p.click(IDI_NEXT));
    EXPECT_EQ(p.positionsWritten(), (std::vector<int>{460, 510, 9040}));
    EXPECT_EQ(p.barPosition(), 9000);
    EXPECT_FALSE(p.enabled(IDI_NEXT));
    EXPECT_TRUE(p.enabled(IDI_PREVIOUS));
    ASSERT_TRUE(p.click(IDI_PREVIOUS));
    EXPECT_EQ(p.dlg->GetPosition(), 8990);
    EXPECT_TRUE(p.enabled(IDI_NEXT));
}

TEST(ESIProbeAdjust, AHeldButtonStepsFasterTheLongerItIsHeldAndItsReleaseStepsOnceMore)
{
    Panel p; // made at time 0: the repeat timer runs from then, every 600 ms
    p.open(2000, 5);
    ASSERT_TRUE(p.session->Hold(p.item(IDI_NEXT)));
    p.session->Advance(5450);
    std::vector<Write> expected = {{600, 2005},  {1200, 2010}, {1800, 2015}, // 600 ms
                                   {2300, 2020}, {2800, 2025}, {3300, 2030}, // 500 ms
                                   {3700, 2035}, {4100, 2040}, {4500, 2045}, // 400 ms
                                   {4800, 2050}, {5100, 2055}, {5400, 2060}}; // 300 ms from now on
    EXPECT_EQ(p.writes, expected);
    EXPECT_EQ(p.dlg->GetRepeatLevel(), 3);
    EXPECT_TRUE(p.enabled(IDI_SAVE_POSITION));
    EXPECT_EQ(p.barPosition(), 2060);

    // The release is a click: one more step, and the timer starts again at 600 ms, idle.
    ASSERT_TRUE(p.session->Release(p.item(IDI_NEXT)));
    expected.push_back({5450, 2065});
    p.session->Advance(3000);
    EXPECT_EQ(p.writes, expected);
    EXPECT_EQ(p.dlg->GetRepeatLevel(), 0);

    // Held again, it starts slow again: 600 ms after the last tick, which came at 8450. Its
    // release restarts the timer too.
    ASSERT_TRUE(p.session->Hold(p.item(IDI_PREVIOUS)));
    p.session->Advance(1300);
    ASSERT_TRUE(p.session->Release(p.item(IDI_PREVIOUS)));
    ASSERT_TRUE(p.session->Hold(p.item(IDI_NEXT)));
    p.session->Advance(600);
    p.session->Release(p.item(IDI_NEXT));
    expected.insert(expected.end(), {{9050, 2060}, {9650, 2055}, {9750, 2050}, {10350, 2055}, {10350, 2060}});
    EXPECT_EQ(p.writes, expected);
    EXPECT_TRUE(p.host.calls.empty());
}

TEST(ESIProbeAdjust, AHeldButtonStopsOneStepBeyondTheLimitAndItsReleaseIsNoClick)
{
    struct Case {
        const char* name;
        UINT held;
        UINT other;
        int from;
        int step; // signed: the direction of the held button
    };
    for (const Case& c : {Case{"in", IDI_PREVIOUS, IDI_NEXT, 547, -5}, Case{"out", IDI_NEXT, IDI_PREVIOUS, 8953, 5}}) {
        SCOPED_TRACE(c.name);
        Panel p;
        p.open(c.from, 5);
        ASSERT_TRUE(p.session->Hold(p.item(c.held)));
        p.session->Advance(20000);
        // Ten ticks, the last at the fastest pace, 3 past the limit.
        ASSERT_EQ(p.writes.size(), 10u);
        EXPECT_EQ(p.writes.back(), (Write{4800, c.from + 10 * c.step}));
        EXPECT_EQ(p.barPosition(), c.step < 0 ? 500 : 9000);
        EXPECT_FALSE(p.enabled(c.held));
        EXPECT_TRUE(p.enabled(c.other));
        EXPECT_TRUE(p.enabled(IDI_SAVE_POSITION)) << "a held move needs saving";
        EXPECT_FALSE(p.session->IsPressed(p.item(c.held))) << "the hold is forgotten";
        p.session->Release(p.item(c.held));
        p.session->Advance(1000);
        EXPECT_EQ(p.writes.size(), 10u);
        EXPECT_EQ(p.dlg->GetRepeatLevel(), 0);

        // The idle timer kept its last interval (300 ms), so the next hold begins at that pace and
        // slows to 500 ms after three ticks before it speeds up again.
        ASSERT_TRUE(p.session->Hold(p.item(c.other)));
        p.session->Advance(3000);
        p.session->Release(p.item(c.other));
        ASSERT_GE(p.writes.size(), 17u);
        std::vector<ULONGLONG> gaps;
        for (size_t i = 11; i < 17; ++i) gaps.push_back(p.writes[i].time - p.writes[i - 1].time);
        EXPECT_EQ(gaps, (std::vector<ULONGLONG>{300, 300, 500, 500, 500, 400}));
    }
}

TEST(ESIProbeAdjust, SaveTellsTheHostAndHomeReturnsToTheSavedPosition)
{
    Panel p;
    p.open(3000, 50);
    p.click(IDI_NEXT);
    p.click(IDI_NEXT);
    ASSERT_TRUE(p.click(IDI_SAVE_POSITION));
    EXPECT_EQ(p.host.Texts(), std::vector<std::string>{"SaveESIProbePosition(3100)"});
    EXPECT_EQ(p.dlg->GetSavedPosition(), 3100);
    EXPECT_FALSE(p.enabled(IDI_SAVE_POSITION));
    EXPECT_FALSE(p.enabled(IDI_HOME));

    for (int i = 0; i < 3; ++i) p.click(IDI_PREVIOUS);
    ASSERT_TRUE(p.click(IDI_HOME));
    EXPECT_EQ(p.positionsWritten(), (std::vector<int>{3050, 3100, 3050, 3000, 2950, 3100}));
    EXPECT_EQ(p.dlg->GetPosition(), 3100);
    EXPECT_EQ(p.barPosition(), 3100);
    EXPECT_FALSE(p.dlg->GetNeedToSave());
    EXPECT_FALSE(p.enabled(IDI_HOME));
    EXPECT_EQ(p.host.calls.size(), 1u);

    // Home from beyond a limit brings the move buttons back.
    p.dlg->SetInitialProbePosition(540, 0);
    p.click(IDI_PREVIOUS);
    EXPECT_FALSE(p.enabled(IDI_PREVIOUS));
    p.click(IDI_HOME);
    EXPECT_EQ(p.dlg->GetPosition(), 540);
    EXPECT_TRUE(p.enabled(IDI_PREVIOUS));
}

TEST(ESIProbeAdjust, WithoutAHostOrAClientThePanelStillWorksAndSaveDoesNothing)
{
    Panel p(false, false);
    p.open(2000, 50);
    ASSERT_TRUE(p.click(IDI_NEXT));
    EXPECT_EQ(p.dlg->GetPosition(), 2050);
    EXPECT_EQ(p.barPosition(), 2050);
    EXPECT_TRUE(p.client.Writes().empty());
    ASSERT_TRUE(p.click(IDI_SAVE_POSITION));
    EXPECT_TRUE(p.dlg->GetNeedToSave());
    EXPECT_TRUE(p.enabled(IDI_SAVE_POSITION));
    EXPECT_EQ(p.dlg->GetSavedPosition(), 2000);
    p.session->AnswerMessageBox(IDYES);
    ASSERT_TRUE(p.click(IDI_EXIT));
    EXPECT_FALSE(p.session->IsVisible(p.hwnd));
    EXPECT_TRUE(p.host.calls.empty());
}

TEST(ESIProbeAdjust, ExitAsksOnlyWhenUnsavedAndYesSendsTheProbeBackFirst)
{
    struct Case {
        const char* name;
        int moves; // clicks on in before Exit
        int answer; // 0: no prompt expected
        bool closes;
        std::vector<int> written;
    };
    for (const Case& c : {Case{"nothing to save", 0, 0, true, {}}, Case{"No", 1, IDNO, false, {1950}},
                          Case{"Yes", 2, IDYES, true, {1950, 1900, 2000}}}) {
        SCOPED_TRACE(c.name);
        Panel p;
        p.open(2000, 50);
        for (int i = 0; i < c.moves; ++i) p.click(IDI_PREVIOUS);
        if (c.answer) p.session->AnswerMessageBox(c.answer);
        ASSERT_TRUE(p.click(IDI_EXIT));
        ASSERT_EQ(p.session->MessageBoxes().size(), c.answer ? 1u : 0u);
        if (c.answer) {
            const MessageBoxRecord& box = p.session->MessageBoxes()[0];
            EXPECT_EQ(box.text, "Exit Without Saving Source Position?");
            EXPECT_EQ(box.caption, "Information");
            EXPECT_EQ(box.flags, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
            EXPECT_EQ(box.owner, p.hwnd);
        }
        EXPECT_EQ(p.positionsWritten(), c.written);
        EXPECT_EQ(p.session->IsVisible(p.hwnd), !c.closes);
        EXPECT_EQ(p.timerRunning(), !c.closes);
        EXPECT_EQ(p.host.Texts(), c.closes ? std::vector<std::string>{"ESIProbeWindowClosed(50)"}
                                           : std::vector<std::string>{});
        if (!c.closes) {
            EXPECT_EQ(p.dlg->GetPosition(), 1950);
            EXPECT_TRUE(p.enabled(IDI_SAVE_POSITION)) << "still unsaved";
        }
        if (c.moves) {
            EXPECT_EQ(p.hostCallsAtLastWrite, 0u) << "the probe goes back before the host hears of the close";
        }
    }
}

TEST(ESIProbeAdjust, StepSizesFromTheHostAndTheOperator)
{
    Panel p;
    EXPECT_EQ(p.checkedRadios(), std::vector<UINT>{IDC_STEP_SIZE_FIFTY}); // made with its own default
    p.open(2000, 7); // not a step size of the panel: 50
    EXPECT_EQ(p.dlg->GetStepSize(), 50);
    EXPECT_EQ(p.checkedRadios(), std::vector<UINT>{IDC_STEP_SIZE_FIFTY});
    EXPECT_EQ(p.barStep(), 50);
    p.click(IDI_NEXT);

    p.dlg->SetStepSize(1);
    EXPECT_EQ(p.checkedRadios(), std::vector<UINT>{IDC_STEP_SIZE_ONE});
    EXPECT_EQ(p.barStep(), 1);
    p.click(IDI_NEXT);

    p.dlg->SetStepSize(5);
    EXPECT_EQ(p.checkedRadios(), std::vector<UINT>{IDC_STEP_SIZE_FIVE});
    p.click(IDI_NEXT);

    // The operator's choice, from the unfolded group.
    p.click(IDI_EXPAND_DIALOG);
    ASSERT_TRUE(p.click(IDC_STEP_SIZE_FIFTY));
    EXPECT_EQ(p.checkedRadios(), std::vector<UINT>{IDC_STEP_SIZE_FIFTY});
    EXPECT_EQ(p.barStep(), 50);
    p.click(IDI_PREVIOUS);
    ASSERT_TRUE(p.click(IDC_STEP_SIZE_ONE));
    EXPECT_EQ(p.dlg->GetStepSize(), 1);
    p.click(IDI_PREVIOUS);
    ASSERT_TRUE(p.click(IDC_STEP_SIZE_FIVE));
    EXPECT_EQ(p.dlg->GetStepSize(), 5);
    EXPECT_EQ(p.positionsWritten(), (std::vector<int>{2050, 2051, 2056, 2006, 2005}));

    // Closing tells the host the step size in use.
    p.session->AnswerMessageBox(IDYES);
    p.click(IDI_EXIT);
    EXPECT_EQ(p.host.Texts(), std::vector<std::string>{"ESIProbeWindowClosed(5)"});
}

// Positions and step sizes at the ends of the int range are clamped or normalised before any
// arithmetic, so steps from there neither overflow nor leave the limits by more than one step.
TEST(ESIProbeAdjust, HostValuesAtTheEndsOfTheIntRangeStayWithinOneStepOfTheLimits)
{
    struct Case {
        int position, stepSize, expectedPosition, expectedStep;
    };
    for (Case c : {Case{INT_MIN, INT_MIN, 500, 50}, Case{INT_MAX, INT_MAX, 9000, 50}, Case{INT_MAX, -1, 9000, 50},
                   Case{INT_MIN, 5, 500, 5}}) {
        SCOPED_TRACE(c.position);
        Panel p;
        p.dlg->SetInitialProbePosition(c.position, c.position);
        p.dlg->SetStepSize(c.stepSize);
        p.dlg->DisplayWindow();
        EXPECT_EQ(p.dlg->GetPosition(), c.expectedPosition);
        EXPECT_EQ(p.dlg->GetStepSize(), c.expectedStep);
        for (UINT id : {IDI_NEXT, IDI_PREVIOUS, IDI_NEXT}) p.click(id);
        EXPECT_GE(p.dlg->GetPosition(), CESIProbeControlDlg::kPositionIn - c.expectedStep);
        EXPECT_LE(p.dlg->GetPosition(), CESIProbeControlDlg::kPositionOut + c.expectedStep);
    }
}
