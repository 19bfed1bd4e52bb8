#include "platform/framework/EditControl.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/framework/ClassicLook.h"
#include "platform/framework/ControlWindow.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintFunctions.h"

namespace {

void notify(HWND hwnd, UINT code)
{
    HWND parent = ::GetParent(hwnd);
    if (parent) {
        ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(::GetDlgCtrlID(hwnd)), static_cast<WORD>(code)),
                      reinterpret_cast<LPARAM>(hwnd));
    }
}

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
}

CString textOf(HWND hwnd)
{
    WindowRecord* rec = WindowManager::Get().Find(hwnd);
    return rec ? rec->text : CString();
}

} // namespace

EditControl* EditControl::from(HWND hwnd)
{
    return reinterpret_cast<EditControl*>(::GetWindowLongPtr(hwnd, 0));
}

CRect EditControl::FormatRect(HWND hwnd)
{
    CRect client = WindowManager::Get().ClientRect(hwnd);
    client.DeflateRect(kMargin, 0);
    if (client.right < client.left) client.right = client.left;
    return client;
}

EditControl::Layout EditControl::keyOf(HWND hwnd, const CString& text)
{
    Layout key;
    key.style = styleOf(hwnd) & (ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL);
    key.width = FormatRect(hwnd).Width();
    key.font = TextLayout::FontOf(hwnd);
    key.length = text.GetLength();
    return key;
}

std::vector<TextLayout::Line> EditControl::layOut(HWND hwnd, const CString& text)
{
    DWORD style = styleOf(hwnd);
    if (!(style & ES_MULTILINE)) return {TextLayout::Line{0, text.GetLength(), text.GetLength()}};
    bool wrap = !(style & (ES_AUTOHSCROLL | WS_HSCROLL));
    // A wrapping edit narrower than one character still breaks after every character.
    int width = wrap ? std::max(1, FormatRect(hwnd).Width()) : 0;
    return TextLayout::Wrap(TextLayout::FontOf(hwnd), text, width);
}

const std::vector<TextLayout::Line>& EditControl::Lines(HWND hwnd)
{
    EditControl* self = from(hwnd);
    if (!self) {
        static std::vector<TextLayout::Line> unattached;
        unattached = layOut(hwnd, textOf(hwnd));
        return unattached;
    }
    // Only the text's length is needed to tell whether the kept layout is still the text's.
    WindowRecord* rec = WindowManager::Get().Find(hwnd);
    static const CString none;
    Layout key = keyOf(hwnd, rec ? rec->text : none);
    Layout& kept = self->m_layout;
    if (!kept.valid || kept.style != key.style || kept.width != key.width || kept.font != key.font ||
        kept.length != key.length) {
        key.lines = layOut(hwnd, textOf(hwnd));
        key.valid = true;
        kept = std::move(key);
    }
    return kept.lines;
}

void EditControl::relayOut(HWND hwnd, const CString& before, const CString& after, int a, int b, int inserted)
{
    Layout key = keyOf(hwnd, before);
    Layout& kept = m_layout;
    if (!(key.style & ES_MULTILINE) || !kept.valid || kept.style != key.style || kept.width != key.width ||
        kept.font != key.font || kept.length != key.length) {
        kept.valid = false;
        return;
    }
    // Hard lines wrap on their own: those before the one holding a and after the one holding b keep
    // their lines (shifted), and only the touched ones are laid out again.
    const char* old = before.GetString();
    int first = a;
    while (first > 0 && old[first - 1] != '\n') --first;
    int last = b;
    while (last < before.GetLength() && old[last] != '\n') ++last;
    const bool more = last < before.GetLength();  // a hard line follows the touched ones
    const int oldEnd = more ? last + 1 : before.GetLength();
    const int shift = inserted - (b - a);
    const int newEnd = oldEnd + shift;

    std::vector<TextLayout::Line> middle = layOut(hwnd, after.Mid(first, newEnd - first));
    if (more && !middle.empty()) middle.pop_back();  // the empty line after the last break: the next hard line's
    for (TextLayout::Line& line : middle) {
        line.start += first;
        line.next += first;
    }
    // In place: the lines of the touched hard lines are replaced, the ones after them shifted.
    std::vector<TextLayout::Line>& lines = kept.lines;
    auto touched = std::lower_bound(lines.begin(), lines.end(), first,
                                    [](const TextLayout::Line& line, int at) { return line.start < at; });
    auto untouched = more ? std::lower_bound(touched, lines.end(), oldEnd,
                                             [](const TextLayout::Line& line, int at) { return line.start < at; })
                          : lines.end();
    for (auto it = untouched; it != lines.end(); ++it) {
        it->start += shift;
        it->next += shift;
    }
    const auto at = lines.erase(touched, untouched);
    lines.insert(at, middle.begin(), middle.end());
    kept.length = after.GetLength();
}

