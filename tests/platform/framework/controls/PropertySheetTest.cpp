// Property sheets as the experiment and plate sheets use them: pages added before the run, made when
// first shown, exchanging their data when left (and staying when that fails), OK and Cancel routed
// to the sheet's and the pages' handlers, Ctrl+Tab. The library's sheet tests cover sheets with
// their own OK handler and pages that refill their lists when shown.

#include <gtest/gtest.h>

#include <memory>

#include "ControlFixture.h"

using namespace controls_test;

namespace {

constexpr UINT IDD_MASS = 810;
constexpr UINT IDD_LASER = 811;
constexpr UINT IDS_MASS_TAB = 1;
constexpr int IDC_MASS = 41;
constexpr int IDC_LOCK = 42;
constexpr int IDC_RATE = 51;
constexpr int IDC_WIDTH = 52;

const DWORD kPage = WS_CHILD | WS_CAPTION | WS_SYSMENU | DS_SETFONT;

DialogTemplate massTemplate()
{
    return DialogTemplate{IDD_MASS, "Mass", kPage, 0, 0, 0, 200, 100, "MS Sans Serif", 8,
                          {
                              {IDC_STATIC, "Static", "&Start Mass", kChild, 0, 7, 9, 50, 8},
                              {IDC_MASS, "Edit", "", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 60, 7, 60, 14},
                              {IDC_LOCK, "Button", "Use Lock Mass", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 30, 80, 10},
                          }};
}

DialogTemplate laserTemplate()
{
    return DialogTemplate{IDD_LASER, "Laser", kPage, 0, 0, 0, 180, 120, "MS Sans Serif", 8,
                          {
                              {IDC_RATE, "Edit", "", kChild | WS_BORDER | WS_TABSTOP, 0, 60, 7, 50, 14},
                              {IDC_WIDTH, "Edit", "", kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER, 0, 60, 30, 40, 14},
                          }};
}

// The templates and the tab caption, in the resource chain for the whole test program.
struct SheetResources {
    ResourceModule module{"sheet tests", {massTemplate(), laserTemplate()}, {{IDS_MASS_TAB, "MS/MS Mass"}}, {}};
    ResourceRegistrar registrar{module};
};
SheetResources& resources()
{
    static SheetResources r;
    return r;
}

std::vector<std::string> g_log;

class MassPage : public CPropertyPage {
public:
    double mass = 50.0;
    int lock = 0;
    MassPage() : CPropertyPage(IDD_MASS, IDS_MASS_TAB) {}
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_MASS, mass);
        DDV_MinMaxDouble(dx, mass, 0.0, 1000.0);
        DDX_Check(dx, IDC_LOCK, lock);
    }
    BOOL OnInitDialog() override
    {
        g_log.push_back("mass:init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override
    {
        g_log.push_back("mass:set");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        BOOL ok = CPropertyPage::OnKillActive();
        g_log.push_back(ok ? "mass:kill" : "mass:kill-failed");
        return ok;
    }
    void OnOK() override
    {
        g_log.push_back("mass:ok");
        CPropertyPage::OnOK();
    }
    void OnCancel() override { g_log.push_back("mass:cancel"); }
};

class LaserPage : public CPropertyPage {
public:
    UINT rate = 5;
    int width = 2;
    LaserPage() : CPropertyPage(IDD_LASER) {}
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_RATE, rate);
        DDX_Text(dx, IDC_WIDTH, width);
    }
    BOOL OnSetActive() override
    {
        g_log.push_back("laser:set");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        BOOL ok = CPropertyPage::OnKillActive();
        g_log.push_back(ok ? "laser:kill" : "laser:kill-failed");
        return ok;
    }
    void OnOK() override { g_log.push_back("laser:ok"); }
    void OnCancel() override { g_log.push_back("laser:cancel"); }
};

class PropertySheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resources();
        g_log.clear();
    }
    AutomationSession session;
    Automation& a = *session;
    MassPage mass;
    LaserPage laser;
};

HWND item(Automation& a, CWnd& sheet, int id)
{
    return a.Find(sheet.m_hWnd, id);
}

} // namespace

