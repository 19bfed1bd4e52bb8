#include "platform/framework/TrackbarControl.h"

#include <algorithm>

#include "platform/framework/ClassicLook.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/ControlWindow.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintFunctions.h"

namespace {

WindowManager& wm()
{
    return WindowManager::Get();
}

bool isVertical(HWND hwnd)
{
    return (static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE)) & TBS_VERT) != 0;
}

} // namespace

TrackbarControl* TrackbarControl::from(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || !rec->windowClass || rec->windowClass->proc != &TrackbarControl::WndProc) return nullptr;
    return reinterpret_cast<TrackbarControl*>(::GetWindowLongPtr(hwnd, 0));
}

CRect TrackbarControl::ChannelRect(HWND hwnd)
{
    TrackbarControl* self = from(hwnd);
    if (!self) return CRect();
    CRect client = wm().ClientRect(hwnd);
    bool vertical = isVertical(hwnd);
    int length = vertical ? client.Height() : client.Width();
    int across = vertical ? client.Width() : client.Height();
    int depth = std::min(self->m_thumbDepth, std::max(0, across - 2 * kMargin));
    int start = kMargin + kThumbSize / 2;
    int end = std::max(start, length - kMargin - kThumbSize / 2 - 1);
    // The channel is 4 pixels thick, centred on the thumb.
    int thumbTop = kMargin;
    int mid = thumbTop + depth / 2;
    if (vertical) return CRect(mid - 2, start, mid + 2, end + 1);
    return CRect(start, mid - 2, end + 1, mid + 2);
}

POINT TrackbarControl::PointOf(HWND hwnd, int position)
{
    TrackbarControl* self = from(hwnd);
    CRect channel = ChannelRect(hwnd);
    if (!self) return POINT{};
    bool vertical = isVertical(hwnd);
    int start = vertical ? channel.top : channel.left;
    int end = vertical ? channel.bottom - 1 : channel.right - 1;
    int span = self->m_max - self->m_min;
    int p = std::clamp(position, self->m_min, std::max(self->m_min, self->m_max));
    int along = span > 0 ? start + static_cast<int>(static_cast<long long>(p - self->m_min) * (end - start) / span) : start;
    int across = vertical ? channel.CenterPoint().x : channel.CenterPoint().y;
    return vertical ? POINT{across, along} : POINT{along, across};
}

CRect TrackbarControl::ThumbRect(HWND hwnd)
{
    TrackbarControl* self = from(hwnd);
    if (!self) return CRect();
    CRect client = wm().ClientRect(hwnd);
    bool vertical = isVertical(hwnd);
    int across = vertical ? client.Width() : client.Height();
    int depth = std::min(self->m_thumbDepth, std::max(0, across - 2 * kMargin));
    POINT c = PointOf(hwnd, self->m_pos);
    if (vertical) return CRect(kMargin, c.y - kThumbSize / 2, kMargin + depth, c.y - kThumbSize / 2 + kThumbSize);
    return CRect(c.x - kThumbSize / 2, kMargin, c.x - kThumbSize / 2 + kThumbSize, kMargin + depth);
}

int TrackbarControl::positionAt(HWND hwnd, POINT p)
{
    TrackbarControl* self = from(hwnd);
    CRect channel = ChannelRect(hwnd);
    bool vertical = isVertical(hwnd);
    int start = vertical ? channel.top : channel.left;
    int end = vertical ? channel.bottom - 1 : channel.right - 1;
    int at = (vertical ? p.y : p.x) - self->m_grab;
    int span = self->m_max - self->m_min;
    if (span <= 0 || end <= start) return self->m_min;
    at = std::clamp(at, start, end);
    // The nearest position to the point.
    long long numerator = static_cast<long long>(at - start) * span;
    int pos = self->m_min + static_cast<int>((numerator + (end - start) / 2) / (end - start));
    return std::clamp(pos, self->m_min, self->m_max);
}

void TrackbarControl::scroll(HWND hwnd, UINT code, int position)
{
    HWND parent = ::GetParent(hwnd);
    if (!parent) return;
    bool carriesPosition = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
    WORD high = carriesPosition ? static_cast<WORD>(position) : 0;
    ::SendMessage(parent, isVertical(hwnd) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(static_cast<WORD>(code), high),
                  reinterpret_cast<LPARAM>(hwnd));
}