int EditControl::FirstVisibleLine(HWND hwnd)
{
    EditControl* self = from(hwnd);
    return self && (styleOf(hwnd) & ES_MULTILINE) ? self->m_firstLine : 0;
}

int EditControl::VisibleLineCount(HWND hwnd)
{
    int height = TextLayout::LineHeight(TextLayout::FontOf(hwnd));
    return std::max(1, FormatRect(hwnd).Height() / std::max(1, height));
}

int EditControl::lineOf(const std::vector<TextLayout::Line>& lines, int index)
{
    int line = 0;
    for (size_t i = 1; i < lines.size() && lines[i].start <= index; ++i) line = static_cast<int>(i);
    return line;
}

void EditControl::scrollTo(HWND hwnd, int firstLine, bool lastLineOnTop)
{
    EditControl* self = from(hwnd);
    if (!self) return;
    int count = static_cast<int>(Lines(hwnd).size());
    int last = std::max(0, count - (lastLineOnTop ? 1 : VisibleLineCount(hwnd)));
    int first = std::clamp(firstLine, 0, last);
    if (first != self->m_firstLine) {
        self->m_firstLine = first;
        WindowManager::Get().Invalidate(hwnd, nullptr, true);
    }
}

void EditControl::scrollCaretIntoView(HWND hwnd)
{
    EditControl* self = from(hwnd);
    if (!self || !(styleOf(hwnd) & ES_MULTILINE)) return;
    int caret = lineOf(Lines(hwnd), self->m_selEnd);
    int visible = VisibleLineCount(hwnd);
    if (caret < self->m_firstLine) {
        scrollTo(hwnd, caret, false);
    } else if (caret >= self->m_firstLine + visible) {
        scrollTo(hwnd, caret - visible + 1, false);
    }
}

bool EditControl::replaceSelection(HWND hwnd, const CString& insert, bool byOperator)
{
    EditControl* self = from(hwnd);
    if (!self) return false;
    CString text = textOf(hwnd);
    int a = std::clamp(std::min(self->m_selStart, self->m_selEnd), 0, text.GetLength());
    int b = std::clamp(std::max(self->m_selStart, self->m_selEnd), 0, text.GetLength());
    long long newLength = static_cast<long long>(text.GetLength()) - (b - a) + insert.GetLength();
    if (byOperator && insert.GetLength() > 0 && newLength > static_cast<long long>(self->m_limit)) {
        ::MessageBeep(0);
        notify(hwnd, EN_MAXTEXT);
        return false;
    }
    if (a == b && insert.IsEmpty()) return false;
    CString result = text.Left(a) + insert + text.Mid(b);
    self->relayOut(hwnd, text, result, a, b, insert.GetLength());
    WindowManager::Get().SetText(hwnd, result);
    self->m_selStart = self->m_selEnd = a + insert.GetLength();
    self->m_modified = true;
    if (styleOf(hwnd) & ES_AUTOVSCROLL) scrollCaretIntoView(hwnd);
    notify(hwnd, EN_UPDATE);
    if (::IsWindow(hwnd)) notify(hwnd, EN_CHANGE); // last: the handler may destroy the edit
    return true;
}

LRESULT EditControl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<EditControl>(hwnd, message, wParam, lParam, &handle);
}