TEST_F(PropertySheetTest, PagesAreMadeWhenFirstShownAndLeavingOneExchangesItsData)
{
    CPropertySheet sheet("Switch Experiment", nullptr, 1);
    sheet.AddPage(&mass);
    sheet.AddPage(&laser);
    sheet.AddPage(&mass); // already there
    EXPECT_EQ(sheet.GetPageCount(), 2);
    EXPECT_EQ(sheet.GetActivePage(), &laser) << "before the run: the page that will show first";
    EXPECT_EQ(sheet.GetActiveIndex(), 1);

    a.OnNextModal([&](CWnd& dialog, Automation& op) {
        HWND h = dialog.m_hWnd;
        EXPECT_EQ(op.Text(h), "Switch Experiment");
        EXPECT_EQ(op.SheetTabs(h), (std::vector<CString>{"MS/MS Mass", "Laser"}));
        EXPECT_EQ(op.SheetActivePage(h), 1);
        EXPECT_EQ(mass.m_hWnd, nullptr) << "a page never shown has no controls";
        EXPECT_EQ(op.TryFind(h, IDC_MASS), nullptr);
        EXPECT_EQ(op.Text(item(op, dialog, IDC_RATE)), "5");
        EXPECT_TRUE(op.IsVisible(laser.m_hWnd));
        EXPECT_TRUE(op.IsOnScreen(item(op, dialog, IDC_WIDTH)));

        op.ReplaceText(item(op, dialog, IDC_WIDTH), "7");
        EXPECT_TRUE(op.SelectSheetPage(h, 0));
        EXPECT_EQ(laser.width, 7) << "leaving the page exchanged its data";
        EXPECT_EQ(sheet.GetActivePage(), &mass);
        EXPECT_FALSE(op.IsVisible(laser.m_hWnd));
        EXPECT_EQ(op.Text(item(op, dialog, IDC_MASS)), "50");

        // A value that does not read keeps the page (and the tab).
        op.ReplaceText(item(op, dialog, IDC_MASS), "abc");
        op.AnswerMessageBox(IDOK, "Please enter a number.");
        EXPECT_FALSE(op.SelectSheetPage(h, 1));
        EXPECT_EQ(op.SheetActivePage(h), 0);
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        EXPECT_EQ(op.FocusWindow(), item(op, dialog, IDC_MASS));
        op.ReplaceText(item(op, dialog, IDC_MASS), "250.5");
        op.Click(item(op, dialog, IDC_LOCK));
        EXPECT_TRUE(op.SelectSheetPage(h, 1));
        EXPECT_DOUBLE_EQ(mass.mass, 250.5);

        // Shown again, a page shows its members as they are now.
        mass.mass = 300.0;
        EXPECT_TRUE(op.SelectSheetPage(h, 0));
        EXPECT_EQ(op.Text(item(op, dialog, IDC_MASS)), "300");
        op.Click(item(op, dialog, IDOK));
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(a.MessageBoxes().size(), 1u);
    EXPECT_DOUBLE_EQ(mass.mass, 300.0);
    EXPECT_EQ(mass.lock, 1);
    EXPECT_EQ(mass.m_hWnd, nullptr) << "the pages' windows went with the sheet";
    EXPECT_EQ(g_log, (std::vector<std::string>{"laser:set", "laser:kill", "mass:init", "mass:set", "mass:kill-failed",
                                               "mass:kill", "laser:set", "laser:kill", "mass:set",
                                               "mass:kill", "mass:ok", "laser:ok"}));
}

TEST_F(PropertySheetTest, OkStaysOpenOnABadValueAndCancelResetsEveryPageMade)
{
    CPropertySheet sheet("Sheet", nullptr, 0);
    sheet.AddPage(&mass);
    sheet.AddPage(&laser);
    a.OnNextModal([&](CWnd& dialog, Automation& op) {
        HWND h = dialog.m_hWnd;
        op.ReplaceText(item(op, dialog, IDC_MASS), "x");
        op.AnswerMessageBox(IDOK, "Please enter a number.");
        op.PressKey(VK_RETURN); // OK is the default button
        EXPECT_TRUE(op.IsVisible(h)) << "OK does not close while the active page's data fails";
        EXPECT_TRUE(dialog.ContinueModal());
        op.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_DOUBLE_EQ(mass.mass, 50.0);
    // The laser page was never shown: it is neither applied nor reset.
    EXPECT_EQ(g_log, (std::vector<std::string>{"mass:init", "mass:set", "mass:kill-failed", "mass:cancel"}));
}

TEST_F(PropertySheetTest, CtrlTabGoesRoundThePagesAndTheCloseBoxCancels)
{
    CPropertySheet sheet("Sheet", nullptr, 1);
    sheet.AddPage(&mass);
    sheet.AddPage(&laser);
    a.OnNextModal([&](CWnd& dialog, Automation& op) {
        op.PressKey(VK_TAB, Automation::Control);
        EXPECT_EQ(op.SheetActivePage(dialog.m_hWnd), 0);
        op.PressCloseBox(dialog.m_hWnd);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(g_log, (std::vector<std::string>{"laser:set", "laser:kill", "mass:init", "mass:set", "mass:cancel",
                                               "laser:cancel"}));
}
