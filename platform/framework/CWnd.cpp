#include "platform/framework/CWnd.h"

#include "platform/framework/Afx.h"
#include "platform/framework/Automation.h"
#include "platform/framework/Diagnostics.h"
#include "platform/framework/CDataExchange.h"
#include "platform/framework/CMenu.h"
#include "platform/framework/CUserException.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintFunctions.h"

namespace {

WindowManager& wm()
{
    return WindowManager::Get();
}

afx::DcResolver g_dcResolver = nullptr;

// Keeps the current-message stack right however the handler returns.
struct CurrentMessage {
    explicit CurrentMessage(const MSG& msg) { wm().CurrentMessages().push_back(msg); }
    ~CurrentMessage() { wm().CurrentMessages().pop_back(); }
    CurrentMessage(const CurrentMessage&) = delete;
    CurrentMessage& operator=(const CurrentMessage&) = delete;
};

HWND specialHandle(LONG_PTR value)
{
    return reinterpret_cast<HWND>(value);
}

} // namespace

namespace afx {

void SetDcResolver(DcResolver resolver)
{
    g_dcResolver = resolver;
}

CDC* ResolveDc(WPARAM hdc)
{
    if (!hdc) return nullptr;
    return g_dcResolver ? g_dcResolver(hdc) : CDC::FromHandle(reinterpret_cast<HDC>(hdc));
}

CWnd* WindowFromHandle(HWND hwnd)
{
    return CWnd::FromHandle(hwnd);
}

} // namespace afx

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

const CWnd CWnd::wndTop(specialHandle(0));
const CWnd CWnd::wndBottom(specialHandle(1));
const CWnd CWnd::wndTopMost(specialHandle(-1));
const CWnd CWnd::wndNoTopMost(specialHandle(-2));

CWnd::CWnd() = default;

CWnd::CWnd(HWND special) : m_hWnd(special) {}

CWnd::~CWnd()
{
    WindowRecord* rec = wm().Find(m_hWnd);
    if (rec && rec->object == this) {
        try {
            DestroyWindow();
        } catch (const std::exception& e) {
            // A destructor cannot throw: keep the news for whoever inspects the automation log.
            Diagnostics::Report(CString("while destroying a window: ") + e.what());
        }
        if (WindowRecord* r = wm().Find(m_hWnd); r && r->object == this) {
            r->object = nullptr;
            if (r->proc == &AfxWndProc && m_pfnSuper) r->proc = m_pfnSuper;
        }
    }
    m_hWnd = nullptr;
}

// --- attaching ----------------------------------------------------------------------------------------

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    return rec ? rec->object : nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return nullptr;
    if (rec->object) return rec->object;
    if (!rec->temporary) {
        CWnd* temp = rec->windowClass && rec->windowClass->makeTemporary ? rec->windowClass->makeTemporary() : new CWnd;
        temp->m_hWnd = hwnd;
        rec->temporary = temp;
    }
    return rec->temporary;
}

void CWnd::DeleteTemporary(CWnd* wnd)
{
    if (!wnd) return;
    wnd->m_hWnd = nullptr; // keeps its destructor from touching the window
    delete wnd;
}

void CWnd::HookCreatedWindow(CWnd* wnd, HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || !wnd) return;
    wnd->m_hWnd = hwnd;
    rec->object = wnd;
    if (rec->proc != &AfxWndProc) wnd->m_pfnSuper = rec->proc;
    rec->proc = &AfxWndProc;
    wnd->PreSubclassWindow();
}

void CWnd::ForgetDestroyedWindow(CWnd* wnd, HWND hwnd)
{
    if (wnd && wnd->m_hWnd == hwnd) {
        wnd->m_hWnd = nullptr;
        wnd->m_pfnSuper = nullptr;
    }
}

