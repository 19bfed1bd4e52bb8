#include "platform/framework/ListViewControl.h"

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

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
}

void copyOut(const CString& text, LPTSTR buffer, int size)
{
    if (!buffer || size <= 0) return;
    size_t n = std::min<size_t>(static_cast<size_t>(text.GetLength()), static_cast<size_t>(size) - 1);
    std::memcpy(buffer, text.GetString(), n);
    buffer[n] = '\0';
}

bool startsWithNoCase(const CString& text, LPCTSTR prefix)
{
    size_t n = std::strlen(prefix);
    if (static_cast<size_t>(text.GetLength()) < n) return false;
    return CString(text.GetString(), static_cast<int>(n)).CompareNoCase(prefix) == 0;
}

} // namespace

ListViewControl* ListViewControl::from(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || !rec->windowClass || rec->windowClass->proc != &ListViewControl::WndProc) return nullptr;
    return reinterpret_cast<ListViewControl*>(::GetWindowLongPtr(hwnd, 0));
}

CString ListViewControl::text(const Item& item, int subItem)
{
    if (subItem < 0 || subItem >= static_cast<int>(item.texts.size())) return CString();
    return item.texts[static_cast<size_t>(subItem)];
}

int ListViewControl::lineHeight(HWND hwnd)
{
    return std::max(1, TextLayout::LineHeight(TextLayout::FontOf(hwnd)));
}

int ListViewControl::headerHeight(HWND hwnd)
{
    return (styleOf(hwnd) & LVS_NOCOLUMNHEADER) ? 0 : lineHeight(hwnd) + 6;
}

int ListViewControl::RowHeight(HWND hwnd)
{
    return lineHeight(hwnd) + 3;
}

int ListViewControl::countPerPage(HWND hwnd)
{
    int room = wm().ClientRect(hwnd).Height() - headerHeight(hwnd);
    return std::max(1, room / RowHeight(hwnd));
}

CRect ListViewControl::HeaderRect(HWND hwnd)
{
    if (!from(hwnd)) return CRect();
    CRect client = wm().ClientRect(hwnd);
    return CRect(0, 0, client.right, headerHeight(hwnd));
}

CRect ListViewControl::CellRect(HWND hwnd, int item, int column)
{
    ListViewControl* self = from(hwnd);
    if (!self || item < 0 || item >= static_cast<int>(self->m_items.size())) return CRect();
    if (column < 0 || column >= static_cast<int>(self->m_columns.size())) return CRect();
    int x = 0;
    for (int c = 0; c < column; ++c) x += self->m_columns[static_cast<size_t>(c)].width;
    int y = headerHeight(hwnd) + (item - self->m_top) * RowHeight(hwnd);
    return CRect(x, y, x + self->m_columns[static_cast<size_t>(column)].width, y + RowHeight(hwnd));
}

