#include "platform/framework/TabControl.h"

#include <algorithm>
#include <cstring>

#include "platform/framework/ClassicLook.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/ControlWindow.h"
#include "platform/framework/TextLayout.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintFunctions.h"

namespace {

WindowManager& wm()
{
    return WindowManager::Get();
}

LRESULT notify(HWND hwnd, UINT code)
{
    HWND parent = ::GetParent(hwnd);
    if (!parent) return 0;
    NMHDR hdr;
    hdr.hwndFrom = hwnd;
    hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(hwnd));
    hdr.code = code;
    return ::SendMessage(parent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

} // namespace

TabControl* TabControl::from(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || !rec->windowClass || rec->windowClass->proc != &TabControl::WndProc) return nullptr;
    return reinterpret_cast<TabControl*>(::GetWindowLongPtr(hwnd, 0));
}

int TabControl::TabRowHeight(HWND hwnd)
{
    return TextLayout::LineHeight(TextLayout::FontOf(hwnd)) + 7;
}

std::vector<CRect> TabControl::TabRects(HWND hwnd)
{
    std::vector<CRect> rects;
    TabControl* self = from(hwnd);
    if (!self) return rects;
    HFONT font = TextLayout::FontOf(hwnd);
    const int bottom = TabRowHeight(hwnd);
    int x = kMargin;
    for (const Tab& tab : self->m_tabs) {
        const int width = std::max(kMinTabWidth, TextLayout::Width(font, tab.text) + 2 * kPadding);
        rects.emplace_back(x, kMargin, x + width, bottom);
        x += width;
    }
    return rects;
}

int TabControl::TabAt(HWND hwnd, POINT p)
{
    const std::vector<CRect> rects = TabRects(hwnd);
    for (size_t i = 0; i < rects.size(); ++i)
        if (rects[i].PtInRect(p)) return static_cast<int>(i);
    return -1;
}

CRect TabControl::TabRect(HWND hwnd, int index)
{
    const std::vector<CRect> rects = TabRects(hwnd);
    return index < 0 || index >= static_cast<int>(rects.size()) ? CRect() : rects[static_cast<size_t>(index)];
}

void TabControl::operatorSelect(HWND hwnd, int index)
{
    TabControl* self = from(hwnd);
    if (!self || index == self->m_cursel || index < 0 || index >= static_cast<int>(self->m_tabs.size())) return;
    if (notify(hwnd, TCN_SELCHANGING)) return;
    if ((self = from(hwnd)) == nullptr || index >= static_cast<int>(self->m_tabs.size())) return;
    self->m_cursel = index;
    wm().Invalidate(hwnd, nullptr, true);
    notify(hwnd, TCN_SELCHANGE);
}

LRESULT TabControl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<TabControl>(hwnd, message, wParam, lParam, &handle);
}

