// The scan-function base dialogs run modally from templates: data exchange, the collision cell and
// centroid enable rules, and the MS/MS precursor.

#include <gtest/gtest.h>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/scanfunction/CTOFMSMSAcqFunctionSetupDialog.h"

namespace {

using Base = CTOFMSAcqFunctionSetupDialog;
constexpr UINT IDD_FULL = 700;
constexpr UINT IDD_BARE = 701;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;

DialogTemplate fullTemplate()
{
    return DialogTemplate{IDD_FULL, "TOF MS", DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION, 0, 0, 0, 200, 140,
                          "MS Sans Serif", 8,
                          {
                              {Base::IDC_TOF_USE_TUNE_PAGE_CE, "Button", "Use Tune Page", kCheck, 0, 7, 7, 80, 10},
                              {Base::IDC_TOF_CE_RAMP, "Button", "Ramp", kCheck, 0, 7, 20, 80, 10},
                              {Base::IDC_TOF_CE_RAMP_START, "Edit", "", kEdit, 0, 100, 7, 50, 14},
                              {Base::IDC_TOF_CE_RAMP_END, "Edit", "", kEdit, 0, 100, 25, 50, 14},
                              {Base::IDC_TOF_CENTROID_THRESHOLD, "Edit", "", kEdit, 0, 100, 43, 50, 14},
                              {Base::IDC_TOF_CENTROID_MIN_WIDTH, "Edit", "", kEdit, 0, 100, 61, 50, 14},
                              {CTOFMSMSAcqFunctionSetupDialog::IDC_TOF_PRECURSOR_UNIT_RESOLUTION, "Button", "Unit",
                               kCheck, 0, 7, 80, 80, 10},
                              {IDOK, "Button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 40, 110,
                               40, 14},
                              {IDCANCEL, "Button", "Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 100, 110, 40, 14},
                          }};
}

DialogTemplate bareTemplate()
{
    return DialogTemplate{IDD_BARE, "Instrument MS", DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION, 0, 0, 0, 100,
                          40, "MS Sans Serif", 8,
                          {{IDOK, "Button", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 10, 10, 40, 14}}};
}

class ScanFunctionDialog : public ::testing::Test {
protected:
    AutomationSession automation;
    ResourceModule module{"scan function test", {fullTemplate(), bareTemplate()}, {}, {}};
    ResourceRegistrar registrar{module};
};

} // namespace

TEST_F(ScanFunctionDialog, ExchangesItsValuesAndAppliesTheCollisionCellRule)
{
    CTOFMSAcqFunctionSetupDialog dialog(IDD_FULL);
    dialog.m_dCERampStart = 12.5;
    automation->OnNextModal([](CWnd& d, Automation& a) {
        EXPECT_EQ(a.Text(d, Base::IDC_TOF_CE_RAMP_START), "12.5");
        EXPECT_EQ(a.Text(d, Base::IDC_TOF_CE_RAMP_END), "10");
        EXPECT_EQ(a.CheckState(a.Find(d, Base::IDC_TOF_CE_RAMP)), BST_CHECKED);
        EXPECT_TRUE(a.IsEnabled(a.Find(d, Base::IDC_TOF_CE_RAMP_END)));
        // Holding the start voltage: no end voltage.
        a.Click(d, Base::IDC_TOF_CE_RAMP);
        EXPECT_FALSE(a.IsEnabled(a.Find(d, Base::IDC_TOF_CE_RAMP_END)));
        EXPECT_TRUE(a.IsEnabled(a.Find(d, Base::IDC_TOF_CE_RAMP_START)));
        // The tune page's energy: no ramp controls at all.
        a.Click(d, Base::IDC_TOF_USE_TUNE_PAGE_CE);
        EXPECT_FALSE(a.IsEnabled(a.Find(d, Base::IDC_TOF_CE_RAMP)));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, Base::IDC_TOF_CE_RAMP_START)));
        a.Click(d, Base::IDC_TOF_USE_TUNE_PAGE_CE);
        EXPECT_TRUE(a.IsEnabled(a.Find(d, Base::IDC_TOF_CE_RAMP_START)));
        a.ReplaceText(d, Base::IDC_TOF_CENTROID_THRESHOLD, "25");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nCERampEnabled, 0);
    EXPECT_EQ(dialog.m_nUseTunePageCE, 0);
    EXPECT_DOUBLE_EQ(dialog.m_dCentroidThreshold, 10.0); // the edit was disabled: typing did nothing
}

TEST_F(ScanFunctionDialog, CentroidEditsFollowTheCentroidingOptions)
{
    for (int option = 0; option < 3; ++option) {
        CTOFMSAcqFunctionSetupDialog dialog(IDD_FULL);
        dialog.m_bHardwareCentroiding = option == 1;
        dialog.m_bSoftwareCentroiding = option == 2;
        automation->OnNextModal([&](CWnd& d, Automation& a) {
            EXPECT_EQ(dialog.m_editCentroidThreshold.GetSafeHwnd(), a.Find(d, Base::IDC_TOF_CENTROID_THRESHOLD));
            EXPECT_EQ(a.IsEnabled(a.Find(d, Base::IDC_TOF_CENTROID_THRESHOLD)), option != 0);
            EXPECT_EQ(a.IsEnabled(a.Find(d, Base::IDC_TOF_CENTROID_MIN_WIDTH)), option != 0);
            if (option != 0) {
                a.ReplaceText(d, Base::IDC_TOF_CENTROID_THRESHOLD, "25");
                a.ReplaceText(d, Base::IDC_TOF_CENTROID_MIN_WIDTH, "0");
                a.AnswerMessageBox(IDOK, "between 1 and 1000");
                a.Click(d, IDOK); // refused: the width is out of range
                EXPECT_TRUE(d.ContinueModal());
                EXPECT_EQ(a.PendingMessageBoxAnswers(), 0u);
                a.ReplaceText(d, Base::IDC_TOF_CENTROID_MIN_WIDTH, "4");
            }
            a.Click(d, IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_DOUBLE_EQ(dialog.m_dCentroidThreshold, option != 0 ? 25.0 : 10.0);
        EXPECT_EQ(dialog.m_nCentroidMinPeakWidth, option != 0 ? 4 : 3);
        EXPECT_EQ(dialog.HasCentroidingOption(), option != 0);
    }
}

TEST_F(ScanFunctionDialog, MSMSExchangesThePrecursorResolution)
{
    CTOFMSMSAcqFunctionSetupDialog dialog(IDD_FULL);
    EXPECT_EQ(dialog.m_nPrecursorUnitResolution, 0);
    automation->OnNextModal([](CWnd& d, Automation& a) {
        HWND unit = a.Find(d, CTOFMSMSAcqFunctionSetupDialog::IDC_TOF_PRECURSOR_UNIT_RESOLUTION);
        EXPECT_EQ(a.CheckState(unit), BST_UNCHECKED);
        a.Click(unit);
        a.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nPrecursorUnitResolution, 1);
}