LRESULT ListViewControl::notify(HWND hwnd, NMHDR& hdr, UINT code)
{
    HWND parent = ::GetParent(hwnd);
    if (!parent) return 0;
    hdr.hwndFrom = hwnd;
    hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(hwnd));
    hdr.code = code;
    return ::SendMessage(parent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

bool ListViewControl::changeState(HWND hwnd, int item, UINT state, UINT stateMask)
{
    ListViewControl* self = from(hwnd);
    if (!self || item < 0 || item >= static_cast<int>(self->m_items.size())) return false;
    UINT old = self->m_items[static_cast<size_t>(item)].state;
    UINT wanted = (old & ~stateMask) | (state & stateMask);
    if (wanted == old) return false;
    NMLISTVIEW nm;
    nm.iItem = item;
    nm.uNewState = wanted;
    nm.uOldState = old;
    nm.uChanged = LVIF_STATE;
    nm.lParam = self->m_items[static_cast<size_t>(item)].param;
    if (notify(hwnd, nm.hdr, LVN_ITEMCHANGING)) return false;
    if ((self = from(hwnd)) == nullptr || item >= static_cast<int>(self->m_items.size())) return false;
    // One focused item at most; one selected item in a single-selection list.
    if ((wanted & LVIS_FOCUSED) && !(old & LVIS_FOCUSED)) changeAll(hwnd, 0, LVIS_FOCUSED, item);
    if ((self = from(hwnd)) == nullptr || item >= static_cast<int>(self->m_items.size())) return false;
    if ((wanted & LVIS_SELECTED) && !(old & LVIS_SELECTED) && (styleOf(hwnd) & LVS_SINGLESEL)) {
        changeAll(hwnd, 0, LVIS_SELECTED, item);
    }
    if ((self = from(hwnd)) == nullptr || item >= static_cast<int>(self->m_items.size())) return false;
    self->m_items[static_cast<size_t>(item)].state = wanted;
    wm().Invalidate(hwnd, nullptr, false);
    notify(hwnd, nm.hdr, LVN_ITEMCHANGED);
    return true;
}

void ListViewControl::changeAll(HWND hwnd, UINT state, UINT stateMask, int except)
{
    for (int i = 0;; ++i) {
        ListViewControl* self = from(hwnd);
        if (!self || i >= static_cast<int>(self->m_items.size())) return;
        if (i != except) changeState(hwnd, i, state, stateMask);
    }
}

void ListViewControl::ensureVisible(HWND hwnd, int item)
{
    ListViewControl* self = from(hwnd);
    if (!self || item < 0 || item >= static_cast<int>(self->m_items.size())) return;
    int page = countPerPage(hwnd);
    int top = self->m_top;
    if (item < top) top = item;
    if (item >= top + page) top = item - page + 1;
    if (top != self->m_top) {
        self->m_top = top;
        wm().Invalidate(hwnd, nullptr, true);
    }
}

int ListViewControl::hitTest(HWND hwnd, POINT p, int* column)
{
    ListViewControl* self = from(hwnd);
    if (column) *column = -1;
    if (!self || p.y < headerHeight(hwnd)) return -1;
    int row = self->m_top + (p.y - headerHeight(hwnd)) / RowHeight(hwnd);
    if (row < 0 || row >= static_cast<int>(self->m_items.size())) return -1;
    int x = 0, col = -1;
    for (int c = 0; c < static_cast<int>(self->m_columns.size()); ++c) {
        int w = self->m_columns[static_cast<size_t>(c)].width;
        if (p.x >= x && p.x < x + w) {
            col = c;
            break;
        }
        x += w;
    }
    if (column) *column = col;
    if (col < 0) return -1;
    if (col > 0 && !(self->m_exStyle & LVS_EX_FULLROWSELECT)) return -1;
    return row;
}

void ListViewControl::operatorSelect(HWND hwnd, int item, bool control, bool shift)
{
    ListViewControl* self = from(hwnd);
    if (!self) return;
    bool single = (styleOf(hwnd) & LVS_SINGLESEL) != 0;
    if (single) control = shift = false;
    if (item < 0) {
        if (!control) changeAll(hwnd, 0, LVIS_SELECTED, -1);
        return;
    }
    if (control) {
        UINT state = self->m_items[static_cast<size_t>(item)].state;
        changeState(hwnd, item, (state & LVIS_SELECTED) ? LVIS_FOCUSED : (LVIS_SELECTED | LVIS_FOCUSED),
                    LVIS_SELECTED | LVIS_FOCUSED);
        if ((self = from(hwnd)) != nullptr) self->m_mark = item;
    } else if (shift && self->m_mark >= 0 && self->m_mark < static_cast<int>(self->m_items.size())) {
        int a = std::min(self->m_mark, item), b = std::max(self->m_mark, item);
        for (int i = 0;; ++i) {
            ListViewControl* s = from(hwnd);
            if (!s || i >= static_cast<int>(s->m_items.size())) break;
            if (i < a || i > b) changeState(hwnd, i, 0, LVIS_SELECTED);
        }
        for (int i = a; i <= b; ++i) changeState(hwnd, i, LVIS_SELECTED, LVIS_SELECTED);
        changeState(hwnd, item, LVIS_FOCUSED, LVIS_FOCUSED);
    } else {
        changeAll(hwnd, 0, LVIS_SELECTED, item);
        changeState(hwnd, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        if ((self = from(hwnd)) != nullptr) self->m_mark = item;
    }
    ensureVisible(hwnd, item);
}

void ListViewControl::sendActivate(HWND hwnd, UINT code, int item, int column, POINT p, UINT keys)
{
    NMITEMACTIVATE nm;
    nm.iItem = item;
    nm.iSubItem = std::max(0, column);
    nm.ptAction = p;
    nm.uKeyFlags = keys;
    notify(hwnd, nm.hdr, code);
}

LRESULT ListViewControl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<ListViewControl>(hwnd, message, wParam, lParam, &handle);
}

LRESULT ListViewControl::handle(HWND hwnd, ListViewControl& self, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int count = static_cast<int>(self.m_items.size());
    const int columns = static_cast<int>(self.m_columns.size());
    switch (message) {
    case WM_NCCREATE:
        self.m_bkColor = ::GetSysColor(COLOR_WINDOW);
        self.m_textColor = ::GetSysColor(COLOR_WINDOWTEXT);
        self.m_textBkColor = ::GetSysColor(COLOR_WINDOW);
        return wm().DefWindowProc(hwnd, message, wParam, lParam);
    // --- columns ----------------------------------------------------------------------------------
    case LVM_INSERTCOLUMN: {
        auto* col = reinterpret_cast<const LVCOLUMN*>(lParam);
        if (!col) return -1;
        int at = std::clamp(static_cast<int>(static_cast<INT_PTR>(wParam)), 0, columns);
        Column c;
        if ((col->mask & LVCF_TEXT) && col->pszText) c.text = col->pszText;
        if (col->mask & LVCF_WIDTH) c.width = std::max(0, col->cx);
        if (col->mask & LVCF_FMT) c.format = col->fmt & LVCFMT_JUSTIFYMASK;
        c.subItem = (col->mask & LVCF_SUBITEM) ? col->iSubItem : at;
        self.m_columns.insert(self.m_columns.begin() + at, c);
        self.m_columns.front().format = LVCFMT_LEFT;
        wm().Invalidate(hwnd, nullptr, true);
        return at;
    }
    case LVM_SETCOLUMN:
    case LVM_GETCOLUMN: {
        auto* col = reinterpret_cast<LVCOLUMN*>(lParam);
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!col || at < 0 || at >= columns) return FALSE;
        Column& c = self.m_columns[static_cast<size_t>(at)];
        if (message == LVM_SETCOLUMN) {
            if ((col->mask & LVCF_TEXT) && col->pszText) c.text = col->pszText;
            if (col->mask & LVCF_WIDTH) c.width = std::max(0, col->cx);
            if ((col->mask & LVCF_FMT) && at > 0) c.format = col->fmt & LVCFMT_JUSTIFYMASK;
            if (col->mask & LVCF_SUBITEM) c.subItem = col->iSubItem;
            wm().Invalidate(hwnd, nullptr, true);
        } else {
            if (col->mask & LVCF_TEXT) copyOut(c.text, col->pszText, col->cchTextMax);
            if (col->mask & LVCF_WIDTH) col->cx = c.width;
            if (col->mask & LVCF_FMT) col->fmt = c.format;
            if (col->mask & LVCF_SUBITEM) col->iSubItem = c.subItem;
        }
        return TRUE;
    }
    case LVM_DELETECOLUMN: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= columns) return FALSE;
        self.m_columns.erase(self.m_columns.begin() + at);
        if (!self.m_columns.empty()) self.m_columns.front().format = LVCFMT_LEFT;
        wm().Invalidate(hwnd, nullptr, true);
        return TRUE;
    }
    case LVM_GETCOLUMNWIDTH: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        return at >= 0 && at < columns ? self.m_columns[static_cast<size_t>(at)].width : 0;
    }
    case LVM_SETCOLUMNWIDTH: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= columns) return FALSE;
        Column& c = self.m_columns[static_cast<size_t>(at)];
        int width = static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam)));
        if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
            HFONT font = TextLayout::FontOf(hwnd);
            int widest = width == LVSCW_AUTOSIZE_USEHEADER ? TextLayout::Width(font, c.text) : 0;
            for (const Item& item : self.m_items) widest = std::max(widest, TextLayout::Width(font, text(item, c.subItem)));
            width = widest + 12;
        }
        c.width = std::max(0, width);
        wm().Invalidate(hwnd, nullptr, true);
        return TRUE;
    }
    case LVM_GETSTRINGWIDTH:
        return lParam ? TextLayout::Width(TextLayout::FontOf(hwnd), CString(reinterpret_cast<LPCTSTR>(lParam))) : 0;

    // --- items ------------------------------------------------------------------------------------
    case LVM_INSERTITEM: {
        auto* in = reinterpret_cast<const LVITEM*>(lParam);
        if (!in || in->iSubItem != 0 || in->iItem < 0) return -1;
        Item item;
        item.texts.emplace_back((in->mask & LVIF_TEXT) && in->pszText ? in->pszText : "");
        if (in->mask & LVIF_PARAM) item.param = in->lParam;
        if (in->mask & LVIF_IMAGE) item.image = in->iImage;
        UINT state = (in->mask & LVIF_STATE) ? (in->state & in->stateMask) : 0;
        int at = std::min(in->iItem, count);
        DWORD style = styleOf(hwnd);
        if (style & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) {
            bool ascending = (style & LVS_SORTASCENDING) != 0;
            at = 0;
            while (at < count) {
                int cmp = self.m_items[static_cast<size_t>(at)].texts.front().CompareNoCase(item.texts.front());
                if (ascending ? cmp > 0 : cmp < 0) break;
                ++at;
            }
        }
        self.m_items.insert(self.m_items.begin() + at, item);
        if (self.m_mark >= at) ++self.m_mark;
        wm().Invalidate(hwnd, nullptr, true);
        NMLISTVIEW nm;
        nm.iItem = at;
        notify(hwnd, nm.hdr, LVN_INSERTITEM);
        if (state && from(hwnd)) changeState(hwnd, at, state, in->stateMask);
        return at;
    }
    case LVM_SETITEM:
    case LVM_SETITEMTEXT: {
        auto* in = reinterpret_cast<const LVITEM*>(lParam);
        int at = message == LVM_SETITEMTEXT ? static_cast<int>(static_cast<INT_PTR>(wParam)) : (in ? in->iItem : -1);
        if (!in || at < 0 || at >= count || in->iSubItem < 0) return FALSE;
        UINT mask = message == LVM_SETITEMTEXT ? LVIF_TEXT : in->mask;
        Item& item = self.m_items[static_cast<size_t>(at)];
        if (mask & LVIF_TEXT) {
            auto sub = static_cast<size_t>(in->iSubItem);
            if (item.texts.size() <= sub) item.texts.resize(sub + 1);
            item.texts[sub] = in->pszText ? in->pszText : "";
            wm().Invalidate(hwnd, nullptr, true);
        }
        if (in->iSubItem == 0) {
            if (mask & LVIF_PARAM) item.param = in->lParam;
            if (mask & LVIF_IMAGE) item.image = in->iImage;
            if (mask & LVIF_STATE) changeState(hwnd, at, in->state, in->stateMask);
        }
        return TRUE;
    }
    case LVM_GETITEM:
    case LVM_GETITEMTEXT: {
        auto* out = reinterpret_cast<LVITEM*>(lParam);
        int at = message == LVM_GETITEMTEXT ? static_cast<int>(static_cast<INT_PTR>(wParam)) : (out ? out->iItem : -1);
        if (!out || at < 0 || at >= count) return message == LVM_GETITEMTEXT ? 0 : FALSE;
        const Item& item = self.m_items[static_cast<size_t>(at)];
        CString t = text(item, out->iSubItem);
        if (message == LVM_GETITEMTEXT) {
            copyOut(t, out->pszText, out->cchTextMax);
            return std::min(t.GetLength(), std::max(0, out->cchTextMax - 1));
        }
        if (out->mask & LVIF_TEXT) copyOut(t, out->pszText, out->cchTextMax);
        if (out->mask & LVIF_STATE) out->state = item.state & out->stateMask;
        if (out->mask & LVIF_PARAM) out->lParam = item.param;
        if (out->mask & LVIF_IMAGE) out->iImage = item.image;
        return TRUE;
    }
    case LVM_DELETEITEM: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return FALSE;
        NMLISTVIEW nm;
        nm.iItem = at;
        nm.lParam = self.m_items[static_cast<size_t>(at)].param;
        notify(hwnd, nm.hdr, LVN_DELETEITEM);
        ListViewControl* s = from(hwnd);
        if (!s || at >= static_cast<int>(s->m_items.size())) return FALSE;
        s->m_items.erase(s->m_items.begin() + at);
        if (s->m_mark == at) {
            s->m_mark = -1;
        } else if (s->m_mark > at) {
            --s->m_mark;
        }
        s->m_top = std::clamp(s->m_top, 0, std::max(0, static_cast<int>(s->m_items.size()) - 1));
        wm().Invalidate(hwnd, nullptr, true);
        return TRUE;
    }
    case LVM_DELETEALLITEMS: {
        NMLISTVIEW nm;
        nm.iItem = -1;
        bool quiet = notify(hwnd, nm.hdr, LVN_DELETEALLITEMS) != 0;
        if (!quiet) {
            for (int i = 0;; ++i) {
                ListViewControl* s = from(hwnd);
                if (!s || i >= static_cast<int>(s->m_items.size())) break;
                NMLISTVIEW one;
                one.iItem = i;
                one.lParam = s->m_items[static_cast<size_t>(i)].param;
                notify(hwnd, one.hdr, LVN_DELETEITEM);
            }
        }
        ListViewControl* s = from(hwnd);
        if (!s) return FALSE;
        s->m_items.clear();
        s->m_top = 0;
        s->m_mark = -1;
        wm().Invalidate(hwnd, nullptr, true);
        return TRUE;
    }
    case LVM_GETITEMCOUNT:
        return count;
    case LVM_SETITEMSTATE: {
        auto* in = reinterpret_cast<const LVITEM*>(lParam);
        if (!in) return FALSE;
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at == -1) {
            for (int i = 0;; ++i) {
                ListViewControl* s = from(hwnd);
                if (!s || i >= static_cast<int>(s->m_items.size())) break;
                changeState(hwnd, i, in->state, in->stateMask);
            }
            return TRUE;
        }
        if (at < 0 || at >= count) return FALSE;
        changeState(hwnd, at, in->state, in->stateMask);
        if ((in->stateMask & LVIS_SELECTED) && (in->state & LVIS_SELECTED)) {
            if (ListViewControl* s = from(hwnd)) s->m_mark = at;
        }
        return TRUE;
    }
    case LVM_GETITEMSTATE: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return 0;
        return self.m_items[static_cast<size_t>(at)].state & static_cast<UINT>(lParam);
    }
    case LVM_GETNEXTITEM: {
        int start = static_cast<int>(static_cast<INT_PTR>(wParam));
        auto flags = static_cast<UINT>(LOWORD(static_cast<DWORD_PTR>(lParam)));
        UINT want = flags & (LVNI_SELECTED | LVNI_FOCUSED | LVNI_CUT | LVNI_DROPHILITED);
        bool up = (flags & (LVNI_ABOVE | LVNI_TOLEFT)) != 0;
        if (up) {
            for (int i = (start < 0 ? count : start) - 1; i >= 0; --i) {
                if ((self.m_items[static_cast<size_t>(i)].state & want) == want) return i;
            }
            return -1;
        }
        for (int i = std::max(-1, start) + 1; i < count; ++i) {
            if ((self.m_items[static_cast<size_t>(i)].state & want) == want) return i;
        }
        return -1;
    }
    case LVM_GETSELECTEDCOUNT:
        return std::count_if(self.m_items.begin(), self.m_items.end(),
                             [](const Item& i) { return (i.state & LVIS_SELECTED) != 0; });
    case LVM_GETSELECTIONMARK:
        return self.m_mark;
    case LVM_SETSELECTIONMARK: {
        int old = self.m_mark;
        int at = static_cast<int>(lParam);
        self.m_mark = at >= -1 && at < count ? at : -1;
        return old;
    }
    case LVM_FINDITEM: {
        auto* find = reinterpret_cast<const LVFINDINFO*>(lParam);
        if (!find) return -1;
        int start = static_cast<int>(static_cast<INT_PTR>(wParam));
        for (int i = std::max(-1, start) + 1; i < count; ++i) {
            const Item& item = self.m_items[static_cast<size_t>(i)];
            if (find->flags & LVFI_PARAM) {
                if (item.param == find->lParam) return i;
            } else if (find->psz) {
                bool match = (find->flags & LVFI_PARTIAL) ? startsWithNoCase(item.texts.front(), find->psz)
                                                          : item.texts.front().CompareNoCase(find->psz) == 0;
                if (match) return i;
            }
        }
        return -1;
    }
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        DWORD old = self.m_exStyle;
        auto mask = static_cast<DWORD>(wParam);
        auto value = static_cast<DWORD>(lParam);
        self.m_exStyle = mask ? (old & ~mask) | (value & mask) : value;
        wm().Invalidate(hwnd, nullptr, true);
        return old;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return self.m_exStyle;

    // --- scrolling and geometry ---------------------------------------------------------------------
    case LVM_ENSUREVISIBLE: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return FALSE;
        ensureVisible(hwnd, at);
        return TRUE;
    }
    case LVM_GETTOPINDEX:
        return self.m_top;
    case LVM_GETCOUNTPERPAGE:
        return countPerPage(hwnd);
    case LVM_SCROLL: {
        int rows = static_cast<int>(lParam) / RowHeight(hwnd);
        int top = std::clamp(self.m_top + rows, 0, std::max(0, count - countPerPage(hwnd)));
        if (top != self.m_top) {
            self.m_top = top;
            wm().Invalidate(hwnd, nullptr, true);
        }
        return TRUE;
    }
    case LVM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!r || at < 0 || at >= count || columns == 0) return FALSE;
        int code = r->left;
        CRect first = CellRect(hwnd, at, 0);
        if (code == LVIR_BOUNDS || (code == LVIR_SELECTBOUNDS && (self.m_exStyle & LVS_EX_FULLROWSELECT))) {
            *r = CRect(first.left, first.top, CellRect(hwnd, at, columns - 1).right, first.bottom);
        } else if (code == LVIR_ICON) {
            *r = CRect(first.left, first.top, first.left, first.bottom);
        } else {
            *r = first;
        }
        return TRUE;
    }
    case LVM_HITTEST: {
        auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
        if (!info) return -1;
        int column = -1;
        info->iItem = hitTest(hwnd, info->pt, &column);
        info->iSubItem = std::max(0, column);
        info->flags = info->iItem >= 0 ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
        return info->iItem;
    }
    case LVM_SETBKCOLOR:
    case LVM_SETTEXTCOLOR:
    case LVM_SETTEXTBKCOLOR:
        (message == LVM_SETBKCOLOR ? self.m_bkColor : message == LVM_SETTEXTCOLOR ? self.m_textColor : self.m_textBkColor) =
            static_cast<COLORREF>(lParam);
        wm().Invalidate(hwnd, nullptr, true);
        return TRUE;
    case LVM_GETBKCOLOR:
        return self.m_bkColor;
    case LVM_GETTEXTCOLOR:
        return self.m_textColor;
    case LVM_GETTEXTBKCOLOR:
        return self.m_textBkColor;

    // --- the operator -----------------------------------------------------------------------------
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        self.m_focused = message == WM_SETFOCUS;
        wm().Invalidate(hwnd, nullptr, false);
        NMHDR hdr;
        notify(hwnd, hdr, message == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (::GetFocus() != hwnd) ::SetFocus(hwnd);
        if (!from(hwnd)) return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        int column = -1;
        int item = hitTest(hwnd, p, &column);
        bool control = (wParam & MK_CONTROL) != 0, shift = (wParam & MK_SHIFT) != 0;
        if (p.y >= headerHeight(hwnd)) operatorSelect(hwnd, item, control, shift);
        ListViewControl* s = from(hwnd);
        if (!s) return 0;
        s->m_pressed = true;
        ::SetCapture(hwnd);
        if (message == WM_LBUTTONDBLCLK) {
            s->m_afterDouble = true;
            UINT keys = (control ? LVKF_CONTROL : 0) | (shift ? LVKF_SHIFT : 0);
            sendActivate(hwnd, NM_DBLCLK, item, column, p, keys);
            if (item >= 0 && from(hwnd)) sendActivate(hwnd, LVN_ITEMACTIVATE, item, column, p, keys);
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        if (!self.m_pressed) return 0;
        self.m_pressed = false;
        bool afterDouble = self.m_afterDouble;
        self.m_afterDouble = false;
        if (::GetCapture() == hwnd) ::ReleaseCapture();
        if (afterDouble || !from(hwnd)) return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        int column = -1;
        int item = hitTest(hwnd, p, &column);
        UINT keys = ((wParam & MK_CONTROL) ? LVKF_CONTROL : 0) | ((wParam & MK_SHIFT) ? LVKF_SHIFT : 0);
        sendActivate(hwnd, NM_CLICK, item, column, p, keys);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) self.m_pressed = false;
        return 0;
    case WM_KEYDOWN: {
        NMLVKEYDOWN nm;
        nm.wVKey = static_cast<WORD>(wParam);
        notify(hwnd, nm.hdr, LVN_KEYDOWN);
        ListViewControl* s = from(hwnd);
        if (!s || s->m_items.empty()) return 0;
        int n = static_cast<int>(s->m_items.size());
        int focus = -1;
        for (int i = 0; i < n; ++i) {
            if (s->m_items[static_cast<size_t>(i)].state & LVIS_FOCUSED) focus = i;
        }
        bool control = (wm().KeyState(VK_CONTROL) & KEY_DOWN_BIT) != 0;
        bool shift = (wm().KeyState(VK_SHIFT) & KEY_DOWN_BIT) != 0;
        int page = countPerPage(hwnd);
        int target = -2;
        switch (wParam) {
        case VK_UP: target = focus < 0 ? 0 : focus - 1; break;
        case VK_DOWN: target = focus < 0 ? 0 : focus + 1; break;
        case VK_PRIOR: target = focus < 0 ? 0 : focus - page + 1; break;
        case VK_NEXT: target = focus < 0 ? 0 : focus + page - 1; break;
        case VK_HOME: target = 0; break;
        case VK_END: target = n - 1; break;
        case VK_SPACE:
            if (control && focus >= 0) operatorSelect(hwnd, focus, true, false);
            return 0;
        default: return 0;
        }
        target = std::clamp(target, 0, n - 1);
        if (control && !shift) {
            changeState(hwnd, target, LVIS_FOCUSED, LVIS_FOCUSED);
            ensureVisible(hwnd, target);
        } else {
            operatorSelect(hwnd, target, false, shift);
        }
        return 0;
    }
    case WM_SIZE:
        wm().Invalidate(hwnd, nullptr, true);
        return 0;
    default:
        return wm().DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// --- painting -----------------------------------------------------------------------------------------

void ListViewControl::Paint(HWND hwnd, CDC& dc)
{
    ListViewControl* self = from(hwnd);
    if (!self) return;
    const DWORD style = styleOf(hwnd);
    const bool enabled = ::IsWindowEnabled(hwnd) != FALSE;
    const CRect client = wm().ClientRect(hwnd);
    ClassicLook::SelectWindowFont(hwnd, dc);
    dc.FillSolidRect(&client, self->m_bkColor == CLR_NONE ? ::GetSysColor(COLOR_WINDOW) : self->m_bkColor);
    dc.SetBkMode(TRANSPARENT);
    const int header = headerHeight(hwnd);
    const int rowHeight = RowHeight(hwnd);
    const int columns = static_cast<int>(self->m_columns.size());

    // The header: a raised button per column, then one over the rest of the width.
    if (header > 0) {
        int x = 0;
        dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
        for (int c = 0; c <= columns && x < client.right; ++c) {
            int width = c < columns ? self->m_columns[static_cast<size_t>(c)].width : client.right - x;
            if (width <= 0) continue;
            CRect r(x, 0, x + width, header);
            dc.FillSolidRect(&r, ::GetSysColor(COLOR_3DFACE));
            CRect edge = r;
            dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT);
            if (c < columns) {
                const Column& col = self->m_columns[static_cast<size_t>(c)];
                CRect label(r.left + 6, r.top, r.right - 6, r.bottom);
                UINT align = col.format == LVCFMT_RIGHT ? DT_RIGHT : col.format == LVCFMT_CENTER ? DT_CENTER : DT_LEFT;
                if (!enabled) dc.SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
                dc.DrawText(col.text, &label, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            }
            x += width;
        }
    }

    const int saved = dc.SaveDC();
    CRect rows(0, header, client.right, client.bottom);
    dc.IntersectClipRect(&rows);
    const bool focused = self->m_focused;
    const bool fullRow = (self->m_exStyle & LVS_EX_FULLROWSELECT) != 0;
    int rowWidth = 0;
    for (const Column& c : self->m_columns) rowWidth += c.width;
    for (int i = self->m_top, y = header; i < static_cast<int>(self->m_items.size()) && y < client.bottom; ++i, y += rowHeight) {
        const Item& item = self->m_items[static_cast<size_t>(i)];
        const bool selected = (item.state & LVIS_SELECTED) && (focused || (style & LVS_SHOWSELALWAYS));
        // Selected rows: the highlight while the list has the focus, the face colour otherwise.
        const COLORREF selectedBack = ::GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_3DFACE);
        const COLORREF selectedText = ::GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
        CRect focusRect;
        int x = 0;
        for (int c = 0; c < columns; ++c) {
            const Column& col = self->m_columns[static_cast<size_t>(c)];
            CRect cell(x, y, x + col.width, y + rowHeight);
            x += col.width;
            if (cell.Width() <= 0) continue;
            CString t = text(item, col.subItem);
            CRect label(cell.left + 6, cell.top, cell.right - 6, cell.bottom);
            bool highlighted = selected && (fullRow || c == 0);
            if (highlighted) {
                CRect back = cell;
                if (!fullRow) {
                    // Only the label of the first column.
                    back.left = label.left - 2;
                    back.right = std::min(cell.right, label.left + TextLayout::Width(TextLayout::FontOf(hwnd), t) + 2);
                }
                dc.FillSolidRect(&back, selectedBack);
                if (c == 0) focusRect = fullRow ? CRect(0, y, rowWidth, y + rowHeight) : back;
            } else if (c == 0) {
                focusRect = cell;
            }
            COLORREF color = !enabled ? ::GetSysColor(COLOR_GRAYTEXT) : highlighted ? selectedText : self->m_textColor;
            dc.SetTextColor(color);
            UINT align = col.format == LVCFMT_RIGHT ? DT_RIGHT : col.format == LVCFMT_CENTER ? DT_CENTER : DT_LEFT;
            dc.DrawText(t, &label, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
        if ((self->m_exStyle & LVS_EX_GRIDLINES) && rowWidth > 0) {
            dc.FillSolidRect(0, y + rowHeight - 1, rowWidth, 1, ::GetSysColor(COLOR_3DFACE));
        }
        if (focused && (item.state & LVIS_FOCUSED) && !focusRect.IsRectEmpty()) dc.DrawFocusRect(&focusRect);
    }
    if ((self->m_exStyle & LVS_EX_GRIDLINES) && columns > 0) {
        int x = 0;
        for (const Column& c : self->m_columns) {
            x += c.width;
            dc.FillSolidRect(x - 1, header, 1, client.bottom - header, ::GetSysColor(COLOR_3DFACE));
        }
    }
    dc.RestoreDC(saved);
}