BOOL CWnd::Attach(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || m_hWnd || (rec->object && rec->object != this)) return FALSE;
    rec->object = this;
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    if (WindowRecord* rec = wm().Find(h); rec && rec->object == this) rec->object = nullptr;
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!Attach(hwnd)) return FALSE;
    PreSubclassWindow();
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return FALSE;
    if (rec->proc != &AfxWndProc) m_pfnSuper = rec->proc;
    rec->proc = &AfxWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (!parent) return FALSE;
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control ? SubclassWindow(control) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    WindowRecord* rec = wm().Find(m_hWnd);
    if (rec && rec->proc == &AfxWndProc && m_pfnSuper) rec->proc = m_pfnSuper;
    m_pfnSuper = nullptr;
    return Detach();
}

// --- creation -------------------------------------------------------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int cx, int cy,
                    HWND parent, HMENU idOrMenu, LPVOID param)
{
    if (m_hWnd) return FALSE;
    CREATESTRUCT cs;
    cs.dwExStyle = exStyle;
    cs.lpszClass = className ? className : "AfxWnd";
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(style);
    cs.x = x;
    cs.y = y;
    cs.cx = cx;
    cs.cy = cy;
    cs.hwndParent = parent;
    cs.hMenu = idOrMenu;
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    HWND h = wm().CreateWindowEx(cs, this);
    if (!h) {
        if (m_hWnd && !wm().Find(m_hWnd)) m_hWnd = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT id, LPVOID param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id, void*)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

// --- messages -------------------------------------------------------------------------------------------

LRESULT CWnd::AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd) return wm().DefWindowProc(hwnd, message, wParam, lParam);
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = ::GetTickCount();
    CurrentMessage current(msg);
    return wnd->WindowProc(message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    auto& stack = wm().CurrentMessages();
    return stack.empty() ? nullptr : &stack.back();
}

bool CWnd::LeavesPaintingToClass() const
{
    const WindowRecord* rec = wm().Find(m_hWnd);
    if (!rec || rec->proc != &AfxWndProc) return false;
    if (m_pfnSuper && (!rec->windowClass || m_pfnSuper != rec->windowClass->proc)) return false;
    return !FindMessageEntry(WM_PAINT) && !FindMessageEntry(WM_ERASEBKGND) && !FindMessageEntry(WM_CTLCOLORDLG);
}

LRESULT CWnd::Default()
{
    const MSG* msg = GetCurrentMessage();
    if (!msg) return 0;
    MSG copy = *msg;
    return DefWindowProc(copy.message, copy.wParam, copy.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper) return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return wm().DefWindowProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT r = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        r = 1;
    } else if (message == WM_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (!hdr || !hdr->hwndFrom || !OnNotify(wParam, lParam, &r)) return FALSE;
    } else {
        bool handled = false;
        for (const AFX_MSGMAP* map = GetMessageMap(); map && !handled;
             map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
            for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
                if (e->nMessage != message || e->nCode != 0 || e->nID != 0 || e->nLastID != 0) continue;
                AFX_MSGCALL call;
                call.message = message;
                call.wParam = wParam;
                call.lParam = lParam;
                call.pResult = &r;
                if (e->pfn(this, call)) {
                    handled = true;
                    break;
                }
            }
        }
        if (!handled) return FALSE;
    }
    if (result) *result = r;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    auto control = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (!control) {
        code = CN_COMMAND;
    } else {
        if (wm().LockoutWindow() && wm().LockoutWindow() == m_hWnd) return TRUE; // exchanging data: ignore
        if (CWnd* child = FromHandlePermanent(control)) {
            if (child->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
        }
        if (id == 0) return FALSE;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (wm().LockoutWindow() && wm().LockoutWindow() == m_hWnd) return TRUE;
    if (CWnd* child = FromHandlePermanent(hdr->hwndFrom)) {
        if (child->OnChildNotify(WM_NOTIFY, static_cast<WPARAM>(hdr->idFrom), lParam, result)) return TRUE;
    }
    AFX_NOTIFY notify{result, hdr};
    return OnCmdMsg(static_cast<UINT>(hdr->idFrom), static_cast<int>(MAKELONG(static_cast<WORD>(hdr->code), WM_NOTIFY)),
                    &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_COMMAND: {
        int code = HIWORD(wParam);
        if (OnCmdMsg(0, static_cast<int>(MAKELONG(static_cast<WORD>(code), WM_REFLECT_BASE + WM_COMMAND)), nullptr,
                     nullptr)) {
            if (result) *result = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify{result, hdr};
        return OnCmdMsg(0, static_cast<int>(MAKELONG(static_cast<WORD>(hdr->code), WM_REFLECT_BASE + WM_NOTIFY)),
                        &notify, nullptr);
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, result);
    default:
        return FALSE;
    }
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

// --- data exchange and modal runs ------------------------------------------------------------------------

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    struct Lockout {
        HWND old;
        explicit Lockout(HWND h) : old(wm().LockoutWindow()) { wm().SetLockoutWindow(h); }
        ~Lockout() { wm().SetLockoutWindow(old); }
        Lockout(const Lockout&) = delete;
        Lockout& operator=(const Lockout&) = delete;
    } lockout(m_hWnd);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

int CWnd::RunModalLoop(DWORD)
{
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    struct Clear {
        UINT& flags;
        ~Clear() { flags &= ~WF_MODALLOOP; }
    } clear{m_nFlags};
    Automation::Get().RunModal(*this);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) ? TRUE : FALSE;
}

void CWnd::EndModalLoop(int result)
{
    m_nModalResult = result;
    m_nFlags &= ~WF_CONTINUEMODAL;
}

// --- state ----------------------------------------------------------------------------------------------

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    DWORD style = GetStyle();
    DWORD wanted = (style & ~remove) | add;
    if (style == wanted) return FALSE;
    ::SetWindowLong(m_hWnd, GWL_STYLE, static_cast<LONG>(wanted));
    if (flags) ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
    DWORD style = GetExStyle();
    DWORD wanted = (style & ~remove) | add;
    if (style == wanted) return FALSE;
    ::SetWindowLong(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(wanted));
    if (flags) ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int id)
{
    return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, id));
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetOwner() const
{
    WindowRecord* rec = wm().Find(m_hWnd);
    if (!rec) return nullptr;
    return FromHandle(rec->IsChild() ? rec->parent : rec->owner);
}

