#include "platform/framework/ProgressControl.h"

#include <algorithm>

#include "platform/framework/ControlWindow.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintFunctions.h"

namespace {

// Previous range as the 16-bit messages report it.
LRESULT packRange(int lower, int upper)
{
    return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(lower), static_cast<WORD>(upper)));
}

// Gap between two blocks of a segmented bar.
constexpr int kBlockGap = 2;

} // namespace

ProgressControl* ProgressControl::from(HWND hwnd)
{
    return reinterpret_cast<ProgressControl*>(::GetWindowLongPtr(hwnd, 0));
}

int ProgressControl::clamp(int position) const
{
    // A reversed range keeps positions at its lower limit rather than failing.
    return std::max(m_lower, std::min(position, m_upper));
}

int ProgressControl::moveTo(HWND hwnd, ProgressControl& self, int position)
{
    int old = self.m_pos;
    if (position != old) {
        self.m_pos = position;
        WindowManager::Get().Invalidate(hwnd, nullptr, false);
    }
    return old;
}

LRESULT ProgressControl::setRange(HWND hwnd, ProgressControl& self, int lower, int upper)
{
    LRESULT old = packRange(self.m_lower, self.m_upper);
    if (lower != self.m_lower || upper != self.m_upper) {
        self.m_lower = lower;
        self.m_upper = upper;
        self.m_pos = self.clamp(self.m_pos);
        WindowManager::Get().Invalidate(hwnd, nullptr, true);
    }
    return old;
}

LRESULT ProgressControl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<ProgressControl>(hwnd, message, wParam, lParam, &handle);
}

LRESULT ProgressControl::handle(HWND hwnd, ProgressControl& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& wm = WindowManager::Get();
    ProgressControl* self = &state;

    switch (message) {
    case PBM_SETRANGE:
        return setRange(hwnd, *self, LOWORD(static_cast<DWORD_PTR>(lParam)), HIWORD(static_cast<DWORD_PTR>(lParam)));
    case PBM_SETRANGE32:
        return setRange(hwnd, *self, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
        if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) {
            range->iLow = self->m_lower;
            range->iHigh = self->m_upper;
        }
        return wParam ? self->m_lower : self->m_upper;
    case PBM_GETPOS:
        return self->m_pos;
    case PBM_SETPOS:
        return moveTo(hwnd, *self, self->clamp(static_cast<int>(wParam)));
    case PBM_DELTAPOS: {
        long long wanted = static_cast<long long>(self->m_pos) + static_cast<int>(wParam);
        wanted = std::clamp<long long>(wanted, INT32_MIN, INT32_MAX);
        return moveTo(hwnd, *self, self->clamp(static_cast<int>(wanted)));
    }
    case PBM_SETSTEP: {
        int old = self->m_step;
        self->m_step = static_cast<int>(wParam);
        return old;
    }
    case PBM_STEPIT: {
        long long wanted = static_cast<long long>(self->m_pos) + self->m_step;
        int next;
        if (wanted > self->m_upper)
            next = self->m_lower;
        else if (wanted < self->m_lower)
            next = self->m_upper;
        else
            next = static_cast<int>(wanted);
        return moveTo(hwnd, *self, self->clamp(next));
    }
    case PBM_SETBARCOLOR: {
        COLORREF old = self->m_barColor;
        self->m_barColor = static_cast<COLORREF>(lParam);
        wm.Invalidate(hwnd, nullptr, false);
        return static_cast<LRESULT>(old);
    }
    case PBM_GETBARCOLOR:
        return static_cast<LRESULT>(self->m_barColor);
    case PBM_SETBKCOLOR: {
        COLORREF old = self->m_bkColor;
        self->m_bkColor = static_cast<COLORREF>(lParam);
        wm.Invalidate(hwnd, nullptr, true);
        return static_cast<LRESULT>(old);
    }
    case PBM_GETBKCOLOR:
        return static_cast<LRESULT>(self->m_bkColor);
    case WM_ERASEBKGND:
        return TRUE; // the paint covers the whole client area
    case WM_GETDLGCODE:
        return 0;
    default:
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    }
}

void ProgressControl::Paint(HWND hwnd, CDC& dc)
{
    ProgressControl* self = from(hwnd);
    if (!self) return;
    const CRect client = WindowManager::Get().ClientRect(hwnd);
    const DWORD style = static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
    const COLORREF bk = self->m_bkColor == CLR_DEFAULT ? ::GetSysColor(COLOR_BTNFACE) : self->m_bkColor;
    const COLORREF bar = self->m_barColor == CLR_DEFAULT ? ::GetSysColor(COLOR_HIGHLIGHT) : self->m_barColor;
    dc.FillSolidRect(&client, bk);

    // The bar moves inside a 1-pixel margin.
    CRect inner = client;
    inner.DeflateRect(1, 1);
    if (inner.IsRectEmpty() || self->m_upper <= self->m_lower) return;
    const bool vertical = (style & PBS_VERTICAL) != 0;
    const int length = vertical ? inner.Height() : inner.Width();
    const int thickness = vertical ? inner.Width() : inner.Height();
    // In 64 bits: a range from the least to the greatest int spans more than an int holds.
    const long long done = (static_cast<long long>(self->m_pos) - self->m_lower) * length /
                           (static_cast<long long>(self->m_upper) - self->m_lower);
    int filled = static_cast<int>(done);

    auto fillSpan = [&](int from, int to) {
        CRect r = inner;
        if (vertical) {
            r.top = inner.bottom - to;
            r.bottom = inner.bottom - from;
        } else {
            r.left = inner.left + from;
            r.right = inner.left + to;
        }
        dc.FillSolidRect(&r, bar);
    };

    if (style & PBS_SMOOTH) {
        if (filled > 0) fillSpan(0, filled);
        return;
    }
    const int block = std::max(1, thickness * 2 / 3);
    for (int at = 0; at < filled; at += block + kBlockGap) fillSpan(at, std::min(at + block, length));
}
