// Windows and messages: sent against posted order, geometry and z-order, destruction, creation that
// fails and a reset whose handlers ask questions. The library's windows, sheets and widgets route
// everything else through chained maps, notifications and subclassed controls.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/framework/VirtualClock.h"
#include "platform/framework/WindowManager.h"

namespace {

constexpr UINT WM_PING = WM_APP + 1;

std::vector<std::string> g_log;

class PingWnd : public CWnd {
public:
    afx_msg LRESULT OnPing(WPARAM w, LPARAM) { g_log.push_back("ping " + std::to_string(w)); return 0; }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PingWnd, CWnd)
    ON_MESSAGE(WM_PING, &PingWnd::OnPing)
END_MESSAGE_MAP()

HWND makePopup(CWnd& wnd, DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU)
{
    EXPECT_TRUE(wnd.CreateEx(0, nullptr, "popup", style, 50, 60, 300, 200, nullptr, nullptr));
    return wnd.m_hWnd;
}

} // namespace

TEST(Messages, SentMessagesRunAtOncePostedOnesWhenPumped)
{
    AutomationSession session;
    g_log.clear();
    PingWnd wnd;
    makePopup(wnd);
    wnd.PostMessage(WM_PING, 1);
    wnd.PostMessage(WM_PING, 2);
    wnd.SendMessage(WM_PING, 3);
    EXPECT_EQ(g_log, std::vector<std::string>{"ping 3"});
    session->Pump();
    EXPECT_EQ(g_log, (std::vector<std::string>{"ping 3", "ping 1", "ping 2"}));

    // A message posted to a window that dies before the pump is dropped.
    HWND h = wnd.m_hWnd;
    wnd.PostMessage(WM_PING, 4);
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    session->Pump();
    EXPECT_EQ(g_log.size(), 3u);
    EXPECT_FALSE(::PostMessage(h, WM_PING, 5, 0));
}

namespace {

// Logs the order of creation and destruction messages, and deletes itself at the end.
class SelfDeleting : public CWnd {
public:
    explicit SelfDeleting(std::vector<std::string>& log, const char* name) : m_log(log), m_name(name) {}
    ~SelfDeleting() override { m_log.push_back(m_name + " deleted"); }
    afx_msg int OnCreate(LPCREATESTRUCT) { m_log.push_back(m_name + " create"); return 0; }
    afx_msg void OnDestroy() { m_log.push_back(m_name + " destroy"); }
    void PostNcDestroy() override
    {
        m_log.push_back(m_name + " ncdestroy");
        delete this;
    }

protected:
    std::vector<std::string>& m_log;
    std::string m_name;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfDeleting, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

} // namespace

TEST(Windows, DestructionReachesParentThenChildrenAndDetachesObjects)
{
    AutomationSession session;
    std::vector<std::string> log;
    auto* parent = new SelfDeleting(log, "parent");
    ASSERT_TRUE(parent->CreateEx(0, nullptr, "p", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    auto* child = new SelfDeleting(log, "child");
    ASSERT_TRUE(child->Create(nullptr, "c", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), parent, 5));
    HWND hp = parent->m_hWnd, hc = child->m_hWnd;
    ::SetTimer(hc, 1, 100, nullptr);

    EXPECT_TRUE(::DestroyWindow(hp));
    EXPECT_EQ(log, (std::vector<std::string>{"parent create", "child create", "parent destroy", "child destroy",
                                             "child ncdestroy", "child deleted", "parent ncdestroy",
                                             "parent deleted"}));
    EXPECT_FALSE(::IsWindow(hp));
    EXPECT_FALSE(::IsWindow(hc));
    EXPECT_TRUE(VirtualClock::Get().Timers().empty());
    // Stale handles are refused, not followed.
    EXPECT_FALSE(::DestroyWindow(hp));
    EXPECT_EQ(::GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(::SendMessage(hc, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(CWnd::FromHandle(hp), nullptr);

    // An object whose window dies without it forgets the handle.
    CWnd attached;
    HWND h = ::CreateWindowEx(0, "Static", "x", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(attached.Attach(h));
    EXPECT_EQ(CWnd::FromHandle(h), &attached);
    ::DestroyWindow(h);
    EXPECT_EQ(attached.m_hWnd, nullptr);
}

TEST(Windows, SetWindowPosHonoursItsFlags)
{
    AutomationSession session;
    CWnd a, b;
    makePopup(a, WS_POPUP | WS_VISIBLE);
    makePopup(b, WS_POPUP | WS_VISIBLE);
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(5, 6, 25, 26), &a, 1));
    EXPECT_EQ(session->WindowRect(a), CRect(50, 60, 350, 260));
    EXPECT_EQ(session->WindowRect(child), CRect(55, 66, 75, 86));

    a.SetWindowPos(nullptr, 10, 20, 999, 999, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(session->WindowRect(a), CRect(10, 20, 310, 220));
    EXPECT_EQ(session->WindowRect(child), CRect(15, 26, 35, 46)); // children travel along
    a.SetWindowPos(nullptr, 999, 999, 120, 80, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(session->WindowRect(a), CRect(10, 20, 130, 100));
    child.MoveWindow(1, 2, 3, 4);
    EXPECT_EQ(session->WindowRect(child), CRect(11, 22, 14, 26)); // in the parent's client coordinates

    // Topmost without moving or sizing, and above a window activated later.
    a.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(session->IsTopmost(a));
    EXPECT_EQ(session->WindowRect(a), CRect(10, 20, 130, 100));
    ::SetActiveWindow(b);
    EXPECT_EQ(session->TopLevelWindows().front(), a.m_hWnd);
    a.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(session->IsTopmost(a));

    // Redrawing: a move invalidates unless told not to.
    session->Pump();
    EXPECT_FALSE(::GetUpdateRect(a, nullptr, FALSE));
    a.SetWindowPos(nullptr, 0, 0, 100, 100, SWP_NOZORDER | SWP_NOREDRAW);
    EXPECT_FALSE(::GetUpdateRect(a, nullptr, FALSE));
    a.SetWindowPos(nullptr, 0, 0, 90, 90, SWP_NOZORDER);
    EXPECT_TRUE(::GetUpdateRect(a, nullptr, FALSE));
    auto before = WindowManager::Get().Find(a)->paintCount;
    session->Pump();
    EXPECT_EQ(WindowManager::Get().Find(a)->paintCount, before + 1);
    EXPECT_FALSE(::GetUpdateRect(a, nullptr, FALSE));
}

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
