#include <gtest/gtest.h>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/instrument/CInstMonClient.h"
#include "platform/instrument/PropertyRuntime.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "platform/tuning/CTunePage.h"
#include "platform/tuning/HostMessageBox.h"

namespace {

constexpr UINT IDD_TUNE = 760;
constexpr int IDC_VALUE = 7601;
constexpr int IDC_PLAIN = 7602;

DialogTemplate tuneTemplate()
{
    constexpr DWORD edit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    return DialogTemplate{IDD_TUNE, "Tune", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 10, 10, 120, 50,
                          "MS Sans Serif", 8,
                          {{IDC_VALUE, "Edit", "", edit, 0, 7, 7, 50, 14},
                           {IDC_PLAIN, "Edit", "", edit, 0, 7, 25, 50, 14}}};
}

class TunePageTest : public ::testing::Test {
protected:
    TunePageTest() : m_module("tune page test host", {tuneTemplate()}, {}, {}), m_registrar(m_module)
    {
        VEXPropertyTable::Instance().Reset();
    }
    ~TunePageTest() override { VEXPropertyTable::Instance().Reset(); }

    AutomationSession session;
    ResourceModule m_module;
    ResourceRegistrar m_registrar;
    CInstMonClient monitor;
    PolarityDependentInstParam temperature{"SOURCE_TEMPERATURE_RB", "SOURCE_TEMPERATURE_RB"};
};

TEST_F(TunePageTest, BindingMadeBeforeCreateShowsTheMonitoredValue)
{
    vexPropertySetLastTransferVal(getPropertyHandleFromSymbol("SOURCE_TEMPERATURE_RB"), 42.25);
    CTunePage page(IDD_TUNE);
    page.InitialiseEditControl(&monitor, IDC_VALUE, "Source", "C", "%.2f", 1, temperature, 2, 1);

    ASSERT_TRUE(page.Create(IDD_TUNE, CWnd::GetDesktopWindow()));
    EXPECT_EQ(session->Text(page.GetSafeHwnd(), IDC_VALUE), "42.25");

    // The page's box takes values from the window that owns it.
    CEditCtl* box = page.GetEditControl(IDC_VALUE);
    ASSERT_NE(box, nullptr);
    box->SetValue(30.004);
    EXPECT_EQ(session->Text(page.GetSafeHwnd(), IDC_VALUE), "30.00");
    EXPECT_DOUBLE_EQ(box->GetValue(), 30.004); // not the rounded text
    page.DestroyWindow();
}

TEST_F(TunePageTest, UnboundEditIsTakenOverOnFirstUseAndMissingControlsAreNull)
{
    CTunePage page(IDD_TUNE);
    EXPECT_EQ(page.GetEditControl(IDC_PLAIN), nullptr); // no window yet
    ASSERT_TRUE(page.Create(IDD_TUNE, CWnd::GetDesktopWindow()));
    CEditCtl* plain = page.GetEditControl(IDC_PLAIN);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(page.GetEditControl(IDC_PLAIN), plain);
    EXPECT_EQ(page.GetEditControl(9999), nullptr);

    page.ShowWindow(SW_SHOW);
    plain->SetValue(12.5);
    EXPECT_EQ(session->Text(page.GetSafeHwnd(), IDC_PLAIN), "12.5");
    // The operator's text is read back as the number it starts with.
    ASSERT_TRUE(session->ReplaceText(page.GetSafeHwnd(), IDC_PLAIN, "7.75 V"));
    EXPECT_DOUBLE_EQ(plain->GetValue(), 7.75);
    ASSERT_TRUE(session->ReplaceText(page.GetSafeHwnd(), IDC_PLAIN, "volts"));
    EXPECT_DOUBLE_EQ(plain->GetValue(), 0.0);
    page.DestroyWindow();
}

TEST(CEditCtlTest, FormatsOtherThanOneDoubleAreRefused)
{
    CEditCtl box;
    for (const char* refused : {"%s", "%f %f", "%d"}) {
        box.SetFormat(refused);
        EXPECT_EQ(box.GetFormat(), "%.1f") << refused;
    }
    box.SetFormat("%-8.3f%%");
    box.SetFormat(nullptr);
    EXPECT_EQ(box.GetFormat(), "%-8.3f%%");
    // Without a window the value is kept and given back.
    box.SetValue(3.5);
    EXPECT_DOUBLE_EQ(box.GetValue(), 3.5);
}

} // namespace

// The tuning library's message box: owned by the active window, a null text shown as an empty box.
// The scenarios show the pattern editor's and plate sheet's boxes with their texts and answers.
TEST(HostMessageBox, TheActiveWindowOwnsTheBoxAndANullTextShowsAnEmptyOne)
{
    AutomationSession automation;
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 300, 200, nullptr, 0));
    ::SetActiveWindow(host.m_hWnd);
    automation->AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(HostMessageBox(nullptr, nullptr, 0x10033), IDCANCEL);
    ASSERT_EQ(automation->MessageBoxes().size(), 1u);
    EXPECT_EQ(automation->MessageBoxes()[0].owner, host.m_hWnd);
    EXPECT_EQ(automation->MessageBoxes()[0].text, "");
}
