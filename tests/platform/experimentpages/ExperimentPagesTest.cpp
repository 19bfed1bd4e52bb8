// The experiment-page library as instrument sheets use it: the base sheet's record transfers and the
// template page's browse. The survey switch page's tests click "After Time" through its virtual handler.

#include <gtest/gtest.h>

#include "platform/experimentpages/CQuadFSPropertySheet.h"
#include "platform/experimentpages/QuadFSControlIds.h"
#include "platform/experimentpages/QuadFSResources.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/ResourceRegistrar.h"
#include "platform/framework/WinUser.h"

using namespace quadfs;

namespace {

constexpr UINT IDD_TEST_SWITCH = 900;
constexpr UINT IDD_TEST_TEMPLATE = 901;

// Pages of an instrument sheet on test templates that keep the library's control ids.
DialogTemplate pageTemplate(UINT id, LPCTSTR caption, std::vector<DialogItem> items)
{
    return DialogTemplate{id, caption, DS_SETFONT | WS_CHILD | WS_CAPTION, 0, 0, 0, 200, 120, "MS Sans Serif", 8,
                          std::move(items)};
}

constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

class TestSheet : public CQuadFSPropertySheet {
public:
    TestSheet() : CQuadFSPropertySheet("Experiment") {}
    void SetUpPages() override
    {
        InitialiseFunctionSwitchInfo();
        m_pMSMSToMSPage = new CQuadMSMSToMSPage(IDD_TEST_SWITCH);
        m_pTemplatePage = new CQuadMSMSTemplatePage(IDD_TEST_TEMPLATE);
        m_pMSToMSMSPage = new CQuadMSToMSMSPage(IDD_TEST_SWITCH);
        m_pIncludePage = new CQuadFSIncludePage(QuadFSResources::IDD_INCLUDE_PAGE, QuadFSResources::IDS_INCLUDE_CAPTION);
        m_pCollisionEnergyPage = new CQuadCollisionEnergyPage;
        AddPage(m_pMSMSToMSPage);
        AddPage(m_pTemplatePage);
        AddPage(m_pIncludePage);
        AddPage(m_pCollisionEnergyPage);
    }
    CQuadMSMSTemplatePage& Template() { return *m_pTemplatePage; }
};

class ExperimentPagesTest : public ::testing::Test {
protected:
    static constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    AutomationSession automation;
    ResourceModule module{"test pages",
                          {pageTemplate(IDD_TEST_SWITCH, "Switch", {}),
                           pageTemplate(IDD_TEST_TEMPLATE, "Template",
                                        {{IDC_TEMPLATE_PARAMETER_FILE, "Edit", "", kEdit, 0, 7, 7, 120, 14},
                                         {IDC_TEMPLATE_BROWSE, "Button", "&Browse", kButton | BS_PUSHBUTTON, 0, 130, 7, 40, 14},
                                         {IDC_TEMPLATE_COLLISION_ENERGY, "Edit", "", kEdit, 0, 7, 27, 60, 14}})},
                          {},
                          {}};
    ResourceRegistrar registrar{module};
    TestSheet sheet;

};

} // namespace

// The survey sheet's tests follow the switch records through an instrument sheet; here the refusals,
// the template record, and the instrument's own fields that the library leaves alone.
TEST_F(ExperimentPagesTest, TransfersRefuseWithoutPageOrRecordAndMoveOnlyTheLibraryFields)
{
    MStoMSMSInfo toMsms;
    MSMStoMSInfo toMs;
    MSMSTemplateInfo templ;
    CString a, b;
    EXPECT_EQ(sheet.SetupMSToMSMSPage(&toMsms), 0);
    EXPECT_EQ(sheet.GetMSMSToMSPage(&toMs), 0);
    EXPECT_EQ(sheet.GetTemplatePage(&templ, a, b), 0);

    sheet.SetUpPages();
    sheet.SetUpPages(); // again: the pages are replaced, not added to
    EXPECT_EQ(sheet.GetPageCount(), 4);
    EXPECT_EQ(sheet.SetupMSToMSMSPage(nullptr), 0);
    EXPECT_EQ(sheet.GetTemplatePage(nullptr, a, b), 0);

    templ.dStartMass = 400;
    templ.dCollisionEnergy = 55;
    templ.nCarriedSecond = 8;
    templ.bUseOwnInstParamFile = TRUE;
    templ.strInstParamFile = "own.ipr";
    ASSERT_EQ(sheet.SetupMSToMSMSPage(&toMsms), 1);
    ASSERT_EQ(sheet.SetupMSMSToMSPage(&toMs), 1);
    ASSERT_EQ(sheet.SetupTemplatePage(&templ, "one", "two"), 1);

    MStoMSMSInfo outMsms;
    outMsms.nPeaksToSwitchOn = -1;
    MSMStoMSInfo outMs;
    outMs.dMonitorWindow = -1;
    outMs.bMonitorWindow = -1;
    MSMSTemplateInfo outTempl;
    outTempl.dSetMassOffset = -1;
    ASSERT_EQ(sheet.GetMSToMSMSPage(&outMsms), 1);
    ASSERT_EQ(sheet.GetMSMSToMSPage(&outMs), 1);
    ASSERT_EQ(sheet.GetTemplatePage(&outTempl, a, b), 1);
    EXPECT_DOUBLE_EQ(outTempl.dStartMass, 400.0);
    EXPECT_DOUBLE_EQ(outTempl.dCollisionEnergy, 55.0);
    EXPECT_EQ(outTempl.nCarriedSecond, 8);
    EXPECT_EQ(outTempl.bUseOwnInstParamFile, TRUE);
    EXPECT_EQ(outTempl.strInstParamFile, "own.ipr");
    EXPECT_EQ(a, "one");
    EXPECT_EQ(b, "two");
    // The instrument sheet's fields stay as the caller had them.
    EXPECT_EQ(outMsms.nPeaksToSwitchOn, -1);
    EXPECT_DOUBLE_EQ(outMs.dMonitorWindow, -1.0);
    EXPECT_EQ(outMs.bMonitorWindow, -1);
    EXPECT_DOUBLE_EQ(outTempl.dSetMassOffset, -1.0);
}

// The survey template page's tests browse through this handler (the typed values kept, a cancelled
// dialog, the filter); here a page that does not read stops at its prompt, before any file dialog.
TEST_F(ExperimentPagesTest, BrowseStopsAtThePromptOfAPageThatDoesNotReadAndOpensInTheCurrentFolder)
{
    sheet.SetUpPages();
    sheet.Template().m_strInstParamFile = "old.ipr";
    sheet.SetActivePage(1);
    automation->OnNextModal(
        [&](CWnd& d, Automation& a) {
            a.ReplaceText(d, IDC_TEMPLATE_COLLISION_ENERGY, "x");
            a.AnswerMessageBox(IDOK, "Please enter a number.");
            a.Click(d, IDC_TEMPLATE_BROWSE);
            EXPECT_TRUE(a.FileDialogs().empty());
            a.ReplaceText(d, IDC_TEMPLATE_COLLISION_ENERGY, "42");
            a.CancelFileDialog();
            a.Click(d, IDC_TEMPLATE_BROWSE);
            EXPECT_EQ(a.Text(d, IDC_TEMPLATE_PARAMETER_FILE), "old.ipr");
            a.Click(d, IDCANCEL);
        },
        "Experiment");
    sheet.DoModal();
    ASSERT_EQ(automation->FileDialogs().size(), 1u);
    EXPECT_EQ(automation->FileDialogs()[0].initialFolder, ".");
    EXPECT_EQ(sheet.Template().m_strInstParamFile, "old.ipr");
}
