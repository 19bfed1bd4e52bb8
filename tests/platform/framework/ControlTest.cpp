// The standard controls as the operator uses them: buttons, check boxes and radio buttons, edits,
// statics; and the automation interface's rules for input that cannot happen.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDialogs.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/MessageLoop.h"
#include "platform/framework/WindowManager.h"

using namespace test;

namespace {

constexpr int IDC_PUSH = 2001;
constexpr int IDC_CHECK = 2002;
constexpr int IDC_R1 = 2004;
constexpr int IDC_R2 = 2005;
constexpr int IDC_R3 = 2006;
constexpr int IDC_DIGITS = 2008;
constexpr int IDC_LOG = 2009;
constexpr int IDC_READONLY = 2010;
constexpr int IDC_LABEL = 2011;
constexpr int IDC_GROUP = 2012;
constexpr int IDC_SINGLE = 2013;

DialogTemplate controlsTemplate()
{
    const DWORD child = WS_CHILD | WS_VISIBLE;
    return DialogTemplate{600, "Controls", kDialogStyle | WS_VISIBLE, 0, 0, 0, 220, 160, "MS Sans Serif", 8,
                          {
                              {IDC_PUSH, "Button", "Push", kButton, 0, 5, 5, 40, 14},
                              {IDC_CHECK, "Button", "Check", child | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 5, 25, 60, 10},
                              {IDC_GROUP, "Button", "Step Size", child | BS_GROUPBOX, 0, 70, 5, 60, 50},
                              {IDC_R1, "Button", "1", child | WS_GROUP | BS_AUTORADIOBUTTON, 0, 75, 15, 30, 10},
                              {IDC_R2, "Button", "5", child | BS_AUTORADIOBUTTON, 0, 75, 27, 30, 10},
                              {IDC_R3, "Button", "50", child | BS_AUTORADIOBUTTON, 0, 75, 39, 30, 10},
                              {IDC_DIGITS, "Edit", "", kEdit | ES_NUMBER, 0, 5, 60, 50, 14},
                              {IDC_LOG, "Edit", "", kEdit | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, 0, 5, 80, 100, 40},
                              {IDC_READONLY, "Edit", "fixed", kEdit | ES_READONLY, 0, 110, 80, 50, 14},
                              {IDC_LABEL, "Static", "Status", child | SS_NOTIFY, 0, 110, 100, 50, 8},
                              {IDC_SINGLE, "Edit", "", kEdit, 0, 110, 120, 50, 14},
                              {IDOK, "Button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 165, 140, 40, 14},
                          }};
}

class ControlsDialog : public CDialog {
public:
    std::vector<std::string> events;
    std::vector<MSG> mouse; // the mouse messages that reached the dialog itself
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
            MSG m;
            m.message = message;
            m.lParam = lParam;
            mouse.push_back(m);
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        return FALSE; // leave the focus where it is
    }
    void OnOK() override { events.push_back("ok"); }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (lParam) events.push_back(std::to_string(LOWORD(wParam)) + ":" + std::to_string(HIWORD(wParam)));
        return CDialog::OnCommand(wParam, lParam);
    }
    int count(int id, UINT code) const
    {
        std::string key = std::to_string(id) + ":" + std::to_string(code);
        return static_cast<int>(std::count(events.begin(), events.end(), key));
    }
};

struct Fixture {
    AutomationSession session;
    ControlsDialog dialog;
    Automation& a = *session;
    Fixture() { EXPECT_TRUE(dialog.CreateIndirect(controlsTemplate(), nullptr)); }
    HWND item(int id) { return a.Find(dialog, id); }
};

} // namespace

// The library's window tests click greyed and hidden buttons in vain throughout; a program's
// BM_CLICK is refused as well, and only real buttons and notifying statics report clicks.
TEST(Buttons, ClicksNotifyAndTakeTheFocusButNotOnADisabledButtonOrAGroupBox)
{
    Fixture f;
    EXPECT_TRUE(f.a.Click(f.item(IDC_PUSH)));
    EXPECT_EQ(f.dialog.count(IDC_PUSH, BN_CLICKED), 1);
    EXPECT_EQ(f.a.FocusWindow(), f.item(IDC_PUSH));
    ::EnableWindow(f.item(IDC_PUSH), FALSE);
    ::SendMessage(f.item(IDC_PUSH), BM_CLICK, 0, 0);
    EXPECT_EQ(f.dialog.count(IDC_PUSH, BN_CLICKED), 1);
    f.a.Click(f.item(IDC_GROUP));
    EXPECT_EQ(f.dialog.count(IDC_GROUP, BN_CLICKED), 0);
    f.a.Click(f.item(IDC_LABEL));
    EXPECT_EQ(f.dialog.count(IDC_LABEL, STN_CLICKED), 1);
}