void TrackbarControl::releasedCapture(HWND hwnd)
{
    HWND parent = ::GetParent(hwnd);
    if (!parent) return;
    NMHDR hdr;
    hdr.hwndFrom = hwnd;
    hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(hwnd));
    hdr.code = NM_RELEASEDCAPTURE;
    ::SendMessage(parent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

void TrackbarControl::setRange(HWND hwnd, int low, int high, bool redraw)
{
    TrackbarControl* self = from(hwnd);
    self->m_min = low;
    self->m_max = high;
    if (!self->m_pageSet) self->m_page = std::max(1, (high - low) / 5);
    self->m_pos = high >= low ? std::clamp(self->m_pos, low, high) : low;
    if (redraw) wm().Invalidate(hwnd, nullptr, true);
}

LRESULT TrackbarControl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<TrackbarControl>(hwnd, message, wParam, lParam, &handle);
}

LRESULT TrackbarControl::handle(HWND hwnd, TrackbarControl& self, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool redraw = wParam != 0;
    switch (message) {
    case TBM_GETPOS:
        return self.m_pos;
    case TBM_GETRANGEMIN:
        return self.m_min;
    case TBM_GETRANGEMAX:
        return self.m_max;
    case TBM_SETPOS: {
        int pos = static_cast<int>(lParam);
        self.m_pos = self.m_max >= self.m_min ? std::clamp(pos, self.m_min, self.m_max) : self.m_min;
        if (redraw) wm().Invalidate(hwnd, nullptr, true);
        return 0;
    }
    case TBM_SETRANGE:
        setRange(hwnd, static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam))),
                 static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lParam))), redraw);
        return 0;
    case TBM_SETRANGEMIN:
        setRange(hwnd, static_cast<int>(lParam), self.m_max, redraw);
        return 0;
    case TBM_SETRANGEMAX:
        setRange(hwnd, self.m_min, static_cast<int>(lParam), redraw);
        return 0;
    case TBM_SETLINESIZE: {
        int old = self.m_line;
        self.m_line = static_cast<int>(lParam);
        return old;
    }
    case TBM_GETLINESIZE:
        return self.m_line;
    case TBM_SETPAGESIZE: {
        int old = self.m_page;
        self.m_page = static_cast<int>(lParam);
        self.m_pageSet = true;
        return old;
    }
    case TBM_GETPAGESIZE:
        return self.m_page;
    case TBM_SETTICFREQ:
        self.m_ticFrequency = std::max(1, static_cast<int>(wParam));
        wm().Invalidate(hwnd, nullptr, true);
        return 0;
    case TBM_SETTIC: {
        int tic = static_cast<int>(lParam);
        if (tic < self.m_min || tic > self.m_max) return FALSE;
        self.m_tics.push_back(tic);
        std::sort(self.m_tics.begin(), self.m_tics.end());
        wm().Invalidate(hwnd, nullptr, true);
        return TRUE;
    }
    case TBM_GETTIC: {
        auto i = static_cast<size_t>(wParam);
        return i < self.m_tics.size() ? self.m_tics[i] : -1;
    }
    case TBM_CLEARTICS:
        self.m_tics.clear();
        if (redraw) wm().Invalidate(hwnd, nullptr, true);
        return 0;
    case TBM_GETNUMTICS: {
        DWORD style = static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
        if (style & TBS_NOTICKS) return 0;
        int inner = static_cast<int>(self.m_tics.size());
        if ((style & TBS_AUTOTICKS) && self.m_max > self.m_min) {
            inner = (self.m_max - self.m_min - 1) / self.m_ticFrequency;
        }
        return inner + 2;
    }
    case TBM_SETSEL:
        self.m_selStart = static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam)));
        self.m_selEnd = static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lParam)));
        if (redraw) wm().Invalidate(hwnd, nullptr, true);
        return 0;
    case TBM_SETSELSTART:
        self.m_selStart = static_cast<int>(lParam);
        if (redraw) wm().Invalidate(hwnd, nullptr, true);
        return 0;
    case TBM_SETSELEND:
        self.m_selEnd = static_cast<int>(lParam);
        if (redraw) wm().Invalidate(hwnd, nullptr, true);
        return 0;
    case TBM_GETSELSTART:
        return self.m_selStart;
    case TBM_GETSELEND:
        return self.m_selEnd;
    case TBM_CLEARSEL:
        self.m_selStart = self.m_selEnd = 0;
        if (redraw) wm().Invalidate(hwnd, nullptr, true);
        return 0;
    case TBM_SETTHUMBLENGTH:
        self.m_thumbDepth = std::max(1, static_cast<int>(wParam));
        wm().Invalidate(hwnd, nullptr, true);
        return 0;
    case TBM_GETTHUMBLENGTH:
        return isVertical(hwnd) ? ThumbRect(hwnd).Width() : ThumbRect(hwnd).Height();
    case TBM_GETTHUMBRECT:
    case TBM_GETCHANNELRECT:
        if (auto* out = reinterpret_cast<RECT*>(lParam)) *out = message == TBM_GETTHUMBRECT ? ThumbRect(hwnd) : ChannelRect(hwnd);
        return 0;

    // --- the operator -----------------------------------------------------------------------------
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        self.m_focused = message == WM_SETFOCUS;
        wm().Invalidate(hwnd, nullptr, false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (::GetFocus() != hwnd) ::SetFocus(hwnd);
        TrackbarControl* s = from(hwnd);
        if (!s) return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        CRect thumb = ThumbRect(hwnd);
        bool vertical = isVertical(hwnd);
        ::SetCapture(hwnd);
        if (thumb.PtInRect(p)) {
            s->m_tracking = true;
            s->m_grab = vertical ? p.y - thumb.CenterPoint().y : p.x - thumb.CenterPoint().x;
            return 0;
        }
        s->m_paging = true;
        bool before = vertical ? p.y < thumb.top : p.x < thumb.left;
        int target = s->m_pos + (before ? -s->m_page : s->m_page);
        s->m_pos = s->m_max >= s->m_min ? std::clamp(target, s->m_min, s->m_max) : s->m_min;
        wm().Invalidate(hwnd, nullptr, true);
        scroll(hwnd, before ? TB_PAGEUP : TB_PAGEDOWN, 0);
        return 0;
    }
    case WM_MOUSEMOVE: {
        if (!self.m_tracking) return 0;
        int pos = positionAt(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (pos != self.m_pos) {
            self.m_pos = pos;
            wm().Invalidate(hwnd, nullptr, true);
            scroll(hwnd, TB_THUMBTRACK, pos);
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        if (!self.m_tracking && !self.m_paging) return 0;
        bool tracking = self.m_tracking;
        if (tracking) {
            int pos = positionAt(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (pos != self.m_pos) {
                self.m_pos = pos;
                wm().Invalidate(hwnd, nullptr, true);
                scroll(hwnd, TB_THUMBTRACK, pos);
                if (!from(hwnd)) return 0;
            }
        }
        TrackbarControl* s = from(hwnd);
        s->m_tracking = s->m_paging = false;
        s->m_grab = 0;
        if (tracking) scroll(hwnd, TB_THUMBPOSITION, s->m_pos);
        if ((s = from(hwnd)) != nullptr) scroll(hwnd, TB_ENDTRACK, 0);
        // Letting the mouse go tells the parent (NM_RELEASEDCAPTURE, from WM_CAPTURECHANGED).
        if (from(hwnd) && ::GetCapture() == hwnd) ::ReleaseCapture();
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) {
            bool wasActive = self.m_tracking || self.m_paging;
            self.m_tracking = self.m_paging = false;
            // Taken away mid-drag: the drag ends where it is.
            if (wasActive) scroll(hwnd, TB_ENDTRACK, 0);
            if (from(hwnd)) releasedCapture(hwnd);
        }
        return 0;
    case WM_KEYDOWN: {
        UINT code;
        int target = self.m_pos;
        switch (wParam) {
        case VK_LEFT:
        case VK_UP: code = TB_LINEUP; target -= self.m_line; break;
        case VK_RIGHT:
        case VK_DOWN: code = TB_LINEDOWN; target += self.m_line; break;
        case VK_PRIOR: code = TB_PAGEUP; target -= self.m_page; break;
        case VK_NEXT: code = TB_PAGEDOWN; target += self.m_page; break;
        case VK_HOME: code = TB_TOP; target = self.m_min; break;
        case VK_END: code = TB_BOTTOM; target = self.m_max; break;
        default: return 0;
        }
        self.m_pos = self.m_max >= self.m_min ? std::clamp(target, self.m_min, self.m_max) : self.m_min;
        wm().Invalidate(hwnd, nullptr, true);
        scroll(hwnd, code, 0);
        return 0;
    }
    case WM_KEYUP:
        switch (wParam) {
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
            scroll(hwnd, TB_ENDTRACK, 0);
            return 0;
        default:
            return 0;
        }
    case WM_ENABLE:
        if (!wParam && (self.m_tracking || self.m_paging) && ::GetCapture() == hwnd) ::ReleaseCapture();
        return 0;
    case WM_SIZE:
        wm().Invalidate(hwnd, nullptr, true);
        return 0;
    default:
        return wm().DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// --- painting -----------------------------------------------------------------------------------------

void TrackbarControl::Paint(HWND hwnd, CDC& dc)
{
    TrackbarControl* self = from(hwnd);
    if (!self) return;
    const DWORD style = static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
    const bool vertical = (style & TBS_VERT) != 0;
    const bool enabled = ::IsWindowEnabled(hwnd) != FALSE;
    const CRect client = wm().ClientRect(hwnd);
    HBRUSH brush = ClassicLook::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC);
    ::FillRect(dc.GetSafeHdc(), &client, brush);

    CRect channel = ChannelRect(hwnd);
    // The channel: a sunken groove, white inside where there is room.
    CRect groove = channel;
    dc.DrawEdge(&groove, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (!groove.IsRectEmpty()) dc.FillSolidRect(&groove, ::GetSysColor(COLOR_WINDOW));

    CRect thumb = ThumbRect(hwnd);
    if (!(style & TBS_NOTICKS)) {
        // Ticks below (right of) the thumb, above (left of) it too with TBS_BOTH or only there
        // with TBS_TOP: automatic ones at every frequency step, else the ends and those set.
        std::vector<int> tics{self->m_min, self->m_max};
        if ((style & TBS_AUTOTICKS) && self->m_max > self->m_min) {
            for (int t = self->m_min + self->m_ticFrequency; t < self->m_max; t += self->m_ticFrequency) tics.push_back(t);
        } else {
            tics.insert(tics.end(), self->m_tics.begin(), self->m_tics.end());
        }
        const COLORREF color = ::GetSysColor(COLOR_BTNTEXT);
        const bool after = (style & TBS_BOTH) || !(style & TBS_TOP);
        const bool before = (style & TBS_BOTH) || (style & TBS_TOP);
        for (int t : tics) {
            POINT p = PointOf(hwnd, t);
            if (vertical) {
                if (after) dc.FillSolidRect(thumb.right + 2, p.y, 3, 1, color);
                if (before) dc.FillSolidRect(thumb.left - 5, p.y, 3, 1, color);
            } else {
                if (after) dc.FillSolidRect(p.x, thumb.bottom + 2, 1, 3, color);
                if (before) dc.FillSolidRect(p.x, thumb.top - 5, 1, 3, color);
            }
        }
    }
    if (!(style & TBS_NOTHUMB)) {
        dc.FillSolidRect(&thumb, ::GetSysColor(COLOR_3DFACE));
        CRect edge = thumb;
        dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT);
        if (!enabled) {
            // A disabled thumb shows a checked grey middle.
            CRect inside = thumb;
            inside.DeflateRect(2, 2);
            for (int y = inside.top; y < inside.bottom; ++y) {
                for (int x = inside.left + ((y - inside.top) % 2); x < inside.right; x += 2) {
                    dc.SetPixel(x, y, ::GetSysColor(COLOR_3DHIGHLIGHT));
                }
            }
        }
    }
    if (self->m_focused) {
        CRect focus = client;
        dc.DrawFocusRect(&focus);
    }
}
