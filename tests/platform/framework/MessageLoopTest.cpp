// The host loop: the PreTranslateMessage chain innermost first, key translation, and what happens
// when messages never stop coming. What a tool window's filter swallows is the library's test.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDialogs.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/FrameworkError.h"
#include "platform/framework/MessageLoop.h"
#include "platform/framework/WindowManager.h"

using namespace test;

namespace {

std::vector<std::string> g_trail;

// An edit that notes the keys it is offered before they are handled, and those it gets.
class TracingEdit : public CEdit {
public:
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) g_trail.push_back("edit pre " + std::to_string(msg->wParam));
        return FALSE;
    }
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags)
    {
        g_trail.push_back(std::string("edit char ") + static_cast<char>(ch));
        CEdit::OnChar(ch, repeat, flags);
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TracingEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

class TracingDialog : public CDialog {
public:
    TracingEdit edit;
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) g_trail.push_back("dialog pre " + std::to_string(msg->wParam));
        return CDialog::PreTranslateMessage(msg);
    }
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_NAME, edit); }
    void OnOK() override { g_trail.push_back("ok"); }
};

} // namespace

TEST(MessageLoop, KeysAreOfferedInnermostFirstThenHandledByTheDialog)
{
    AutomationSession session;
    g_trail.clear();
    TracingDialog dialog;
    DialogTemplate t = settingsTemplate("Tracing", 540);
    t.style |= WS_VISIBLE;
    ASSERT_TRUE(dialog.CreateIndirect(t, nullptr));
    ASSERT_EQ(session->FocusWindow(), dialog.edit.m_hWnd);

    session->PressKey('Q', Automation::Shift);
    session->PressKey(VK_RETURN);
    EXPECT_EQ(g_trail, (std::vector<std::string>{"edit pre 81", "dialog pre 81", "edit char Q", "edit pre 13",
                                                 "dialog pre 13", "ok"}));
    session->PressKey('A', Automation::Control); // Control keys type nothing
    EXPECT_EQ(session->Text(dialog, IDC_NAME), "Q");
}

namespace {

constexpr UINT WM_AGAIN = WM_APP + 20;

class Runaway : public CWnd {
public:
    afx_msg LRESULT OnAgain(WPARAM, LPARAM)
    {
        PostMessage(WM_AGAIN); // forever
        return 0;
    }
    afx_msg LRESULT OnEcho(WPARAM, LPARAM) { return SendMessage(WM_AGAIN + 1); }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Runaway, CWnd)
    ON_MESSAGE(WM_AGAIN, &Runaway::OnAgain)
    ON_MESSAGE(WM_AGAIN + 1, &Runaway::OnEcho)
END_MESSAGE_MAP()

} // namespace

TEST(MessageLoop, MessagesThatNeverStopAreReportedInsteadOfHanging)
{
    AutomationSession session;
    Runaway wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.PostMessage(WM_AGAIN);
    EXPECT_THROW(session->Pump(), AutomationError);
    EXPECT_THROW(wnd.SendMessage(WM_AGAIN + 1), FrameworkError); // recursion without end
    EXPECT_EQ(WindowManager::Get().DispatchDepth(), 0);
    EXPECT_TRUE(CWnd::GetCurrentMessage() == nullptr); // unwound cleanly
}
