// The icon button as its owner and the operator use it: settings made before it has a window, its own
// check, and the held-down state of a button disabled while held. The panels' tests and golden
// images show its icons and tooltips.

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/widgets/CButtonST.h"

namespace {

constexpr UINT IDD_BUTTONS = 700;
constexpr int IDC_FIRE = 7001, IDC_STEP = 7002, IDC_OTHER = 7004;
constexpr UINT IDS_STEP = 7102;

// A host dialog with two push buttons and a plain one, a tooltip text and an icon.
class ButtonResources {
    static constexpr DWORD kPush = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    ResourceModule m_module{"widget test host",
                            {{IDD_BUTTONS, "Icon buttons", DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION,
                              0, 20, 20, 150, 60, "MS Sans Serif", 8,
                              {{IDC_FIRE, "Button", "", kPush, 0, 7, 7, 29, 26},
                               {IDC_STEP, "Button", "", kPush, 0, 40, 7, 29, 26},
                               {IDC_OTHER, "Button", "Other", kPush, 0, 95, 7, 40, 14}}}},
                            {{IDS_STEP, "Next Step"}},
                            {{IDC_STEP, IconImage::Solid(32, 32, 0xFF2040C0)}}};
    ResourceRegistrar m_registrar{m_module};
};

// The host dialog: its buttons are icon buttons from initialisation on. Clicks are counted.
class ButtonsDialog : public CDialog {
public:
    ButtonsDialog() : CDialog(IDD_BUTTONS) {}
    CButtonST fire, step;
    int fireClicks = 0, stepClicks = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        fire.SubclassDlgItem(IDC_FIRE, this);
        step.SubclassDlgItem(IDC_STEP, this);
        return TRUE;
    }
    afx_msg void OnFire() { ++fireClicks; }
    afx_msg void OnStep() { ++stepClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ButtonsDialog, CDialog)
    ON_BN_CLICKED(IDC_FIRE, &ButtonsDialog::OnFire)
    ON_BN_CLICKED(IDC_STEP, &ButtonsDialog::OnStep)
END_MESSAGE_MAP()

struct Fixture {
    AutomationSession session;
    ButtonResources resources;
    ButtonsDialog dialog;
    Fixture()
    {
        if (!dialog.Create(IDD_BUTTONS)) throw std::runtime_error("the test dialog could not be made");
    }
    HWND control(int id) const { return session->Find(dialog.m_hWnd, id); }
};

} // namespace

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
    // The acquisition panels' tests read the check through the window (BM_GETCHECK, BM_GETSTATE).

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