LRESULT EditControl::handle(HWND hwnd, EditControl& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& wm = WindowManager::Get();
    EditControl* self = &state;
    DWORD style = styleOf(hwnd);
    bool multiline = (style & ES_MULTILINE) != 0;

    switch (message) {
    case WM_SETTEXT: {
        wm.DefWindowProc(hwnd, message, wParam, lParam);
        self->m_layout.valid = false;
        self->m_selStart = self->m_selEnd = 0;
        self->m_modified = false;
        self->m_firstLine = 0;
        if (!multiline) {
            notify(hwnd, EN_UPDATE);
            if (::IsWindow(hwnd)) notify(hwnd, EN_CHANGE);
        }
        return TRUE;
    }
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (multiline && msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR)) {
            if (msg->wParam == VK_RETURN) {
                if (style & ES_WANTRETURN) code |= DLGC_WANTALLKEYS;
            } else if (msg->wParam == VK_ESCAPE) {
                code |= DLGC_WANTALLKEYS;
            }
        }
        return code;
    }
    case WM_CHAR: {
        auto ch = static_cast<unsigned char>(wParam & 0xFF);
        if (style & ES_READONLY) {
            ::MessageBeep(0);
            return 0;
        }
        if (ch == '\b') {
            if (self->m_selStart == self->m_selEnd) {
                if (self->m_selEnd == 0) return 0;
                CString text = textOf(hwnd);
                int back = (self->m_selEnd >= 2 && text[self->m_selEnd - 1] == '\n' && text[self->m_selEnd - 2] == '\r') ? 2 : 1;
                self->m_selStart = self->m_selEnd - back;
            }
            replaceSelection(hwnd, "", true);
            return 0;
        }
        if (ch == '\r') {
            if (multiline && (style & ES_WANTRETURN)) replaceSelection(hwnd, "\r\n", true);
            return 0;
        }
        if (ch < 0x20 || ch == 0x7F) return 0;
        if ((style & ES_NUMBER) && (ch < '0' || ch > '9')) {
            ::MessageBeep(0);
            return 0;
        }
        char c = static_cast<char>(ch);
        if (style & ES_UPPERCASE) c = static_cast<char>(std::toupper(ch));
        if (style & ES_LOWERCASE) c = static_cast<char>(std::tolower(ch));
        replaceSelection(hwnd, CString(c), true);
        return 0;
    }
    case WM_KEYDOWN: {
        int length = textOf(hwnd).GetLength();
        switch (wParam) {
        case VK_DELETE:
            if (style & ES_READONLY) return 0;
            if (self->m_selStart == self->m_selEnd) {
                if (self->m_selEnd >= length) return 0;
                self->m_selEnd = self->m_selStart + 1;
            }
            replaceSelection(hwnd, "", true);
            return 0;
        case VK_LEFT:
            self->m_selStart = self->m_selEnd = std::max(0, std::min(self->m_selStart, self->m_selEnd) - 1);
            return 0;
        case VK_RIGHT:
            self->m_selStart = self->m_selEnd = std::min(length, std::max(self->m_selStart, self->m_selEnd) + 1);
            return 0;
        case VK_HOME:
            self->m_selStart = self->m_selEnd = 0;
            return 0;
        case VK_END:
            self->m_selStart = self->m_selEnd = length;
            return 0;
        default:
            return 0;
        }
    }
    case WM_LBUTTONDOWN:
        if (::GetFocus() != hwnd) ::SetFocus(hwnd);
        if (::IsWindow(hwnd) && from(hwnd)) {
            self = from(hwnd);
            self->m_selStart = self->m_selEnd = textOf(hwnd).GetLength();
        }
        return 0;
    case WM_SETFOCUS:
        wm.Invalidate(hwnd, nullptr, false); // the selection shows
        notify(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        wm.Invalidate(hwnd, nullptr, false);
        notify(hwnd, EN_KILLFOCUS);
        return 0;
    case EM_GETSEL: {
        auto a = static_cast<DWORD>(std::min(self->m_selStart, self->m_selEnd));
        auto b = static_cast<DWORD>(std::max(self->m_selStart, self->m_selEnd));
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = a;
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = b;
        return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(std::min<DWORD>(a, 0xFFFF)),
                                             static_cast<WORD>(std::min<DWORD>(b, 0xFFFF))));
    }
    case EM_SETSEL: {
        int length = textOf(hwnd).GetLength();
        auto start = static_cast<long long>(static_cast<INT_PTR>(wParam));
        auto end = static_cast<long long>(lParam);
        if (start == -1) {
            self->m_selStart = self->m_selEnd; // no selection; the caret stays
            return 0;
        }
        if (end < 0 || end > length) end = length;
        if (start < 0 || start > length) start = length;
        self->m_selStart = static_cast<int>(start);
        self->m_selEnd = static_cast<int>(end);
        wm.Invalidate(hwnd, nullptr, false);
        return 0;
    }
    case EM_REPLACESEL:
        replaceSelection(hwnd, CString(reinterpret_cast<LPCTSTR>(lParam)), false);
        return 0;
    case EM_LIMITTEXT:
        self->m_limit = wParam ? static_cast<DWORD>(std::min<WPARAM>(wParam, 0x7FFFFFFE))
                               : (multiline ? 0xFFFFFFFFu : 0x7FFFFFFEu);
        return 0;
    case EM_GETLIMITTEXT:
        return self->m_limit;
    case EM_GETMODIFY:
        return self->m_modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        self->m_modified = wParam != 0;
        return 0;
    case EM_SETREADONLY:
        wm.SetStyle(hwnd, GWL_STYLE, wParam ? (style | ES_READONLY) : (style & ~ES_READONLY));
        return TRUE;
    case EM_GETLINECOUNT:
        return static_cast<LRESULT>(Lines(hwnd).size());
    case EM_LINEINDEX: {
        const auto& lines = Lines(hwnd);
        int line = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (line == -1) line = lineOf(lines, self->m_selEnd);
        if (line < 0 || line >= static_cast<int>(lines.size())) return -1;
        return lines[static_cast<size_t>(line)].start;
    }
    case EM_LINEFROMCHAR: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (index == -1) index = std::min(self->m_selStart, self->m_selEnd);
        return lineOf(Lines(hwnd), index);
    }
    case EM_LINELENGTH: {
        const auto& lines = Lines(hwnd);
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (index < 0) index = self->m_selEnd;
        return lines[static_cast<size_t>(lineOf(lines, index))].length;
    }
    case EM_GETLINE: {
        const auto& lines = Lines(hwnd);
        auto* buffer = reinterpret_cast<char*>(lParam);
        auto line = static_cast<size_t>(wParam);
        if (!buffer || line >= lines.size()) return 0;
        WORD size;
        std::memcpy(&size, buffer, sizeof size);
        CString text = textOf(hwnd);
        int n = std::min<int>(lines[line].length, size);
        std::memcpy(buffer, text.GetString() + lines[line].start, static_cast<size_t>(n));
        return n;
    }
    case EM_LINESCROLL: {
        if (!multiline) return FALSE;
        scrollTo(hwnd, self->m_firstLine + static_cast<int>(lParam), true);
        return TRUE;
    }
    case WM_VSCROLL: {
        if (!multiline) return 0;
        int visible = VisibleLineCount(hwnd);
        int target = self->m_firstLine;
        switch (LOWORD(wParam)) {
        case SB_LINEUP: target -= 1; break;
        case SB_LINEDOWN: target += 1; break;
        case SB_PAGEUP: target -= visible; break;
        case SB_PAGEDOWN: target += visible; break;
        case SB_TOP: target = 0; break;
        case SB_BOTTOM: target = static_cast<int>(Lines(hwnd).size()); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: target = static_cast<SHORT>(HIWORD(wParam)); break;
        default: return 0;
        }
        notify(hwnd, EN_VSCROLL);
        if (::IsWindow(hwnd)) scrollTo(hwnd, target, false);
        return 0;
    }
    case EM_SCROLLCARET:
        scrollCaretIntoView(hwnd);
        return TRUE;
    case EM_GETFIRSTVISIBLELINE:
        return multiline ? self->m_firstLine : 0;
    case EM_CANUNDO:
        return 0;
    default:
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    }
}