CWnd* CWnd::GetTopLevelParent() const
{
    return FromHandle(wm().Root(m_hWnd));
}

CWnd* CWnd::GetDlgItem(int id) const
{
    return FromHandle(::GetDlgItem(m_hWnd, id));
}

void CWnd::GetDlgItem(int id, HWND* result) const
{
    if (result) *result = ::GetDlgItem(m_hWnd, id);
}

CWnd* CWnd::GetWindow(UINT command) const
{
    return FromHandle(::GetWindow(m_hWnd, command));
}

CWnd* CWnd::GetDesktopWindow()
{
    return FromHandle(::GetDesktopWindow());
}

CWnd* CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}

BOOL CWnd::IsChild(const CWnd* wnd) const
{
    return wnd ? ::IsChild(m_hWnd, wnd->m_hWnd) : FALSE;
}

void CWnd::SetWindowText(LPCTSTR text)
{
    ::SetWindowText(m_hWnd, text);
}

int CWnd::GetWindowText(LPTSTR buffer, int size) const
{
    return ::GetWindowText(m_hWnd, buffer, size);
}

void CWnd::GetWindowText(CString& text) const
{
    int n = ::GetWindowTextLength(m_hWnd);
    std::string buffer(static_cast<size_t>(n) + 1, '\0');
    int got = ::GetWindowText(m_hWnd, buffer.data(), n + 1);
    text = CString(buffer.data(), got);
}

int CWnd::GetWindowTextLength() const
{
    return ::GetWindowTextLength(m_hWnd);
}

void CWnd::SetDlgItemText(int id, LPCTSTR text)
{
    ::SetDlgItemText(m_hWnd, id, text);
}

int CWnd::GetDlgItemText(int id, LPTSTR buffer, int size) const
{
    return static_cast<int>(::GetDlgItemText(m_hWnd, id, buffer, size));
}

int CWnd::GetDlgItemText(int id, CString& text) const
{
    text.Empty();
    HWND h = ::GetDlgItem(m_hWnd, id);
    if (!h) return 0;
    CWnd* w = FromHandle(h);
    w->GetWindowText(text);
    return text.GetLength();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned)
{
    ::SetDlgItemInt(m_hWnd, id, value, isSigned);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    ::CheckDlgButton(m_hWnd, id, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    return ::IsDlgButtonChecked(m_hWnd, id);
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId)
{
    for (int id = firstId; id <= lastId; ++id) {
        if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED) return id;
    }
    return 0;
}