TEST(Buttons, AHeldButtonReportsPressedUntilReleased)
{
    Fixture f;
    HWND push = f.item(IDC_PUSH);
    EXPECT_TRUE(f.a.Hold(push));
    EXPECT_TRUE(f.a.IsPressed(push));
    f.a.Advance(1500); // time passes while it is held
    EXPECT_TRUE(f.a.IsPressed(push));
    EXPECT_EQ(f.dialog.count(IDC_PUSH, BN_CLICKED), 0);
    EXPECT_FALSE(f.a.Release(f.item(IDC_CHECK))); // not the one held
    EXPECT_TRUE(f.a.Release(push));
    EXPECT_FALSE(f.a.IsPressed(push));
    EXPECT_EQ(f.dialog.count(IDC_PUSH, BN_CLICKED), 1); // released over it: a click
    EXPECT_EQ(::GetCapture(), nullptr);

    // Disabled while held: the press is forgotten, the mouse let go, and the release passes over
    // the disabled button to the dialog under it (at the same spot, in the dialog's coordinates).
    f.a.Hold(push);
    ::EnableWindow(push, FALSE);
    EXPECT_FALSE(f.a.IsPressed(push));
    EXPECT_EQ(::GetCapture(), nullptr);
    f.dialog.mouse.clear();
    EXPECT_TRUE(f.a.Release(push));
    EXPECT_EQ(f.dialog.count(IDC_PUSH, BN_CLICKED), 1);
    EXPECT_FALSE(f.a.IsPressed(push));
    ASSERT_EQ(f.dialog.mouse.size(), 1u);
    EXPECT_EQ(f.dialog.mouse[0].message, WM_LBUTTONUP);
    CRect onScreen = f.a.WindowRect(push);
    POINT spot{onScreen.CenterPoint().x, onScreen.CenterPoint().y};
    ::ScreenToClient(f.dialog.m_hWnd, &spot);
    EXPECT_EQ(static_cast<SHORT>(LOWORD(f.dialog.mouse[0].lParam)), spot.x);
    EXPECT_EQ(static_cast<SHORT>(HIWORD(f.dialog.mouse[0].lParam)), spot.y);

    // Enabled again, it works as before.
    ::EnableWindow(push, TRUE);
    EXPECT_TRUE(f.a.Click(push));
    EXPECT_EQ(f.dialog.count(IDC_PUSH, BN_CLICKED), 2);
}

TEST(Buttons, ADisabledWindowTakesNoMouseOrKeyboardInput)
{
    // Input as the mouse and keyboard produce it, below the automation's own refusals.
    Fixture f;
    auto& wm = WindowManager::Get();
    HWND push = f.item(IDC_PUSH), edit = f.item(IDC_SINGLE);
    ::EnableWindow(push, FALSE);
    const LPARAM middle = MAKELPARAM(10, 5);
    EXPECT_TRUE(wm.PostInput(push, WM_LBUTTONDOWN, MK_LBUTTON, middle)); // to the dialog instead
    MessageLoop::Pump();
    EXPECT_FALSE(f.a.IsPressed(push));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(wm.PostInput(push, WM_LBUTTONUP, 0, middle));
    MessageLoop::Pump();
    EXPECT_EQ(f.dialog.count(IDC_PUSH, BN_CLICKED), 0);
    ASSERT_EQ(f.dialog.mouse.size(), 2u);
    EXPECT_EQ(f.dialog.mouse[0].message, WM_LBUTTONDOWN);

    // Keys for a disabled edit are lost.
    ::SetFocus(edit);
    ::EnableWindow(edit, FALSE);
    EXPECT_FALSE(wm.PostInput(edit, WM_CHAR, 'x', 1));
    EXPECT_FALSE(wm.PostInput(edit, WM_KEYDOWN, 'X', 1));
    MessageLoop::Pump();
    EXPECT_EQ(f.a.Text(edit), "");

    // In a disabled dialog (a modal dialog's owner) nothing takes the click, yet it looks the same:
    // a control looks greyed by its own state only.
    ::EnableWindow(push, TRUE);
    const Surface enabled = f.a.Render(f.dialog.m_hWnd);
    f.dialog.EnableWindow(FALSE);
    f.dialog.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    EXPECT_TRUE(f.a.Render(f.dialog.m_hWnd) == enabled);
    f.dialog.mouse.clear();
    EXPECT_FALSE(wm.PostInput(push, WM_LBUTTONDOWN, MK_LBUTTON, middle));
    MessageLoop::Pump();
    EXPECT_FALSE(f.a.IsPressed(push));
    EXPECT_TRUE(f.dialog.mouse.empty());
}

