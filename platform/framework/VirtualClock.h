#pragma once
// The only clock of the window system, and its timers. Time starts at 0 and moves only when
// Advance is called; nothing ever waits.
//
// Advance(ms) delivers every timer that falls due up to now + ms, in time order; timers due at the
// same moment go in the order in which they were first set. Before each delivery and at the end the
// posted-message queue is pumped (MessageLoop::Pump), so work posted by one tick is done before the
// next. After a tick a timer is due again one interval later.
//
// SetTimer on an id the window already has replaces the interval and makes the timer due one new
// interval from now (it keeps its place among ties). Killing a timer, its own included, from inside
// a handler is safe; destroying a window kills its timers. Intervals below 10 ms count as 10 ms,
// the documented minimum, so a zero interval cannot stall time.
//
// A WM_TIMER goes through the host loop like any queued message (PreTranslateMessage first); a
// timer with a procedure calls the procedure instead of the window procedure.

#include <vector>

#include "platform/framework/WinUser.h"

class VirtualClock {
public:
    struct Timer {
        HWND hwnd = nullptr;
        UINT_PTR id = 0;
        UINT interval = 0;
        ULONGLONG due = 0;
        TIMERPROC proc = nullptr;
        ULONGLONG order = 0; // registration order, for ties
    };

    static VirtualClock& Get();
    // Time 0, no timers.
    void Reset();

    ULONGLONG Now() const { return m_now; }
    void Advance(ULONGLONG ms);

    UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
    BOOL KillTimer(HWND hwnd, UINT_PTR id);
    void KillTimers(HWND hwnd);

    const std::vector<Timer>& Timers() const { return m_timers; }
    const Timer* FindTimer(HWND hwnd, UINT_PTR id) const;
    static constexpr UINT kMinimumInterval = 10;

private:
    VirtualClock() = default;
    const Timer* nextDue(ULONGLONG limit) const;

    ULONGLONG m_now = 0;
    ULONGLONG m_nextOrder = 0;
    UINT_PTR m_nextAnonymousId = 0;
    std::vector<Timer> m_timers;
};