BOOL CWnd::ShowWindow(int command)
{
    return ::ShowWindow(m_hWnd, command);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    return ::EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

BOOL CWnd::IsZoomed() const
{
    return ::IsZoomed(m_hWnd);
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    ::GetWindowRect(m_hWnd, rect);
}

void CWnd::GetClientRect(LPRECT rect) const
{
    ::GetClientRect(m_hWnd, rect);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    if (rect) MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

void CWnd::ClientToScreen(LPPOINT point) const
{
    ::ClientToScreen(m_hWnd, point);
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    if (!rect) return;
    POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
    ::ClientToScreen(m_hWnd, &a);
    ::ClientToScreen(m_hWnd, &b);
    *rect = CRect(a.x, a.y, b.x, b.y);
}

void CWnd::ScreenToClient(LPPOINT point) const
{
    ::ScreenToClient(m_hWnd, point);
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    if (!rect) return;
    POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
    ::ScreenToClient(m_hWnd, &a);
    ::ScreenToClient(m_hWnd, &b);
    *rect = CRect(a.x, a.y, b.x, b.y);
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    CRect mine;
    GetWindowRect(&mine);
    CRect over;
    HWND owner = alternateOwner ? alternateOwner->m_hWnd : ::GetParent(m_hWnd);
    if (owner && (GetStyle() & WS_CHILD)) {
        ::GetClientRect(owner, &over);
    } else if (owner) {
        ::GetWindowRect(owner, &over);
    } else {
        over = CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    }
    int x = over.left + (over.Width() - mine.Width()) / 2;
    int y = over.top + (over.Height() - mine.Height()) / 2;
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::Invalidate(BOOL erase)
{
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase)
{
    ::InvalidateRect(m_hWnd, rect, erase);
}

void CWnd::ValidateRect(LPCRECT rect)
{
    ::ValidateRect(m_hWnd, rect);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* dc)
{
    return dc ? ::ReleaseDC(m_hWnd, dc->GetSafeHdc()) : 0;
}

BOOL CWnd::RedrawWindow(LPCRECT rect, void* region, UINT flags)
{
    return ::RedrawWindow(m_hWnd, rect, region, flags);
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL bigIcon) const
{
    return reinterpret_cast<HICON>(SendMessage(WM_GETICON, bigIcon ? ICON_BIG : ICON_SMALL, 0));
}

void CWnd::SetFontHandle(HFONT font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

HFONT CWnd::GetFontHandle() const
{
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0));
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert));
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    return ::SetTimer(m_hWnd, id, elapse, proc);
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return ::KillTimer(m_hWnd, id);
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type)
{
    return ::MessageBox(m_hWnd, text, caption ? caption : AfxGetAppName(), type);
}

// --- default handlers -----------------------------------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnNcDestroy()
{
    // The original procedure sees the message first (a control frees its state there).
    HWND h = m_hWnd;
    Default();
    if (WindowRecord* rec = wm().Find(h); rec && rec->proc == &AfxWndProc && m_pfnSuper) rec->proc = m_pfnSuper;
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

HCURSOR CWnd::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* scrollBar)
{
    const MSG* msg = GetCurrentMessage();
    if (scrollBar && msg && scrollBar != this) {
        MSG copy = *msg;
        LRESULT r = 0;
        if (CWnd* child = FromHandlePermanent(scrollBar->m_hWnd)) {
            if (child->OnChildNotify(copy.message, copy.wParam, copy.lParam, &r)) return;
        }
    }
    Default();
}

void CWnd::OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar)
{
    OnHScroll(code, pos, scrollBar); // same reflection, then the default
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnMove(int, int)
{
    Default();
}

void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnEnable(BOOL)
{
    Default();
}

void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}

UINT CWnd::OnGetDlgCode()
{
    return static_cast<UINT>(Default());
}

void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return reinterpret_cast<HBRUSH>(Default());
}
