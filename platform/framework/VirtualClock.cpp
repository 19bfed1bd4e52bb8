#include "platform/framework/VirtualClock.h"

#include <algorithm>

#include "platform/framework/MessageLoop.h"
#include "platform/framework/WindowManager.h"

VirtualClock& VirtualClock::Get()
{
    static VirtualClock* clock = new VirtualClock; // never destroyed, see WindowManager::Get
    return *clock;
}

void VirtualClock::Reset()
{
    m_now = 0;
    m_nextOrder = 0;
    m_nextAnonymousId = 0;
    m_timers.clear();
}

const VirtualClock::Timer* VirtualClock::FindTimer(HWND hwnd, UINT_PTR id) const
{
    for (const Timer& t : m_timers) {
        if (t.hwnd == hwnd && t.id == id) return &t;
    }
    return nullptr;
}

UINT_PTR VirtualClock::SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    auto& wm = WindowManager::Get();
    if (hwnd && !wm.Find(hwnd)) {
        wm.SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (!hwnd) {
        if (!proc) {
            wm.SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        if (!FindTimer(nullptr, id) || id == 0) id = 0x7FFF0000 + ++m_nextAnonymousId;
    }
    UINT interval = std::max(elapse, kMinimumInterval);
    for (Timer& t : m_timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t.interval = interval;
            t.due = m_now + interval;
            t.proc = proc;
            return id == 0 ? 1 : id;
        }
    }
    Timer t;
    t.hwnd = hwnd;
    t.id = id;
    t.interval = interval;
    t.due = m_now + interval;
    t.proc = proc;
    t.order = m_nextOrder++;
    m_timers.push_back(t);
    return id == 0 ? 1 : id;
}

BOOL VirtualClock::KillTimer(HWND hwnd, UINT_PTR id)
{
    auto it = std::find_if(m_timers.begin(), m_timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == m_timers.end()) return FALSE;
    m_timers.erase(it);
    return TRUE;
}

void VirtualClock::KillTimers(HWND hwnd)
{
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.hwnd == hwnd; }),
                   m_timers.end());
}

const VirtualClock::Timer* VirtualClock::nextDue(ULONGLONG limit) const
{
    const Timer* best = nullptr;
    for (const Timer& t : m_timers) {
        if (t.due > limit) continue;
        if (!best || t.due < best->due || (t.due == best->due && t.order < best->order)) best = &t;
    }
    return best;
}

void VirtualClock::Advance(ULONGLONG ms)
{
    ULONGLONG target = m_now + ms;
    MessageLoop::Pump();
    for (;;) {
        // A handler may have moved time on (a nested Advance): never go back.
        target = std::max(target, m_now);
        const Timer* t = nextDue(target);
        if (!t) break;
        m_now = std::max(m_now, t->due);
        MSG msg;
        msg.hwnd = t->hwnd;
        msg.message = WM_TIMER;
        msg.wParam = t->id;
        msg.lParam = reinterpret_cast<LPARAM>(t->proc);
        msg.time = static_cast<DWORD>(m_now);
        // Rescheduled before delivery, so that the handler can restart or kill it.
        const_cast<Timer*>(t)->due = m_now + t->interval;
        MessageLoop::Deliver(msg);
        MessageLoop::Pump();
    }
    m_now = std::max(m_now, target);
    MessageLoop::Pump();
}
