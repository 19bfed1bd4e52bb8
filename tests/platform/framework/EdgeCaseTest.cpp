// Bad input and unusual sequences: failures stay contained, nothing is left half done.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "TestDialogs.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/WindowManager.h"

using namespace test;

namespace {

class FailingCreate : public CWnd {
public:
    bool refuse = false;
    bool explode = false;
    afx_msg int OnCreate(LPCREATESTRUCT)
    {
        if (explode) throw std::runtime_error("handler failed");
        return refuse ? -1 : 0;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FailingCreate, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

} // namespace

TEST(EdgeCases, ACreationRefusedOrFailingInItsHandlerLeavesNoWindow)
{
    AutomationSession session;
    FailingCreate refused;
    refused.refuse = true;
    EXPECT_FALSE(refused.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(refused.m_hWnd, nullptr);
    FailingCreate exploding;
    exploding.explode = true;
    EXPECT_THROW(exploding.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr), std::runtime_error);
    EXPECT_EQ(exploding.m_hWnd, nullptr);
    EXPECT_TRUE(session->TopLevelWindows().empty());
}

TEST(EdgeCases, AnExceptionFromAModalScriptClosesTheDialogAndReachesTheTest)
{
    AutomationSession session;
    TestResources resources;
    CDialog owner;
    DialogTemplate t = settingsTemplate("Owner", 560);
    t.style |= WS_VISIBLE;
    ASSERT_TRUE(owner.CreateIndirect(t, nullptr));
    CDialog dialog(IDD_SETTINGS, &owner);
    session->OnNextModal([](CWnd&, Automation&) { throw std::logic_error("the test's own check failed"); });
    EXPECT_THROW(dialog.DoModal(), std::logic_error);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(session->TopLevelWindows().size(), 1u);
    // The next run is unaffected.
    session->OnNextModal([](CWnd& d, Automation& a) { a.Click(d, IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(EdgeCases, OperatorActionsOnControlsThatCannotTakeThemDoNothing)
{
    AutomationSession session;
    CDialog dialog;
    DialogTemplate t = settingsTemplate("Edges", 561);
    t.style |= WS_VISIBLE;
    ASSERT_TRUE(dialog.CreateIndirect(t, nullptr));
    HWND hidden = session->Find(dialog, IDC_HIDDEN);
    HWND disabled = session->Find(dialog, IDC_DISABLED);
    EXPECT_FALSE(session->Type(hidden, "1"));
    EXPECT_FALSE(session->ReplaceText(disabled, "1"));
    EXPECT_FALSE(session->Hold(disabled));
    EXPECT_FALSE(session->PressKeyTo(disabled, 'A'));
    EXPECT_EQ(session->Text(hidden), "");
    EXPECT_EQ(session->Text(disabled), "");
    ::EnableWindow(session->Find(dialog, IDC_ENABLE), FALSE);
    EXPECT_FALSE(session->SetChecked(dialog, IDC_ENABLE, true));
    EXPECT_EQ(session->CheckState(session->Find(dialog, IDC_ENABLE)), BST_UNCHECKED);
    dialog.ShowWindow(SW_HIDE);
    EXPECT_FALSE(session->PressCloseBox(dialog));
}

TEST(EdgeCases, DialogHelpersOnMissingControlsAreHarmless)
{
    AutomationSession session;
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(settingsTemplate("Helpers", 562), nullptr));
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
    dialog.SetDlgItemText(4242, "x");
    CString text("kept");
    EXPECT_EQ(dialog.GetDlgItemText(4242, text), 0);
    EXPECT_TRUE(text.IsEmpty());
    BOOL ok = TRUE;
    EXPECT_EQ(dialog.GetDlgItemInt(4242, &ok), 0u);
    EXPECT_FALSE(ok);
    dialog.SetDlgItemInt(IDC_COUNT, static_cast<UINT>(-12), TRUE);
    EXPECT_EQ(static_cast<int>(dialog.GetDlgItemInt(IDC_COUNT, &ok, TRUE)), -12);
    EXPECT_TRUE(ok);
    dialog.GetDlgItemInt(IDC_COUNT, &ok, FALSE); // negative is not an unsigned number
    EXPECT_FALSE(ok);
    dialog.SetDlgItemText(IDC_COUNT, "12x");
    dialog.GetDlgItemInt(IDC_COUNT, &ok);
    EXPECT_FALSE(ok);
    dialog.CheckDlgButton(IDC_ENABLE, BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_ENABLE), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(dialog.IsDlgButtonChecked(4242), 0u);
    dialog.CheckRadioButton(4240, 4245, 4242); // no such buttons: nothing to check
    EXPECT_EQ(dialog.GetCheckedRadioButton(4240, 4245), 0);
}

TEST(EdgeCases, ActivationPassesToTheOwnerWhenAWindowGoes)
{
    AutomationSession session;
    CWnd owner, popup, other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr));
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr));
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "popup", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, owner, nullptr));
    EXPECT_EQ(popup.GetParent(), &owner); // a popup's parent is its owner
    ::SetActiveWindow(other);
    ::SetActiveWindow(popup);
    popup.DestroyWindow();
    EXPECT_EQ(session->ActiveWindow(), owner.m_hWnd); // not the window active before
    // Destroying the owner takes the windows it owns with it.
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "popup", WS_POPUP, 0, 0, 10, 10, owner, nullptr));
    owner.DestroyWindow();
    EXPECT_EQ(popup.m_hWnd, nullptr);
    EXPECT_EQ(session->ActiveWindow(), other.m_hWnd);
}

TEST(EdgeCases, TemplatesMayAskToSurviveControlsThatCannotBeMade)
{
    AutomationSession session;
    DialogTemplate t = settingsTemplate("Tolerant", 563);
    t.style |= DS_NOFAILCREATE;
    t.items.push_back({99, "NotAControl", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 5, 5});
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(t, nullptr));
    EXPECT_EQ(session->TryFind(dialog, 99), nullptr);
    EXPECT_NE(session->TryFind(dialog, IDOK), nullptr);
}

namespace {

class Asking : public CWnd {
public:
    int answer = 0;
    afx_msg void OnDestroy()
    {
        answer = AfxMessageBox("Save before closing?", MB_YESNOCANCEL);
        CWnd::OnDestroy();
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Asking, CWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

} // namespace

TEST(EdgeCases, ResetCleansUpEvenWhenHandlersAskQuestions)
{
    AutomationSession session;
    Asking asking;
    ASSERT_TRUE(asking.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    session->AnswerMessageBox(IDYES, "something else entirely");
    session->Reset(); // nothing thrown: the box takes its way out, the script is dropped
    EXPECT_EQ(asking.m_hWnd, nullptr);
    EXPECT_EQ(asking.answer, IDCANCEL);
    EXPECT_EQ(session->PendingMessageBoxAnswers(), 0u);
    EXPECT_TRUE(session->MessageBoxes().empty());
}
