// The example host's own code, tested headless against the installed library: the automation
// session plays the operator and the clock, the recording host double stands in for the host
// where only the panel's set-up is under test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ExampleHost.h"
#include "maldi/plate/CMaldiProbeSheet.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/AutomationSession.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "tests/support/RecordingAppInterface.h"

using namespace maldi::res;

namespace {

struct HostTest : ::testing::Test {
    AutomationSession session; // first made, last gone: the host's windows live inside it
    ExampleHost host;

    CString bar() { return session->Text(host.Panel()->GetSafeHwnd(), IDC_PLATE_SPOT_PROGRESS); }
    void tick() { session->Advance(CMaldiAcquireControlDlg::kProgressInterval); }
};

} // namespace

TEST(ExampleHostPanel, SetUpBindsTheEnergyShowsTheRunAndSpeedAndOnlyAsksForStates)
{
    AutomationSession session;
    VEXPropertyTable::Instance().Add(ExampleHost::kCollisionEnergy, VEXPropertyKind::Setting, 42.5);
    RecordingAppInterface callbacks;
    CInstMonClient monitor;
    auto panel = OpenAcquisitionPanel(&callbacks, &monitor, nullptr, 6, 20.0);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(session->IsVisible(panel->GetSafeHwnd()));
    ASSERT_FALSE(callbacks.calls.empty());
    for (const std::string& call : callbacks.Texts()) EXPECT_EQ(call, "SendPlateCommand(2,14)");
    EXPECT_EQ(session->Text(panel->GetSafeHwnd(), IDC_COLLISION_ENERGY), "20.0");
    EXPECT_EQ(session->Text(panel->GetSafeHwnd(), IDC_SPEED_TEXT), "6");
    ASSERT_EQ(panel->GetEditBindings().size(), 1u);
    EXPECT_EQ(panel->GetEditBindings()[0].param.strPositive, ExampleHost::kCollisionEnergy);
    VEXPropertyTable::Instance().Remove(ExampleHost::kCollisionEnergy);
}

TEST_F(HostTest, RunShowsEachWellAndEndsThePanelAfterTheLastSpot)
{
    ASSERT_TRUE(host.StartAcquisition({1, 2, 13}, 25.0));
    EXPECT_FALSE(host.StartAcquisition({4}, 25.0)); // one run at a time
    HWND panel = host.Panel()->GetSafeHwnd();
    const char* shown[] = {"A1: 1 of 3", "A2: 2 of 3", "B1: 3 of 3"};
    for (int spot = 0; spot < 3; ++spot) {
        host.SpotAcquired(spot);
        if (spot < 2) {
            tick();
            EXPECT_EQ(bar(), shown[spot]);
        }
    }
    EXPECT_FALSE(host.IsAcquiring());
    EXPECT_FALSE(session->IsVisible(panel));
    EXPECT_EQ(host.Log().back(), "acquisition complete");
    EXPECT_FALSE(host.StartAcquisition({}, 25.0));
}

TEST_F(HostTest, OperatorStopEndsTheRunOnlyWhenConfirmedAndANewRunGetsAFreshPanel)
{
    ASSERT_TRUE(host.StartAcquisition({5, 6}, 30.0));
    HWND panel = host.Panel()->GetSafeHwnd();
    session->AnswerMessageBox(IDNO, "Really stop the acquisition ?");
    ASSERT_TRUE(session->Click(panel, IDI_STOP_ACQUISITION));
    EXPECT_TRUE(host.IsAcquiring());
    session->AnswerMessageBox(IDYES, "Really stop the acquisition ?");
    ASSERT_TRUE(session->Click(panel, IDI_STOP_ACQUISITION));
    EXPECT_FALSE(host.IsAcquiring());
    EXPECT_FALSE(session->IsVisible(panel));

    ASSERT_TRUE(host.StartAcquisition({7}, 30.0));
    tick();
    EXPECT_EQ(bar(), "A7: 0 of 1");
}

TEST_F(HostTest, PauseAndContinueFromThePanelReachTheHost)
{
    ASSERT_TRUE(host.StartAcquisition({1, 2}, 30.0));
    HWND panel = host.Panel()->GetSafeHwnd();
    ASSERT_TRUE(session->Click(panel, IDI_PAUSE));
    EXPECT_TRUE(host.IsPaused());
    ASSERT_TRUE(session->Click(panel, IDI_PAUSE));
    EXPECT_FALSE(host.IsPaused());
}

TEST_F(HostTest, SettingsAreKeptAndSentOnOKOnly)
{
    struct Case {
        int button;
        UINT rateAfter;
        const char* sent;
    };
    for (const Case& c : {Case{IDCANCEL, 20, ""}, Case{IDOK, 10, "MaldiControl 6 = 10\n"}}) {
        SCOPED_TRACE(c.button);
        host.Control().ClearWrites();
        session->OnNextModal([&](CWnd& dialog, Automation& a) {
            EXPECT_EQ(a.Text(dialog, IDC_LASER_FIRING_RATE), "20"); // the host's current rate
            ASSERT_TRUE(a.ChooseComboItem(a.Find(dialog, IDC_LASER_FIRING_RATE), "10"));
            a.Click(dialog, c.button);
        }, "Maldi Settings");
        EXPECT_EQ(host.EditLaserSettings(), c.button == IDOK);
        EXPECT_EQ(host.Laser().firingRate, c.rateAfter);
        EXPECT_EQ(host.Control().WriteLog(), c.sent);
    }
}

TEST_F(HostTest, PlateChosenInTheSheetNamesTheWellsOfTheNextRun)
{
    const std::string path = (std::filesystem::temp_directory_path() / "example-host-numeric.mtp").string();
    CMaldiPlate numeric;
    numeric.m_nWellReference = CMaldiPlate::wellNumeric;
    ASSERT_TRUE(CMaldiProbeSheet::WritePlateFile(path.c_str(), numeric));
    session->OnNextModal([](CWnd& sheet, Automation& a) { a.Click(sheet, IDOK); }, "Target Plate");
    ASSERT_TRUE(host.EditPlate(path.c_str()));
    ASSERT_TRUE(host.StartAcquisition({13}, 30.0));
    tick();
    EXPECT_EQ(bar(), "13: 0 of 1"); // not "B1"
    std::filesystem::remove(path);
}

TEST_F(HostTest, PatternFileChosenWithTheBrowseIsKeptOnOK)
{
    VEXPropertyTable::Instance().SetMaldiEsiModel(false); // the model where the operator picks the pattern
    session->OnNextModal([](CWnd& dialog, Automation& a) {
        a.ChooseFile("/data/patterns/spiral.ptn"); // the answer to the next file dialog
        ASSERT_TRUE(a.Click(dialog, IDC_SETTINGS_PATTERN_BROWSE));
        a.Click(dialog, IDOK);
    }, "Maldi Settings");
    ASSERT_TRUE(host.EditLaserSettings());
    EXPECT_EQ(host.Laser().patternFile, "/data/patterns/spiral.ptn");
    ASSERT_EQ(session->FileDialogs().size(), 1u);
    VEXPropertyTable::Instance().Reset();
}