// Check boxes and radio buttons exclusive in their group are clicked by the library's pages
// throughout; what they do not reach is the group's tab stop and the arrow keys.
TEST(Buttons, TheCheckedRadioButtonIsItsGroupsTabStopAndArrowKeysCheckAsTheyMove)
{
    Fixture f;
    f.a.Click(f.item(IDC_R2));
    f.a.Click(f.item(IDC_R3));
    EXPECT_TRUE(f.a.Style(f.item(IDC_R3)) & WS_TABSTOP);
    EXPECT_FALSE(f.a.Style(f.item(IDC_R2)) & WS_TABSTOP);
    EXPECT_FALSE(f.a.SetChecked(f.item(IDC_R3), false)); // a radio button cannot be clicked off
    ::SetFocus(f.item(IDC_R3));
    f.a.PressKey(VK_UP);
    EXPECT_EQ(f.a.FocusWindow(), f.item(IDC_R2));
    EXPECT_EQ(f.a.CheckState(f.item(IDC_R2)), BST_CHECKED);
    EXPECT_EQ(f.a.CheckState(f.item(IDC_R3)), BST_UNCHECKED);
}

TEST(Edits, TypingNotifiesPerCharacterAndRespectsTheStyle)
{
    Fixture f;
    HWND digits = f.item(IDC_DIGITS);
    int beeps = f.a.BeepCount();
    EXPECT_TRUE(f.a.Type(digits, "1a2.3"));
    EXPECT_EQ(f.a.Text(digits), "123");
    EXPECT_EQ(f.a.BeepCount(), beeps + 2);
    EXPECT_EQ(f.dialog.count(IDC_DIGITS, EN_CHANGE), 3);
    EXPECT_TRUE(f.a.ReplaceText(digits, ""));
    EXPECT_EQ(f.a.Text(digits), "");
    EXPECT_EQ(f.dialog.count(IDC_DIGITS, EN_CHANGE), 4);
    f.a.PressKey(VK_BACK); // nothing left to delete: no change
    EXPECT_EQ(f.dialog.count(IDC_DIGITS, EN_CHANGE), 4);

    HWND fixed = f.item(IDC_READONLY);
    f.a.Type(fixed, "x");
    EXPECT_EQ(f.a.Text(fixed), "fixed");
    EXPECT_EQ(f.dialog.count(IDC_READONLY, EN_CHANGE), 0);

    // Characters with no key of their own still arrive.
    HWND single = f.item(IDC_SINGLE);
    f.a.Type(single, "45\xB0" "C");
    EXPECT_EQ(f.a.Text(single), "45\xB0" "C");
}

TEST(Automation, AddressingWindowsThatDoNotExistIsAnError)
{
    Fixture f;
    EXPECT_THROW(f.a.Find(f.dialog, 4242), AutomationError);
    EXPECT_EQ(f.a.TryFind(f.dialog, 4242), nullptr);
    HWND push = f.item(IDC_PUSH);
    EXPECT_EQ(f.a.FindByText(f.dialog, "Push"), push);
    EXPECT_EQ(f.a.FindTopLevel("Controls"), f.dialog.m_hWnd);
    EXPECT_EQ(f.a.FindTopLevel("Nothing"), nullptr);
    f.dialog.DestroyWindow();
    EXPECT_THROW(f.a.Click(push), AutomationError);
    EXPECT_THROW(f.a.Text(push), AutomationError);
    EXPECT_THROW(f.a.PressKey(VK_RETURN), AutomationError); // nobody to receive it
}
