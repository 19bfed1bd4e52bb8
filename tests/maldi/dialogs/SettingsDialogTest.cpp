// The two MALDI settings dialogs as host and operator use them.

#include "MSDialogTestSupport.h"

#include "maldi/dialogs/CMaldiSettingsDialog.h"
#include "maldi/dialogs/MaldiPatternFile.h"
#include "platform/instrument/CInstCtlClient.h"

using namespace msdlg;

namespace {

class SettingsDialogTest : public DialogTest {
protected:
    INT_PTR Run(CDialog& dialog, Automation::ModalScript script)
    {
        return DialogTest::Run(dialog, "Maldi Settings", std::move(script));
    }
    CInstCtlClient instrument;
};

} // namespace

TEST_F(SettingsDialogTest, OKSendsTheChosenFiringRateOnceAndCancelNothing)
{
    struct Case {
        bool withPatternChoice;
        int button;
        const char* log;
        const char* patternAfter; // nullptr: the default pattern
    };
    const Case cases[] = {
        {false, IDOK, "MaldiControl 6 = 20\n", nullptr},
        {false, IDCANCEL, "", "/patterns/grid.ptn"},
        {true, IDOK, "MaldiControl 6 = 20\n", "/patterns/grid.ptn"},
        {true, IDCANCEL, "", "/patterns/grid.ptn"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pattern choice " << c.withPatternChoice << ", button " << c.button);
        instrument.ClearWrites();
        CMaldiESISettingsDialog simple(&instrument, &host);
        CMaldiSettingsDialog full(&instrument, &host);
        CMaldiESISettingsDialog& dialog = c.withPatternChoice ? full : simple;
        dialog.SetLaserType(2);
        dialog.SetLaserFiringRate(5);
        dialog.SetPlateSpeed(3);
        dialog.SetPatternFilename("/patterns/grid.ptn");
        EXPECT_EQ(Run(dialog, [&](CWnd& d, Automation& a) {
            EXPECT_EQ(Items(a.Find(d, IDC_LASER_FIRING_RATE)), Strings({"1", "5", "10", "20"}));
            EXPECT_EQ(a.Text(d, IDC_LASER_FIRING_RATE), "5");
            EXPECT_EQ(a.Text(d, IDC_PLATE_SPEED), "3");
            EXPECT_EQ(::GetDlgCtrlID(a.FocusWindow()), c.withPatternChoice ? IDC_USE_CROSS_HAIRS : IDC_LASER_FIRING_RATE)
                << "opened with the first control not focused";
            ASSERT_TRUE(Choose(a, d, IDC_LASER_FIRING_RATE, "20"));
            ASSERT_TRUE(Choose(a, d, IDC_PLATE_SPEED, "8"));
            EXPECT_EQ(dialog.GetLaserFiringRate(), 20u); // read at once
            EXPECT_TRUE(instrument.Writes().empty());     // sent only on OK
            a.Click(d, c.button);
        }), c.button);
        EXPECT_EQ(instrument.WriteLog(), c.log);
        EXPECT_EQ(dialog.GetPlateSpeed(), 8u);
        EXPECT_EQ(dialog.GetPatternFilename(), c.patternAfter ? CString(c.patternAfter) : MaldiPatternFile::DefaultName());
    }
}

TEST_F(SettingsDialogTest, SimpleFormKeepsTheFixedPatternAndSkipsANullClient)
{
    CMaldiESISettingsDialog dialog(nullptr, &host);
    dialog.SetLaserType(3);
    dialog.SetLaserFiringRate(1000);
    dialog.SetPlateSpeed(12);
    EXPECT_EQ(Run(dialog, [&](CWnd& d, Automation& a) {
        EXPECT_EQ(Items(a.Find(d, IDC_LASER_FIRING_RATE)), Strings({"1", "5", "10", "20", "500", "1000"}));
        EXPECT_EQ(a.Text(d, IDC_LASER_FIRING_RATE), "1000");
        EXPECT_EQ(a.Text(d, IDC_PLATE_SPEED), "1"); // not in the list: the first item
        a.PressKey(VK_RETURN);
    }), IDOK);
    EXPECT_EQ(dialog.GetLaserFiringRate(), 1000u);
    EXPECT_EQ(dialog.GetPlateSpeed(), 1u);
    EXPECT_EQ(dialog.GetPatternFilename(), MaldiPatternFile::DefaultName());
}

TEST_F(SettingsDialogTest, ProbeMotionRadioButtonsSwitchThePatternControls)
{
    struct Case {
        UINT typeSet;
        int click;       // 0: neither radio button
        UINT typeAfter;
    };
    const Case cases[] = {
        {1, IDC_USE_PATTERN_FILE, 0},
        {1, 0, 1},
        {2, 0, 2}, // the host's value stays while the operator touches neither
        {2, IDC_USE_CROSS_HAIRS, 1},
        {0, IDC_USE_CROSS_HAIRS, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.typeSet << ", click " << c.click);
        CMaldiSettingsDialog dialog(&instrument, &host);
        dialog.SetProbeMotionType(c.typeSet);
        Run(dialog, [&](CWnd& d, Automation& a) {
            auto expectShown = [&](bool crossHairs) {
                EXPECT_EQ(a.CheckState(a.Find(d, IDC_USE_CROSS_HAIRS)), crossHairs ? BST_CHECKED : BST_UNCHECKED);
                EXPECT_EQ(a.CheckState(a.Find(d, IDC_USE_PATTERN_FILE)), crossHairs ? BST_UNCHECKED : BST_CHECKED);
                EXPECT_EQ(a.IsEnabled(a.Find(d, IDC_SETTINGS_PATTERN_FILE)), !crossHairs);
                EXPECT_EQ(a.IsEnabled(a.Find(d, IDC_SETTINGS_PATTERN_BROWSE)), !crossHairs);
            };
            expectShown(c.typeSet == 1);
            ASSERT_TRUE(Choose(a, d, IDC_PLATE_SPEED, "2")); // a list read leaves the type alone
            if (c.click) {
                ASSERT_TRUE(a.Click(d, c.click));
            }
            expectShown(c.typeAfter == 1);
            a.Click(d, IDOK);
        });
        EXPECT_EQ(dialog.GetProbeMotionType(), c.typeAfter);
    }
}

TEST_F(SettingsDialogTest, PatternFileComesFromTheBrowseNotFromTyping)
{
    CMaldiSettingsDialog dialog(&instrument, &host);
    dialog.SetProbeMotionType(0);
    dialog.SetPatternFilename("/patterns/grid.ptn");
    HWND window = nullptr;
    Run(dialog, [&](CWnd& d, Automation& a) {
        window = d.GetSafeHwnd();
        EXPECT_EQ(a.Text(d, IDC_SETTINGS_PATTERN_FILE), "/patterns/grid.ptn");
        ASSERT_TRUE(a.ReplaceText(d, IDC_SETTINGS_PATTERN_FILE, "typed.ptn"));
        a.CancelFileDialog();
        ASSERT_TRUE(a.Click(d, IDC_SETTINGS_PATTERN_BROWSE));
        EXPECT_EQ(a.Text(d, IDC_SETTINGS_PATTERN_FILE), "typed.ptn");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.GetPatternFilename(), "/patterns/grid.ptn");

    Run(dialog, [&](CWnd& d, Automation& a) {
        a.ChooseFile("/data/patterns/spiral.ptn");
        ASSERT_TRUE(a.Click(d, IDC_SETTINGS_PATTERN_BROWSE));
        EXPECT_EQ(a.Text(d, IDC_SETTINGS_PATTERN_FILE), "/data/patterns/spiral.ptn");
        a.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.GetPatternFilename(), "/data/patterns/spiral.ptn");
    ASSERT_EQ(automation->FileDialogs().size(), 2u);
    EXPECT_EQ(automation->FileDialogs()[0].filter, "Pattern File(*.ptn) | *.ptn||");
    EXPECT_EQ(automation->FileDialogs()[0].owner, window);
}
