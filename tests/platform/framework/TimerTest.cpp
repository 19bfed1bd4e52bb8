// The virtual clock: timers fire in time order when time is advanced, and nothing else moves time.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/framework/VirtualClock.h"

namespace {

constexpr UINT WM_WORK = WM_APP + 10;

struct Tick {
    UINT_PTR id;
    ULONGLONG at;
    bool operator==(const Tick& o) const { return id == o.id && at == o.at; }
};

class TimerWnd : public CWnd {
public:
    std::vector<Tick> ticks;
    std::vector<std::string> events;
    // What the handler does on a tick: set by each test.
    std::function<void(TimerWnd&, UINT_PTR)> onTick;

    afx_msg void OnTimer(UINT_PTR id)
    {
        ticks.push_back({id, ::GetTickCount64()});
        events.push_back("tick " + std::to_string(id) + "@" + std::to_string(::GetTickCount64()));
        if (onTick) onTick(*this, id);
    }
    afx_msg LRESULT OnWork(WPARAM w, LPARAM)
    {
        events.push_back("work " + std::to_string(w) + "@" + std::to_string(::GetTickCount64()));
        return 0;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TimerWnd, CWnd)
    ON_WM_TIMER()
    ON_MESSAGE(WM_WORK, &TimerWnd::OnWork)
END_MESSAGE_MAP()

void create(TimerWnd& wnd)
{
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "timers", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
}

} // namespace

TEST(VirtualClock, TimersFireInTimeOrderAndTiesInRegistrationOrder)
{
    AutomationSession session;
    TimerWnd a, b;
    create(a);
    create(b);
    std::vector<std::string> order;
    a.onTick = [&](TimerWnd&, UINT_PTR id) { order.push_back("a" + std::to_string(id) + "@" + std::to_string(session->Now())); };
    b.onTick = [&](TimerWnd&, UINT_PTR id) { order.push_back("b" + std::to_string(id) + "@" + std::to_string(session->Now())); };
    b.SetTimer(1, 300);
    a.SetTimer(2, 200);
    a.SetTimer(3, 300);
    session->Advance(600);
    EXPECT_EQ(order, (std::vector<std::string>{"a2@200", "b1@300", "a3@300", "a2@400", "b1@600", "a2@600", "a3@600"}));
}

TEST(VirtualClock, KillingATimerInsideItsHandlerStopsIt)
{
    AutomationSession session;
    TimerWnd wnd;
    create(wnd);
    wnd.onTick = [](TimerWnd& w, UINT_PTR id) {
        if (w.ticks.size() == 3) {
            EXPECT_TRUE(w.KillTimer(id));
        }
    };
    wnd.SetTimer(9, 100);
    wnd.SetTimer(10, 1000);
    session->Advance(2000);
    ASSERT_EQ(wnd.ticks.size(), 5u); // three of 9, then 10 at 1000 and 2000
    EXPECT_EQ(wnd.ticks[2], (Tick{9, 300}));
    EXPECT_FALSE(wnd.KillTimer(9));

    // Destroying the window from a tick is safe too, and kills its other timers.
    TimerWnd doomed;
    create(doomed);
    doomed.SetTimer(1, 10);
    doomed.SetTimer(2, 10);
    doomed.onTick = [](TimerWnd& w, UINT_PTR) { w.DestroyWindow(); };
    session->Advance(100);
    EXPECT_EQ(doomed.ticks.size(), 1u);
    EXPECT_EQ(VirtualClock::Get().FindTimer(doomed.m_hWnd, 2), nullptr);
}

TEST(VirtualClock, PostedWorkIsDoneBetweenTicks)
{
    AutomationSession session;
    TimerWnd wnd;
    create(wnd);
    wnd.onTick = [](TimerWnd& w, UINT_PTR) { w.PostMessage(WM_WORK, w.ticks.size()); };
    wnd.SetTimer(1, 100);
    wnd.PostMessage(WM_WORK, 0); // already waiting when time moves
    session->Advance(200);
    EXPECT_EQ(wnd.events, (std::vector<std::string>{"work 0@0", "tick 1@100", "work 1@100", "tick 1@200", "work 2@200"}));
}