LRESULT TabControl::handle(HWND hwnd, TabControl& self, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int count = static_cast<int>(self.m_tabs.size());
    switch (message) {
    case TCM_INSERTITEM: {
        auto* in = reinterpret_cast<const TCITEM*>(lParam);
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!in || at < 0) return -1;
        at = std::min(at, count);
        Tab tab;
        if ((in->mask & TCIF_TEXT) && in->pszText) tab.text = in->pszText;
        if (in->mask & TCIF_PARAM) tab.param = in->lParam;
        self.m_tabs.insert(self.m_tabs.begin() + at, tab);
        if (self.m_cursel >= at) ++self.m_cursel;
        if (self.m_cursel < 0) self.m_cursel = 0;
        wm().Invalidate(hwnd, nullptr, true);
        return at;
    }
    case TCM_SETITEM:
    case TCM_GETITEM: {
        auto* io = reinterpret_cast<TCITEM*>(lParam);
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!io || at < 0 || at >= count) return FALSE;
        Tab& tab = self.m_tabs[static_cast<size_t>(at)];
        if (message == TCM_SETITEM) {
            if ((io->mask & TCIF_TEXT) && io->pszText) tab.text = io->pszText;
            if (io->mask & TCIF_PARAM) tab.param = io->lParam;
            wm().Invalidate(hwnd, nullptr, true);
        } else {
            if ((io->mask & TCIF_TEXT) && io->pszText && io->cchTextMax > 0) {
                size_t n = std::min<size_t>(static_cast<size_t>(tab.text.GetLength()), static_cast<size_t>(io->cchTextMax) - 1);
                std::memcpy(io->pszText, tab.text.GetString(), n);
                io->pszText[n] = '\0';
            }
            if (io->mask & TCIF_PARAM) io->lParam = tab.param;
        }
        return TRUE;
    }
    case TCM_DELETEITEM: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return FALSE;
        self.m_tabs.erase(self.m_tabs.begin() + at);
        if (self.m_cursel == at) {
            self.m_cursel = -1;
        } else if (self.m_cursel > at) {
            --self.m_cursel;
        }
        wm().Invalidate(hwnd, nullptr, true);
        return TRUE;
    }
    case TCM_DELETEALLITEMS:
        self.m_tabs.clear();
        self.m_cursel = -1;
        wm().Invalidate(hwnd, nullptr, true);
        return TRUE;
    case TCM_GETITEMCOUNT:
        return count;
    case TCM_GETCURSEL:
    case TCM_GETCURFOCUS:
        return self.m_cursel;
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        int old = self.m_cursel;
        if (at < 0 || at >= count) return -1;
        self.m_cursel = at;
        wm().Invalidate(hwnd, nullptr, true);
        return message == TCM_SETCURSEL ? old : 0;
    }
    case TCM_GETITEMRECT: {
        auto* out = reinterpret_cast<RECT*>(lParam);
        CRect r = TabRect(hwnd, static_cast<int>(static_cast<INT_PTR>(wParam)));
        if (!out || r.IsRectEmpty()) return FALSE;
        *out = r;
        return TRUE;
    }
    case TCM_HITTEST: {
        auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
        if (!info) return -1;
        const int i = TabAt(hwnd, info->pt);
        info->flags = i < 0 ? TCHT_NOWHERE : TCHT_ONITEMLABEL;
        return i;
    }
    case TCM_ADJUSTRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r) return 0;
        int row = TabRowHeight(hwnd);
        if (wParam) {
            *r = CRect(r->left - 4, r->top - row - 3, r->right + 4, r->bottom + 4);
        } else {
            *r = CRect(r->left + 4, r->top + row + 3, r->right - 4, r->bottom - 4);
        }
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        self.m_focused = message == WM_SETFOCUS;
        wm().Invalidate(hwnd, nullptr, false);
        return 0;
    case WM_LBUTTONDOWN: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (const int i = TabAt(hwnd, p); i >= 0) {
            if (::GetFocus() != hwnd) ::SetFocus(hwnd);
            operatorSelect(hwnd, i);
        }
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_LEFT && self.m_cursel > 0) operatorSelect(hwnd, self.m_cursel - 1);
        if (wParam == VK_RIGHT && self.m_cursel + 1 < count) operatorSelect(hwnd, self.m_cursel + 1);
        return 0;
    default:
        return wm().DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// --- painting -----------------------------------------------------------------------------------------

void TabControl::Paint(HWND hwnd, CDC& dc)
{
    TabControl* self = from(hwnd);
    if (!self) return;
    const bool enabled = ::IsWindowEnabled(hwnd) != FALSE;
    const CRect client = wm().ClientRect(hwnd);
    HBRUSH brush = ClassicLook::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC);
    ClassicLook::FillBackground(hwnd, dc, client, brush);
    ClassicLook::SelectWindowFont(hwnd, dc);
    dc.SetBkMode(TRANSPARENT);
    const COLORREF light = ::GetSysColor(COLOR_3DHIGHLIGHT), shadow = ::GetSysColor(COLOR_3DSHADOW);
    const COLORREF dark = ::GetSysColor(COLOR_3DDKSHADOW), face = ::GetSysColor(COLOR_3DFACE);

    // The frame of the display area, raised.
    const int row = TabRowHeight(hwnd);
    CRect frame(client.left, row, client.right, client.bottom);
    dc.DrawEdge(&frame, EDGE_RAISED, BF_RECT);

    // Unselected tabs first, the selected one last: a little larger, its bottom open into the frame.
    const std::vector<CRect> rects = TabRects(hwnd);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < static_cast<int>(rects.size()); ++i) {
            bool selected = i == self->m_cursel;
            if (selected != (pass == 1)) continue;
            CRect r = rects[static_cast<size_t>(i)];
            if (selected) {
                r.InflateRect(2, 2);
                r.bottom += 1;
            }
            dc.FillSolidRect(r.left + 1, r.top + 1, r.Width() - 2, r.Height() - 1, face);
            dc.FillSolidRect(r.left, r.top + 2, 1, r.Height() - 2, light);                // left
            dc.FillSolidRect(r.left + 1, r.top + 1, 1, 1, light);                          // corner
            dc.FillSolidRect(r.left + 2, r.top, r.Width() - 4, 1, light);                  // top
            dc.FillSolidRect(r.right - 2, r.top + 1, 1, 1, dark);                          // corner
            dc.FillSolidRect(r.right - 1, r.top + 2, 1, r.Height() - 2, dark);             // right
            dc.FillSolidRect(r.right - 2, r.top + 2, 1, r.Height() - 2, shadow);
            if (!selected) dc.FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, light);   // the frame's line
            CRect label = r;
            label.top += selected ? 1 : 2;
            dc.SetTextColor(::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
            dc.DrawText(self->m_tabs[static_cast<size_t>(i)].text, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            if (selected && self->m_focused) {
                CRect focus = r;
                focus.DeflateRect(3, 3);
                dc.DrawFocusRect(&focus);
            }
        }
    }
}
