// Dialogs driven as an operator drives them: nested modal runs, scripts that do not fit, the dialog's
// keys, the close box, message boxes. The library's window tests run plain modal dialogs throughout.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "TestDialogs.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/MessageBoxWindow.h"

using namespace test;

namespace {

class SettingsDialog : public CDialog {
public:
    explicit SettingsDialog(CWnd* parent = nullptr) : CDialog(IDD_SETTINGS, parent) {}

    CString name = "probe";
    int count = 3;
    int oks = 0, applies = 0;
    INT_PTR nestedResult = 0;
    int nestedCount = 0;

    void OnOK() override
    {
        ++oks;
        CDialog::OnOK();
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_NAME, name);
        DDX_Text(dx, IDC_COUNT, count);
    }
    afx_msg void OnApply() { ++applies; }
    afx_msg void OnMore()
    {
        SettingsDialog nested(this);
        nested.count = count * 10;
        nestedResult = nested.DoModal();
        nestedCount = nested.count;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SettingsDialog, CDialog)
    ON_BN_CLICKED(IDC_APPLY, &SettingsDialog::OnApply)
    ON_BN_CLICKED(IDC_MORE, &SettingsDialog::OnMore)
END_MESSAGE_MAP()

} // namespace

TEST(ModalDialogs, NestedRunsTakeTheNextScriptAndDisableTheirOwner)
{
    AutomationSession session;
    TestResources resources;
    SettingsDialog outer;
    std::vector<std::string> order;
    session->OnNextModal([&](CWnd& d, Automation& a) {
        order.push_back("outer opens");
        EXPECT_TRUE(a.Click(d, IDC_MORE));
        order.push_back("outer continues");
        EXPECT_TRUE(a.IsEnabled(d)); // enabled again after the nested run
        EXPECT_TRUE(a.Click(d, IDOK));
    });
    session->OnNextModal([&](CWnd& d, Automation& a) {
        order.push_back("inner opens");
        EXPECT_EQ(a.ModalDepth(), 2);
        HWND owner = ::GetParent(d);
        EXPECT_FALSE(a.IsEnabled(owner));
        EXPECT_FALSE(a.Click(owner, IDOK)); // the operator cannot reach the disabled owner
        EXPECT_EQ(a.Text(d, IDC_COUNT), "30");
        a.ReplaceText(d, IDC_COUNT, "31");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(order, (std::vector<std::string>{"outer opens", "inner opens", "outer continues"}));
    EXPECT_EQ(outer.nestedResult, IDOK);
    EXPECT_EQ(outer.nestedCount, 31);
    EXPECT_EQ(outer.oks, 1);
}

TEST(ModalDialogs, UnscriptedOrUnfinishedRunsFailWithAClearMessage)
{
    AutomationSession session;
    TestResources resources;
    SettingsDialog dialog;
    try {
        dialog.DoModal();
        FAIL() << "an unscripted modal run must not succeed";
    } catch (const AutomationError& e) {
        std::string what = e.what();
        EXPECT_NE(what.find("\"Settings\""), std::string::npos) << what;
        EXPECT_NE(what.find("500"), std::string::npos) << what;
        EXPECT_NE(what.find("nobody scripted"), std::string::npos) << what;
    }
    EXPECT_TRUE(session->TopLevelWindows().empty()); // nothing left open

    session->OnNextModal([](CWnd& d, Automation& a) { a.Click(d, IDC_APPLY); });
    EXPECT_THROW(dialog.DoModal(), AutomationError);
    EXPECT_EQ(dialog.applies, 1);
    EXPECT_TRUE(session->TopLevelWindows().empty());

    // A script meant for another dialog is not silently used for this one.
    session->OnNextModal([](CWnd& d, Automation& a) { a.Click(d, IDOK); }, "Laser Pattern");
    EXPECT_THROW(dialog.DoModal(), AutomationError);

    // A box nobody answers inside the run reaches the test through DoModal.
    session->OnNextModal([](CWnd& d, Automation& a) {
        a.ReplaceText(d, IDC_COUNT, "many");
        a.Click(d, IDOK);
    });
    EXPECT_THROW(dialog.DoModal(), AutomationError);
    EXPECT_TRUE(session->TopLevelWindows().empty());
    EXPECT_EQ(session->MessageBoxes().back().text, "Please enter an integer.");

    // An owner disabled by a failed run is enabled again, whatever the script threw; the next run
    // is unaffected.
    CDialog owner;
    DialogTemplate t = settingsTemplate("Owner", 501);
    t.style |= WS_VISIBLE;
    ASSERT_TRUE(owner.CreateIndirect(t, nullptr));
    SettingsDialog child(&owner);
    EXPECT_THROW(child.DoModal(), AutomationError);
    EXPECT_TRUE(owner.IsWindowEnabled());
    session->OnNextModal([](CWnd&, Automation&) { throw std::logic_error("the test's own check failed"); });
    EXPECT_THROW(child.DoModal(), std::logic_error);
    EXPECT_EQ(child.m_hWnd, nullptr);
    EXPECT_TRUE(owner.IsWindowEnabled());
    session->OnNextModal([](CWnd& d, Automation& a) { a.Click(d, IDOK); });
    EXPECT_EQ(child.DoModal(), IDOK);
}

// The desktop message box moves its default button, the panels remove theirs.
TEST(DialogKeys, EnterPressesTheFocusedPushButtonElseTheDefaultOneWhichMovesWithItsFrameOrGoes)
{
    AutomationSession session;
    TestResources resources;
    SettingsDialog dialog;
    session->OnNextModal([&](CWnd& d, Automation& a) {
        dialog.SetDefID(IDC_APPLY);
        EXPECT_EQ(a.Style(a.Find(d, IDOK)) & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_EQ(a.Style(a.Find(d, IDC_APPLY)) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        a.PressKey(VK_RETURN);
        EXPECT_EQ(dialog.applies, 1);
        dialog.SetDefID(static_cast<UINT>(-1));
        a.PressKey(VK_RETURN);
        EXPECT_TRUE(a.IsVisible(d));
        ::SetFocus(a.Find(d, IDC_APPLY));
        a.PressKey(VK_RETURN);
        a.PressKey(VK_RETURN);
        EXPECT_TRUE(a.IsVisible(d));
        a.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.applies, 3);
    EXPECT_EQ(dialog.oks, 0);
}

TEST(DialogKeys, TabMovesThroughVisibleEnabledTabStops)
{
    AutomationSession session;
    TestResources resources;
    SettingsDialog dialog;
    std::vector<int> forward, backward;
    session->OnNextModal([&](CWnd& d, Automation& a) {
        for (int i = 0; i < 8; ++i) {
            forward.push_back(::GetDlgCtrlID(a.FocusWindow()));
            a.PressKey(VK_TAB);
        }
        for (int i = 0; i < 3; ++i) {
            a.PressKey(VK_TAB, Automation::Shift);
            backward.push_back(::GetDlgCtrlID(a.FocusWindow()));
        }
        // Reached by Tab, an edit has its whole text selected: typing replaces it.
        while (::GetDlgCtrlID(a.FocusWindow()) != IDC_COUNT) a.PressKey(VK_TAB);
        a.PressKey('7');
        a.Click(d, IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(forward, (std::vector<int>{IDC_NAME, IDC_COUNT, IDC_RATIO, IDC_ENABLE, IDC_APPLY, IDC_MORE, IDOK, IDCANCEL}));
    EXPECT_EQ(backward, (std::vector<int>{IDCANCEL, IDOK, IDC_MORE}));
    EXPECT_EQ(dialog.count, 7);
}

namespace {

class ClosableDialog : public CDialog {
public:
    int closes = 0;
    afx_msg void OnClose()
    {
        ++closes;
        CDialog::OnClose();
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ClosableDialog, CDialog)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

} // namespace

// A greyed close box is the tool windows' test.
TEST(CloseBox, ClosesAsCancelButNotWhenCancelIsDisabled)
{
    AutomationSession session;
    CWinApp app("Test Host");
    DialogTemplate t = settingsTemplate("Closable", 510);
    t.style |= WS_VISIBLE;

    ClosableDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(t, CWnd::GetDesktopWindow()));
    // The default closes as Cancel; a disabled Cancel button refuses it.
    ::EnableWindow(session->Find(dialog, IDCANCEL), FALSE);
    int beeps = session->BeepCount();
    EXPECT_TRUE(session->PressCloseBox(dialog));
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(session->BeepCount(), beeps + 1);
    ::EnableWindow(session->Find(dialog, IDCANCEL), TRUE);
    EXPECT_TRUE(session->PressCloseBox(dialog));
    EXPECT_EQ(dialog.closes, 2);
    EXPECT_FALSE(dialog.IsWindowVisible()); // ended: a modeless dialog is hidden, not destroyed
    EXPECT_TRUE(::IsWindow(dialog));
}

TEST(MessageBoxes, AnswersComeFromTheScriptOrTheTestFailsClearly)
{
    AutomationSession session;
    CWinApp app("Test Host");
    try {
        ::MessageBox(nullptr, "Really stop the acquisition ?", "Information", MB_YESNO | MB_ICONINFORMATION);
        FAIL() << "an unscripted box must not be answered";
    } catch (const AutomationError& e) {
        std::string what = e.what();
        EXPECT_NE(what.find("Really stop the acquisition ?"), std::string::npos) << what;
        EXPECT_NE(what.find("Information"), std::string::npos) << what;
        EXPECT_NE(what.find("MB_YESNO | MB_ICONINFORMATION"), std::string::npos) << what;
        EXPECT_NE(what.find("nobody scripted"), std::string::npos) << what;
    }
    session->AnswerMessageBox(IDNO, "Really stop");
    session->AnswerMessageBox(IDYES);
    EXPECT_EQ(::MessageBox(nullptr, "Really stop the acquisition ?", "Information", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox("Save changes?", MB_YESNOCANCEL), IDYES);

    // A scripted answer that is not one of the box's buttons, or meant for another box, is an error.
    session->AnswerMessageBox(IDYES);
    EXPECT_THROW(AfxMessageBox("Done."), AutomationError);
    session->AnswerMessageBox(IDOK, "Cannot exit");
    EXPECT_THROW(AfxMessageBox("Something else"), AutomationError);

    // AfxMessageBox names the application and picks the icon for the buttons.
    const auto& log = session->MessageBoxes();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[2].caption, "Test Host");
    EXPECT_EQ(log[2].flags, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(log[3].flags, MB_OK | MB_ICONEXCLAMATION);
}

namespace {

std::vector<int> g_commands;

INT_PTR CALLBACK rawDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE; // edits tell about their focus too
        g_commands.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == IDCANCEL) ::EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

TEST(DialogKeys, MnemonicsClickTheirControlOrFocusWhatTheLabelNamesAndSharedOnesOnlyCycle)
{
    constexpr int kLow = 1020, kHigh = 1021, kRun = 1022, kReset = 1023;
    constexpr DWORD kRadio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
    constexpr UINT alt = Automation::Alt;
    struct Case {
        const char* fault;
        UINT key, modifiers;
        int focus, presses;
        std::vector<int> commands;
        int focusAfter, checked;
    } cases[] = {
        {"Alt+letter misses the push button", 'A', alt, IDC_NAME, 1, {IDC_APPLY}, IDC_APPLY, 0},
        {"a letter typed into an edit acts", 'A', 0, IDC_NAME, 1, {}, IDC_NAME, 0},
        {"a letter outside an edit is ignored", 'A', 0, IDC_ENABLE, 1, {IDC_APPLY}, IDC_APPLY, 0},
        {"the check box is not toggled", 'E', alt, IDC_NAME, 1, {IDC_ENABLE}, IDC_ENABLE, IDC_ENABLE},
        {"the radio button is not chosen", 'H', alt, IDC_NAME, 1, {kHigh}, kHigh, kHigh},
        {"the label does not focus what follows it", 'N', alt, IDOK, 1, {}, IDC_NAME, 0},
        {"shared mnemonics click or do not cycle", 'R', alt, IDC_NAME, 2, {}, kReset, 0},
    };
    for (const Case& c : cases) {
        AutomationSession session;
        g_commands.clear();
        DialogTemplate t = settingsTemplate("Keys", 531);
        t.style |= WS_VISIBLE;
        t.items.insert(t.items.end(), {{kLow, "Button", "&Low", kRadio | WS_GROUP | WS_TABSTOP, 0, 120, 7, 40, 10},
                                       {kHigh, "Button", "&High", kRadio, 0, 120, 20, 40, 10},
                                       {kRun, "Button", "&Run", kButton | WS_GROUP, 0, 120, 40, 40, 14},
                                       {kReset, "Button", "&Reset", kButton, 0, 120, 60, 40, 14}});
        HWND dialog = ::CreateDialogIndirectParam(nullptr, &t, nullptr, &rawDialogProc, 0);
        ::SetFocus(session->Find(dialog, c.focus));
        for (int i = 0; i < c.presses; ++i) session->PressKey(c.key, c.modifiers);
        EXPECT_EQ(g_commands, c.commands) << c.fault;
        EXPECT_EQ(::GetDlgCtrlID(session->FocusWindow()), c.focusAfter) << c.fault;
        for (int id : {IDC_ENABLE, kLow, kHigh})
            EXPECT_EQ(session->CheckState(session->Find(dialog, id)) == BST_CHECKED, id == c.checked) << c.fault << " " << id;
        ::DestroyWindow(dialog);
    }
}

TEST(MessageBoxWindow, PicturingABoxTakesNeitherFocusNorActivationFromTheDialogUnderIt)
{
    AutomationSession session;
    DialogTemplate t = settingsTemplate("Raw", 530);
    t.style |= WS_VISIBLE;
    HWND dialog = ::CreateDialogIndirectParam(nullptr, &t, nullptr, &rawDialogProc, 0);
    HWND focus = session->FocusWindow();
    MessageBoxRecord box{nullptr, "Save changes?", "Pattern File", MB_YESNOCANCEL | MB_ICONEXCLAMATION};
    EXPECT_GT(MessageBoxWindow::Render(box).Width(), 0);
    EXPECT_EQ(session->FocusWindow(), focus);
    EXPECT_EQ(::GetActiveWindow(), dialog);
    EXPECT_EQ(session->TopLevelWindows().size(), 1u);
    ::DestroyWindow(dialog);
}
