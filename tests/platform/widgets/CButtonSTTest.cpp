// The icon button as its owner and the operator use it: settings made before it has a window, its own
// check, and the held-down state of a button disabled while held. The panels' tests and golden
// images show its icons and tooltips.

#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "platform/framework/AutomationSession.h"

using namespace widgets_test;

namespace widgets_test {
BEGIN_MESSAGE_MAP(ButtonsDialog, CDialog)
    ON_BN_CLICKED(IDC_FIRE, &ButtonsDialog::OnFire)
    ON_BN_CLICKED(IDC_STEP, &ButtonsDialog::OnStep)
END_MESSAGE_MAP()
} // namespace widgets_test

TEST(CButtonST, SettingsMadeBeforeTheButtonHasAWindowApplyWhenItGetsOne)
{
    AutomationSession session;
    ButtonResources resources;
    CButtonST button;
    button.SetIcon(IDC_STEP, 0);
    button.SetTooltipText(static_cast<int>(IDS_STEP));
    button.SetCheck(BST_CHECKED);
    CDialog dialog(IDD_BUTTONS);
    ASSERT_TRUE(dialog.Create(IDD_BUTTONS));
    HWND control = session->Find(dialog.m_hWnd, IDC_OTHER);
    ASSERT_TRUE(button.SubclassWindow(control));
    EXPECT_EQ(session->CheckState(control), BST_CHECKED);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessage(control, BM_GETIMAGE, IMAGE_ICON, 0)), ResourceChain::Get().FindIcon(IDC_STEP));
    EXPECT_EQ(session->ToolTipText(session->ToolTipOf(control), control), "Next Step");
}

TEST(CButtonST, TheCheckIsTheButtonsOwnAndOnlyItsOwnerChangesIt)
{
    Fixture f;
    HWND fire = f.control(IDC_FIRE);
    EXPECT_EQ(f.dialog.fire.GetCheck(), BST_UNCHECKED);
    f.dialog.fire.SetCheck(BST_CHECKED);
    EXPECT_EQ(f.dialog.fire.GetCheck(), BST_CHECKED);
    // Whoever asks the window sees the same check (a plain push button has none).
    EXPECT_EQ(f.session->CheckState(fire), BST_CHECKED);
    EXPECT_TRUE(::SendMessage(fire, BM_GETSTATE, 0, 0) & BST_CHECKED);
    EXPECT_EQ(f.session->CheckState(f.control(IDC_OTHER)), BST_UNCHECKED);

    // Clicking reports the click but leaves the check to the owner.
    EXPECT_TRUE(f.session->Click(fire));
    EXPECT_EQ(f.dialog.fireClicks, 1);
    EXPECT_EQ(f.dialog.fire.GetCheck(), BST_CHECKED);

    // BM_SETCHECK from outside is the same as SetCheck; any non-zero value checks.
    ::SendMessage(fire, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(f.dialog.fire.GetCheck(), BST_UNCHECKED);
    f.dialog.fire.SetCheck(2);
    EXPECT_EQ(f.session->CheckState(fire), BST_CHECKED);
}

TEST(CButtonST, AButtonDisabledWhileHeldStaysPressedUntilCleared)
{
    Fixture f;
    HWND step = f.control(IDC_STEP);
    ASSERT_TRUE(f.session->Hold(step));
    EXPECT_TRUE(f.dialog.step.ButtonPressed());
    f.session->Advance(2000); // holding takes time; the state stays
    EXPECT_TRUE(f.dialog.step.ButtonPressed());
    // The owner disables it at a limit, as a repeat timer does.
    f.dialog.step.EnableWindow(FALSE);
    f.session->Release(step);
    EXPECT_TRUE(f.dialog.step.ButtonPressed());
    EXPECT_EQ(f.dialog.stepClicks, 0);
    f.dialog.step.ClearButtonPressed();
    EXPECT_FALSE(f.dialog.step.ButtonPressed());

    // Disabled, the operator cannot press it at all.
    EXPECT_FALSE(f.session->Hold(step));
    EXPECT_FALSE(f.dialog.step.ButtonPressed());
}