void EditControl::Paint(HWND hwnd, CDC& dc)
{
    auto& wm = WindowManager::Get();
    EditControl* self = from(hwnd);
    WindowRecord* rec = wm.Find(hwnd);
    if (!self || !rec) return;
    const DWORD style = rec->style;
    const bool enabled = ::IsWindowEnabled(hwnd) != FALSE;
    // Read-only and disabled edits ask for the colours of a static, as documented.
    const UINT ctlColor = ((style & ES_READONLY) || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HBRUSH brush = ClassicLook::ControlColor(hwnd, dc, ctlColor);
    const CRect client = wm.ClientRect(hwnd);
    ::FillRect(dc.GetSafeHdc(), &client, brush);
    ClassicLook::SelectWindowFont(hwnd, dc);
    if (!enabled) dc.SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
    dc.SetBkMode(TRANSPARENT);

    CString text = rec->text;
    if (style & ES_PASSWORD) {
        CString stars;
        for (int i = 0; i < text.GetLength(); ++i) stars += '*';
        text = stars;
    }
    const CRect format = FormatRect(hwnd);
    const int lineHeight = dc.GetTextExtent("X", 1).cy;
    const int selA = std::min(self->m_selStart, self->m_selEnd);
    const int selB = std::max(self->m_selStart, self->m_selEnd);
    const bool showSelection = selA < selB && (::GetFocus() == hwnd || (style & ES_NOHIDESEL));

    const int saved = dc.SaveDC();
    dc.IntersectClipRect(&format);
    const std::vector<TextLayout::Line> lines = Lines(hwnd);
    int y = format.top;
    for (size_t i = static_cast<size_t>(std::max(0, FirstVisibleLine(hwnd))); i < lines.size() && y < format.bottom;
         ++i, y += lineHeight) {
        const TextLayout::Line& line = lines[i];
        const char* s = text.GetString() + line.start;
        const int width = dc.GetTextExtent(s, line.length).cx;
        int x = format.left;
        if (style & ES_CENTER)
            x += (format.Width() - width) / 2;
        else if (style & ES_RIGHT)
            x = format.right - width;
        dc.TextOut(x, y, s, line.length);
        // The selected part of the line again, in the highlight colours.
        const int a = std::max(selA, line.start) - line.start;
        const int b = std::min(selB, line.start + line.length) - line.start;
        if (showSelection && a < b) {
            const int left = x + dc.GetTextExtent(s, a).cx;
            const int right = x + dc.GetTextExtent(s, b).cx;
            dc.FillSolidRect(left, y, right - left, lineHeight, ::GetSysColor(COLOR_HIGHLIGHT));
            const COLORREF old = dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
            dc.TextOut(left, y, s + a, b - a);
            dc.SetTextColor(old);
        }
    }
    dc.RestoreDC(saved);
}
