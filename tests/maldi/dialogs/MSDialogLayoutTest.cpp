// The "Maldi MS Scan" template: each control inside the group the dialog names for it, labels
// with their mnemonics, list styles, and a screenshot of the dialog as it opens.

#include "MSDialogTestSupport.h"

#include <filesystem>
#include <map>

#include "maldi/resources/MaldiResources.h"
#include "platform/framework/gdi/SurfaceDiff.h"

using namespace msdlg;

namespace {

const DialogTemplate& msTemplate()
{
    const DialogTemplate* t = MaldiResources::Module().FindDialog(IDD_MALDI_MS_SCAN);
    if (!t) throw std::runtime_error("no \"Maldi MS Scan\" template");
    return *t;
}

const DialogItem* itemWithText(const DialogTemplate& t, const char* text)
{
    for (const DialogItem& item : t.items)
        if (item.text == text) return &item;
    return nullptr;
}

const DialogItem* itemWithId(const DialogTemplate& t, UINT id)
{
    for (const DialogItem& item : t.items)
        if (item.id == static_cast<int>(id)) return &item;
    return nullptr;
}

bool inside(const DialogItem& inner, const DialogItem& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

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
    for (const auto& [caption, ids] : groups) {
        const DialogItem* group = itemWithText(t, caption);
        ASSERT_NE(group, nullptr) << caption;
        EXPECT_EQ(group->style & 0xF, static_cast<DWORD>(BS_GROUPBOX)) << caption;
        for (UINT id : ids) {
            const DialogItem* control = itemWithId(t, id);
            ASSERT_NE(control, nullptr) << id;
            // A drop-down list is as high as its open list; its closed field is what must fit.
            DialogItem closed = *control;
            if (closed.className == "ComboBox") closed.cy = 14;
            EXPECT_TRUE(inside(closed, *group)) << id << " outside \"" << caption << "\"";
            for (const auto& [other, otherIds] : groups) {
                if (other == caption) continue;
                EXPECT_FALSE(inside(closed, *itemWithText(t, other))) << id << " in " << other;
            }
        }
    }
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
    for (const auto& entry : labels) {
        const char* label = entry.first;
        const UINT id = entry.second;
        auto at = std::find_if(t.items.begin(), t.items.end(), [&](const DialogItem& i) { return i.text == label; });
        ASSERT_NE(at, t.items.end()) << label;
        ASSERT_NE(at + 1, t.items.end()) << label;
        EXPECT_EQ((at + 1)->id, static_cast<int>(id)) << label;
    }
    EXPECT_EQ(itemWithId(t, IDC_USE_LOCK_MASS)->text, "Use Loc&k Mass");
    EXPECT_EQ(itemWithId(t, IDC_MS_PATTERN_BROWSE)->text, "...");
    EXPECT_EQ(itemWithId(t, IDOK)->text, "&OK");
    EXPECT_EQ(itemWithId(t, IDCANCEL)->text, "&Cancel");
    for (UINT id : {IDC_MS_ION_MODE, IDC_MS_DATA_FORMAT, IDC_LASER_FIRING_RATE, IDC_PLATE_SPEED})
        EXPECT_EQ(itemWithId(t, id)->style & CBS_TYPEMASK, static_cast<DWORD>(CBS_DROPDOWNLIST)) << id;
    EXPECT_TRUE(itemWithId(t, IDC_MS_DATA_FORMAT)->style & CBS_SORT);
    EXPECT_TRUE(itemWithId(t, IDC_LOCK_MASS_TIME)->style & ES_NUMBER);
    EXPECT_TRUE(itemWithId(t, IDC_MS_SAMPLE_TIME)->style & ES_NUMBER);
    EXPECT_TRUE(itemWithId(t, IDC_MS_TOTAL_TIME)->style & WS_DISABLED);
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
