#include "platform/framework/ToolTipControl.h"

#include <algorithm>
#include <cstring>

#include "platform/framework/ControlWindow.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/CFont.h"
#include "platform/framework/gdi/PaintFunctions.h"

namespace {

constexpr UINT_PTR kInitialTimer = 1;
constexpr UINT_PTR kAutoPopTimer = 2;
// Text margins inside the 1-pixel frame, and how far below the mouse's hot spot the tip appears.
constexpr int kMarginX = 3;
constexpr int kMarginY = 1;
constexpr int kBelowMouse = 20;
// Buffer length assumed by TTM_GETTEXT and TTM_GETTOOLINFO when the caller gives none.
constexpr int kDefaultTextBuffer = 80;

bool isButtonMessage(UINT message)
{
    return message != WM_MOUSEMOVE && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

CString loadString(HINSTANCE instance, UINT id)
{
    char buffer[1024];
    int n = ::LoadString(instance, id, buffer, static_cast<int>(sizeof buffer));
    return CString(buffer, n);
}

} // namespace

ToolTipControl* ToolTipControl::from(HWND hwnd)
{
    if (!IsToolTip(hwnd)) return nullptr;
    return reinterpret_cast<ToolTipControl*>(::GetWindowLongPtr(hwnd, 0));
}

bool ToolTipControl::IsToolTip(HWND hwnd)
{
    WindowRecord* rec = WindowManager::Get().Find(hwnd);
    return rec && rec->windowClass && rec->windowClass->proc == &ToolTipControl::WndProc &&
           rec->extra.size() >= sizeof(void*);
}

bool ToolTipControl::IsActive(HWND tooltip)
{
    ToolTipControl* self = from(tooltip);
    return self && self->m_active;
}

CString ToolTipControl::ToolText(HWND tooltip, HWND toolWindow, UINT_PTR id)
{
    ToolTipControl* self = from(tooltip);
    if (!self) return CString();
    if (id == 0) {
        for (const Tool& t : self->m_tools)
            if ((t.flags & TTF_IDISHWND) && reinterpret_cast<HWND>(t.id) == toolWindow) return resolve(tooltip, t);
        return CString();
    }
    Tool* tool = self->find(toolWindow, id);
    return tool ? resolve(tooltip, *tool) : CString();
}

HWND ToolTipControl::FindFor(HWND tool)
{
    if (!tool) return nullptr;
    for (HWND h : WindowManager::Get().TopLevelWindows()) {
        ToolTipControl* self = from(h);
        if (!self) continue;
        for (const Tool& t : self->m_tools) {
            HWND window = (t.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(t.id) : t.hwnd;
            if (window == tool) return h;
        }
    }
    return nullptr;
}

ToolTipControl::Tool* ToolTipControl::find(HWND hwnd, UINT_PTR id)
{
    for (Tool& t : m_tools)
        if (t.hwnd == hwnd && t.id == id) return &t;
    return nullptr;
}

ToolTipControl::Tool* ToolTipControl::find(const TOOLINFO* info)
{
    if (!info || info->cbSize < TTTOOLINFO_V1_SIZE) return nullptr;
    return find(info->hwnd, info->uId);
}

bool ToolTipControl::setText(Tool& tool, const TOOLINFO& info)
{
    tool.callback = false;
    if (info.lpszText == LPSTR_TEXTCALLBACK) {
        tool.callback = true;
        tool.text.Empty();
    } else if (info.lpszText && IS_INTRESOURCE(info.lpszText)) {
        tool.text = loadString(info.hinst, static_cast<UINT>(reinterpret_cast<ULONG_PTR>(info.lpszText)));
    } else {
        tool.text = info.lpszText; // null clears
    }
    return true;
}

CString ToolTipControl::resolve(HWND tooltip, const Tool& tool)
{
    if (!tool.callback) return tool.text;
    NMTTDISPINFO request;
    request.hdr.hwndFrom = tooltip;
    request.hdr.idFrom = tool.id;
    request.hdr.code = TTN_GETDISPINFO;
    request.uFlags = tool.flags;
    request.lParam = tool.lParam;
    HWND target = tool.hwnd;
    if (!::IsWindow(target)) return CString();
    ::SendMessage(target, WM_NOTIFY, static_cast<WPARAM>(tool.id), reinterpret_cast<LPARAM>(&request));
    if (!request.lpszText || request.lpszText == LPSTR_TEXTCALLBACK) {
        request.szText[sizeof request.szText - 1] = '\0';
        return CString(request.szText);
    }
    if (IS_INTRESOURCE(request.lpszText))
        return loadString(request.hinst, static_cast<UINT>(reinterpret_cast<ULONG_PTR>(request.lpszText)));
    return CString(request.lpszText);
}

void ToolTipControl::copyOut(const Tool& tool, TOOLINFO& info, int bufferSize)
{
    info.uFlags = tool.flags;
    info.hwnd = tool.hwnd;
    info.uId = tool.id;
    info.rect = tool.rect;
    info.lParam = tool.lParam;
    if (tool.callback) {
        info.lpszText = LPSTR_TEXTCALLBACK;
    } else if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACK && !IS_INTRESOURCE(info.lpszText) &&
               bufferSize > 0) {
        int n = std::min(tool.text.GetLength(), bufferSize - 1);
        std::memcpy(info.lpszText, tool.text.GetString(), static_cast<size_t>(n));
        info.lpszText[n] = '\0';
    }
}

int ToolTipControl::hitTest(const MSG& msg) const
{
    POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    for (size_t i = 0; i < m_tools.size(); ++i) {
        const Tool& t = m_tools[i];
        if (t.flags & TTF_IDISHWND) {
            if (reinterpret_cast<HWND>(t.id) == msg.hwnd) return static_cast<int>(i);
        } else if (t.hwnd == msg.hwnd && t.rect.PtInRect(p)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ToolTipControl::relay(HWND hwnd, const MSG& msg)
{
    if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST || !msg.hwnd) return;
    POINT screen{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    ::ClientToScreen(msg.hwnd, &screen);
    m_mouse = screen;
    int tool = hitTest(msg);
    if (isButtonMessage(msg.message)) {
        pop(hwnd);
        m_current = tool;
        m_suppressed = tool >= 0;
        return;
    }
    if (tool == m_current) return;
    bool wasShown = m_shown;
    pop(hwnd);
    m_current = tool;
    m_suppressed = false;
    if (tool >= 0 && m_active) ::SetTimer(hwnd, kInitialTimer, wasShown ? m_reshow : m_initial, nullptr);
}

void ToolTipControl::show(HWND hwnd)
{
    auto& wm = WindowManager::Get();
    if (!m_active || m_suppressed || m_current < 0 || m_current >= static_cast<int>(m_tools.size())) return;
    CString text = resolve(hwnd, m_tools[static_cast<size_t>(m_current)]);
    if (!::IsWindow(hwnd)) return; // the notification may have destroyed us
    ToolTipControl* self = from(hwnd);
    if (self != this || text.IsEmpty()) return;
    wm.SetText(hwnd, text);

    // Size the tip to its text in its font.
    CSize extent(0, 0);
    if (HDC screen = ::GetDC(nullptr)) {
        if (CDC* dc = CDC::FromHandle(screen)) {
            CFont* font = CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessage(hwnd, WM_GETFONT, 0, 0)));
            CFont* old = font ? dc->SelectObject(font) : nullptr;
            extent = dc->GetTextExtent(text);
            if (old) dc->SelectObject(old);
        }
        ::ReleaseDC(nullptr, screen);
    }
    int width = extent.cx + 2 * (kMarginX + 1);
    int height = extent.cy + 2 * (kMarginY + 1);
    m_shown = true;
    ::SetWindowPos(hwnd, HWND_TOPMOST, m_mouse.x, m_mouse.y + kBelowMouse, width, height,
                   SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::SetTimer(hwnd, kAutoPopTimer, m_autoPop, nullptr);
}

void ToolTipControl::pop(HWND hwnd)
{
    ::KillTimer(hwnd, kInitialTimer);
    ::KillTimer(hwnd, kAutoPopTimer);
    if (m_shown) {
        m_shown = false;
        ::ShowWindow(hwnd, SW_HIDE);
    }
}

LRESULT ToolTipControl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<ToolTipControl>(hwnd, message, wParam, lParam, &handle);
}

LRESULT ToolTipControl::handle(HWND hwnd, ToolTipControl& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& wm = WindowManager::Get();
    ToolTipControl* self = &state;

    switch (message) {
    case TTM_ACTIVATE:
        self->m_active = wParam != 0;
        if (!self->m_active) self->pop(hwnd);
        return 0;
    case TTM_ADDTOOL: {
        auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
        if (!info || info->cbSize < TTTOOLINFO_V1_SIZE || self->find(info)) return FALSE;
        Tool tool;
        tool.flags = info->uFlags;
        tool.hwnd = info->hwnd;
        tool.id = info->uId;
        tool.rect = info->rect;
        if (info->cbSize >= sizeof(TOOLINFO) - sizeof(void*)) tool.lParam = info->lParam;
        setText(tool, *info);
        self->m_tools.push_back(tool);
        return TRUE;
    }
    case TTM_DELTOOL: {
        Tool* tool = self->find(reinterpret_cast<const TOOLINFO*>(lParam));
        if (!tool) return 0;
        int index = static_cast<int>(tool - self->m_tools.data());
        if (index == self->m_current) {
            self->pop(hwnd);
            self->m_current = -1;
        } else if (index < self->m_current) {
            --self->m_current;
        }
        self->m_tools.erase(self->m_tools.begin() + index);
        return 0;
    }
    case TTM_NEWTOOLRECT: {
        auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
        if (Tool* tool = self->find(info)) tool->rect = info->rect;
        return 0;
    }
    case TTM_GETTOOLINFO: {
        auto* info = reinterpret_cast<TOOLINFO*>(lParam);
        Tool* tool = self->find(info);
        if (!tool) return FALSE;
        copyOut(*tool, *info, kDefaultTextBuffer);
        return TRUE;
    }
    case TTM_SETTOOLINFO: {
        auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
        if (Tool* tool = self->find(info)) {
            tool->flags = info->uFlags;
            tool->rect = info->rect;
            setText(*tool, *info);
        }
        return 0;
    }
    case TTM_UPDATETIPTEXT: {
        auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
        Tool* tool = self->find(info);
        if (!tool) return 0;
        setText(*tool, *info);
        if (self->m_shown && tool == &self->m_tools[static_cast<size_t>(self->m_current)]) self->show(hwnd);
        return 0;
    }
    case TTM_GETTEXT: {
        auto* info = reinterpret_cast<TOOLINFO*>(lParam);
        Tool* tool = self->find(info);
        if (!info || !info->lpszText || IS_INTRESOURCE(info->lpszText) || info->lpszText == LPSTR_TEXTCALLBACK)
            return 0;
        int size = wParam ? static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFF)) : kDefaultTextBuffer;
        CString text = tool ? resolve(hwnd, *tool) : CString();
        int n = std::min(text.GetLength(), size - 1);
        std::memcpy(info->lpszText, text.GetString(), static_cast<size_t>(n));
        info->lpszText[n] = '\0';
        return n;
    }
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(self->m_tools.size());
    case TTM_ENUMTOOLS: {
        auto* info = reinterpret_cast<TOOLINFO*>(lParam);
        if (!info || info->cbSize < TTTOOLINFO_V1_SIZE || wParam >= self->m_tools.size()) return FALSE;
        copyOut(self->m_tools[wParam], *info, kDefaultTextBuffer);
        return TRUE;
    }
    case TTM_RELAYEVENT:
        if (auto* msg = reinterpret_cast<const MSG*>(lParam)) self->relay(hwnd, *msg);
        return 0;
    case TTM_POP:
        self->pop(hwnd);
        return 0;
    case TTM_SETDELAYTIME: {
        int ms = static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam)));
        switch (wParam) {
        case TTDT_AUTOMATIC: {
            UINT initial = ms < 0 ? kDefaultInitial : static_cast<UINT>(ms);
            self->m_initial = initial;
            self->m_autoPop = initial * 10;
            self->m_reshow = initial / 5;
            break;
        }
        case TTDT_INITIAL:
            self->m_initial = ms < 0 ? kDefaultInitial : static_cast<UINT>(ms);
            break;
        case TTDT_AUTOPOP:
            self->m_autoPop = ms < 0 ? kDefaultAutoPop : static_cast<UINT>(ms);
            break;
        case TTDT_RESHOW:
            self->m_reshow = ms < 0 ? kDefaultReshow : static_cast<UINT>(ms);
            break;
        default:
            break;
        }
        return 0;
    }
    case TTM_GETDELAYTIME:
        switch (wParam) {
        case TTDT_INITIAL: return self->m_initial;
        case TTDT_AUTOPOP: return self->m_autoPop;
        case TTDT_RESHOW: return self->m_reshow;
        default: return 0;
        }
    case WM_TIMER:
        ::KillTimer(hwnd, wParam);
        if (wParam == kInitialTimer)
            self->show(hwnd);
        else if (wParam == kAutoPopTimer)
            self->pop(hwnd);
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return 3; // MA_NOACTIVATE
    case WM_ERASEBKGND:
        return TRUE;
    default:
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    }
}

void ToolTipControl::Paint(HWND hwnd, CDC& dc)
{
    auto& wm = WindowManager::Get();
    WindowRecord* rec = wm.Find(hwnd);
    if (!rec) return;
    CRect client = wm.ClientRect(hwnd);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_INFOBK));
    COLORREF frame = ::GetSysColor(COLOR_INFOTEXT);
    dc.Draw3dRect(&client, frame, frame);
    CFont* font = CFont::FromHandle(rec->font);
    CFont* old = font ? dc.SelectObject(font) : nullptr;
    dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.TextOut(client.left + kMarginX + 1, client.top + kMarginY + 1, rec->text);
    if (old) dc.SelectObject(old);
}
