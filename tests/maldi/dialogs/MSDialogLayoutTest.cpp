// The "Maldi MS Scan" template: each control inside the group the dialog names for it, labels
// with their mnemonics, list styles, and a screenshot of the dialog as it opens.

#include "MSDialogTestSupport.h"

#include <filesystem>

#include "TemplateTestSupport.h"
#include "platform/framework/gdi/SurfaceDiff.h"

using namespace msdlg;

namespace {

const DialogTemplate& msTemplate()
{
    return dlgtemplate::Find(IDD_MALDI_MS_SCAN);
}

using dlgtemplate::ItemWithId;

} // namespace

TEST(MSDialogTemplate, ControlsSitInTheirGroups)
{
    const DialogTemplate& t = msTemplate();
    EXPECT_EQ(t.caption, "Maldi MS");
    const std::map<const char*, std::vector<UINT>> groups{
        {"Mass Range (m/z)", {IDC_MS_START_MASS, IDC_MS_END_MASS}},
        {"Acquisition Time (secs)", {IDC_USE_LOCK_MASS, IDC_LOCK_MASS_TIME, IDC_MS_SAMPLE_TIME, IDC_MS_TOTAL_TIME}},
        {"Method", {IDC_MS_ION_MODE, IDC_MS_DATA_FORMAT, IDC_MS_SCANS_TO_SUM}},
        {"Scan Duration (secs)", {IDC_MS_SCAN_TIME, IDC_MS_INTER_SCAN_DELAY}},
        {"Laser", {IDC_LASER_FIRING_RATE}},
        {"Probe Motion", {IDC_MS_PATTERN_FILE, IDC_MS_PATTERN_BROWSE, IDC_PLATE_SPEED}},
    };
    dlgtemplate::ExpectGroups(t, groups);
}

TEST(MSDialogTemplate, LabelsListsAndEditsAsTheOperatorUsesThem)
{
    const DialogTemplate& t = msTemplate();
    // Each labelled control follows its label, so the label's mnemonic reaches it.
    const std::map<const char*, UINT> labels{
        {"&Start", IDC_MS_START_MASS},         {"En&d", IDC_MS_END_MASS},
        {"Sca&n Time", IDC_MS_SCAN_TIME},      {"Inter-Scan Dela&y", IDC_MS_INTER_SCAN_DELAY},
        {"&Lock Mass Time", IDC_LOCK_MASS_TIME}, {"&Sample Time", IDC_MS_SAMPLE_TIME},
        {"&Total Time", IDC_MS_TOTAL_TIME},    {"Ioni&zation Mode", IDC_MS_ION_MODE},
        {"D&ata", IDC_MS_DATA_FORMAT},         {"Scans To S&um", IDC_MS_SCANS_TO_SUM},
        {"&Firing Rate (Hz)", IDC_LASER_FIRING_RATE}, {"&Pattern Type", IDC_MS_PATTERN_FILE},
        {"P&late Speed (Hz)", IDC_PLATE_SPEED},
    };
    dlgtemplate::ExpectLabels(t, labels);
    EXPECT_EQ(ItemWithId(t, IDC_USE_LOCK_MASS)->text, "Use Loc&k Mass");
    EXPECT_EQ(ItemWithId(t, IDC_MS_PATTERN_BROWSE)->text, "...");
    EXPECT_EQ(ItemWithId(t, IDOK)->text, "&OK");
    EXPECT_EQ(ItemWithId(t, IDCANCEL)->text, "&Cancel");
    for (UINT id : {IDC_MS_ION_MODE, IDC_MS_DATA_FORMAT, IDC_LASER_FIRING_RATE, IDC_PLATE_SPEED})
        EXPECT_EQ(ItemWithId(t, id)->style & CBS_TYPEMASK, static_cast<DWORD>(CBS_DROPDOWNLIST)) << id;
    EXPECT_TRUE(ItemWithId(t, IDC_MS_DATA_FORMAT)->style & CBS_SORT);
    EXPECT_TRUE(ItemWithId(t, IDC_LOCK_MASS_TIME)->style & ES_NUMBER);
    EXPECT_TRUE(ItemWithId(t, IDC_MS_SAMPLE_TIME)->style & ES_NUMBER);
    EXPECT_TRUE(ItemWithId(t, IDC_MS_TOTAL_TIME)->style & WS_DISABLED);
}

TEST_F(MSDialogTest, OpenDialogAndItsLabelsOnScreen)
{
    CMaldiMSAcqFunctionSetupDialog dialog(&host);
    dialog.SetLaserType(3);
    dialog.SetLaserFiringRate(20);
    dialog.SetIntEndTime(60);
    dialog.SetLockMassTime(10);
    dialog.SetUseLockMass(TRUE);
    dialog.SetLaserPatternFilename("/data/patterns/spiral.ptn");
    Run(dialog, [&](CWnd& d, Automation& a) {
        // Every control shows whole on the dialog.
        for (HWND child : a.Children(d.GetSafeHwnd())) {
            CRect r = a.WindowRect(child);
            CRect client = a.ClientRect(d.GetSafeHwnd());
            EXPECT_TRUE(a.IsOnScreen(child)) << a.Id(child);
            EXPECT_LE(r.Width(), client.Width());
        }
        const std::filesystem::path dir = SurfaceDiff::OutputDirectory();
        std::filesystem::create_directories(dir);
        a.Screenshot(d.GetSafeHwnd(), (dir / "maldi-ms-scan.png").string().c_str());
        EXPECT_TRUE(std::filesystem::exists(dir / "maldi-ms-scan.png"));
        a.Click(d, IDCANCEL);
    });
}
