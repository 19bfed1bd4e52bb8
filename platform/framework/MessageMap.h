#pragma once
// Message maps: each class lists the messages it handles, and the list is chained to its base
// class's, so a message goes to the most derived class that names it, then to the bases, then to
// the default window procedure.
//
//   class CMyDlg : public CDialog {
//       ...
//       afx_msg void OnTimer(UINT_PTR id);
//       afx_msg void OnStart();
//       DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_WM_TIMER()
//       ON_BN_CLICKED(IDC_START, &CMyDlg::OnStart)
//   END_MESSAGE_MAP()
//
// Each entry stores a small function made for that handler at compile time, which calls it with
// the signature the framework documents (OnTimer(UINT_PTR), OnSysCommand(UINT, LPARAM),
// OnQueryDragIcon() -> HCURSOR, OnEraseBkgnd(CDC*) -> BOOL, ON_MESSAGE handlers
// LRESULT (WPARAM, LPARAM), ON_NOTIFY handlers void (NMHDR*, LRESULT*) ...). A handler of the wrong
// signature does not compile. A handler that is virtual is called through the virtual table.
// DECLARE_MESSAGE_MAP marks its member `override` and leaves the class in `protected:` access.

#include <type_traits>

#include "platform/framework/CPoint.h"
#include "platform/framework/WinUser.h"

#ifndef afx_msg
#define afx_msg
#endif

class CCmdTarget;
class CWnd;
class CDC;
using CScrollBar = CWnd; // the control that sent a scroll message, whatever its class

// Reflected notifications: a control handles its own notifications before its parent sees them.
constexpr UINT WM_REFLECT_BASE = 0xBC00;
constexpr UINT CN_COMMAND = 0;

// One call of a handler: the message and, for notifications, what the framework extracted.
struct AFX_MSGCALL {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT nID = 0;
    UINT nCode = 0;
    NMHDR* pNMHDR = nullptr;
    LRESULT* pResult = nullptr;
};

// Returns TRUE when the message counts as handled (always, except for the _EX forms).
using AFX_PMSGHANDLER = BOOL (*)(CCmdTarget* target, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_..., WM_COMMAND / WM_NOTIFY for command and notify entries, + WM_REFLECT_BASE
    UINT nCode;     // notification code (low 16 bits are compared)
    UINT nID;       // first control id
    UINT nLastID;   // last control id
    AFX_PMSGHANDLER pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

namespace afx {

// Turns a device context handle (WPARAM of WM_ERASEBKGND, WM_CTLCOLOR...) into its CDC: through the
// resolver when one is set (a test's), else CDC::FromHandle.
using DcResolver = CDC* (*)(WPARAM hdc);
void SetDcResolver(DcResolver resolver);
CDC* ResolveDc(WPARAM hdc);
CWnd* WindowFromHandle(HWND hwnd);

template <class T>
struct MemberClass;
template <class C, class R, class... A>
struct MemberClass<R (C::*)(A...)> {
    using type = C;
};
template <class C, class R, class... A>
struct MemberClass<R (C::*)(A...) const> {
    using type = const C;
};
template <auto F>
using ClassOf = typename MemberClass<decltype(F)>::type;

template <auto F>
ClassOf<F>* target(CCmdTarget* t)
{
    return static_cast<ClassOf<F>*>(t);
}

inline CPoint pointOf(LPARAM lp)
{
    return CPoint(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
}

// --- thunks, one per handler signature --------------------------------------------------------------

template <auto F>
BOOL Void(CCmdTarget* t, AFX_MSGCALL&)
{
    (target<F>(t)->*F)();
    return TRUE;
}
template <auto F>
BOOL Timer(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<UINT_PTR>(c.wParam));
    return TRUE;
}
template <auto F>
BOOL EraseBkgnd(CCmdTarget* t, AFX_MSGCALL& c)
{
    *c.pResult = (target<F>(t)->*F)(ResolveDc(c.wParam));
    return TRUE;
}
template <auto F>
BOOL SysCommand(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<UINT>(c.wParam), c.lParam);
    return TRUE;
}
template <auto F>
BOOL QueryDragIcon(CCmdTarget* t, AFX_MSGCALL& c)
{
    *c.pResult = reinterpret_cast<LRESULT>((target<F>(t)->*F)());
    return TRUE;
}
template <auto F>
BOOL Scroll(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<UINT>(LOWORD(c.wParam)), static_cast<UINT>(static_cast<SHORT>(HIWORD(c.wParam))),
                       WindowFromHandle(reinterpret_cast<HWND>(c.lParam)));
    return TRUE;
}
template <auto F>
BOOL ScrollReflect(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<UINT>(LOWORD(c.wParam)), static_cast<UINT>(static_cast<SHORT>(HIWORD(c.wParam))));
    return TRUE;
}
template <auto F>
BOOL Mouse(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<UINT>(c.wParam), pointOf(c.lParam));
    return TRUE;
}
template <auto F>
BOOL Size(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<UINT>(c.wParam), static_cast<int>(static_cast<SHORT>(LOWORD(c.lParam))),
                       static_cast<int>(static_cast<SHORT>(HIWORD(c.lParam))));
    return TRUE;
}
template <auto F>
BOOL Move(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<int>(static_cast<SHORT>(LOWORD(c.lParam))),
                       static_cast<int>(static_cast<SHORT>(HIWORD(c.lParam))));
    return TRUE;
}
template <auto F>
BOOL Create(CCmdTarget* t, AFX_MSGCALL& c)
{
    *c.pResult = (target<F>(t)->*F)(reinterpret_cast<LPCREATESTRUCT>(c.lParam));
    return TRUE;
}
template <auto F>
BOOL ShowWindow(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam));
    return TRUE;
}
template <auto F>
BOOL Focus(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(WindowFromHandle(reinterpret_cast<HWND>(c.wParam)));
    return TRUE;
}
template <auto F>
BOOL Key(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<UINT>(c.wParam), static_cast<UINT>(LOWORD(c.lParam)),
                       static_cast<UINT>(HIWORD(c.lParam)));
    return TRUE;
}
template <auto F>
BOOL Enable(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<BOOL>(c.wParam));
    return TRUE;
}
template <auto F>
BOOL Activate(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(static_cast<UINT>(LOWORD(c.wParam)), WindowFromHandle(reinterpret_cast<HWND>(c.lParam)),
                       static_cast<BOOL>(HIWORD(c.wParam)));
    return TRUE;
}
template <auto F>
BOOL GetDlgCode(CCmdTarget* t, AFX_MSGCALL& c)
{
    *c.pResult = static_cast<LRESULT>((target<F>(t)->*F)());
    return TRUE;
}
template <auto F>
BOOL CaptureChanged(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(WindowFromHandle(reinterpret_cast<HWND>(c.lParam)));
    return TRUE;
}
template <auto F>
BOOL CtlColor(CCmdTarget* t, AFX_MSGCALL& c)
{
    *c.pResult = reinterpret_cast<LRESULT>((target<F>(t)->*F)(ResolveDc(c.wParam), WindowFromHandle(reinterpret_cast<HWND>(c.lParam)),
                                                              c.message - WM_CTLCOLORMSGBOX));
    return TRUE;
}
template <auto F>
BOOL Message(CCmdTarget* t, AFX_MSGCALL& c)
{
    *c.pResult = (target<F>(t)->*F)(c.wParam, c.lParam);
    return TRUE;
}
template <auto F>
BOOL CommandRange(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(c.nID);
    return TRUE;
}
template <auto F>
BOOL CommandEx(CCmdTarget* t, AFX_MSGCALL& c)
{
    return (target<F>(t)->*F)(c.nID);
}
template <auto F>
BOOL Notify(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(c.pNMHDR, c.pResult);
    return TRUE;
}
template <auto F>
BOOL NotifyRange(CCmdTarget* t, AFX_MSGCALL& c)
{
    (target<F>(t)->*F)(c.nID, c.pNMHDR, c.pResult);
    return TRUE;
}
template <auto F>
BOOL NotifyEx(CCmdTarget* t, AFX_MSGCALL& c)
{
    return (target<F>(t)->*F)(c.nID, c.pNMHDR, c.pResult);
}
template <auto F>
BOOL ControlReflectEx(CCmdTarget* t, AFX_MSGCALL&)
{
    return (target<F>(t)->*F)();
}
template <auto F>
BOOL NotifyReflectEx(CCmdTarget* t, AFX_MSGCALL& c)
{
    return (target<F>(t)->*F)(c.pNMHDR, c.pResult);
}

} // namespace afx

// --- declaring and defining a map -----------------------------------------------------------------

#define DECLARE_MESSAGE_MAP()                                                                                        \
protected:                                                                                                           \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                    \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                       \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                                \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                                  \
    {                                                                                                                \
        using ThisClass [[maybe_unused]] = theClass;                                                                 \
        using TheBaseClass = baseClass;                                                                              \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                            \
            {0, 0, 0, 0, nullptr}};                                                                                  \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                \
        return &messageMap;                                                                                          \
    }

// --- window messages --------------------------------------------------------------------------------

#define AFX_ON_MESSAGE_THUNK(msg, thunk, memberFxn) {msg, 0, 0, 0, &afx::thunk<memberFxn>},

#define ON_WM_CREATE() AFX_ON_MESSAGE_THUNK(WM_CREATE, Create, &ThisClass::OnCreate)
#define ON_WM_DESTROY() AFX_ON_MESSAGE_THUNK(WM_DESTROY, Void, &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_ON_MESSAGE_THUNK(WM_NCDESTROY, Void, &ThisClass::OnNcDestroy)
#define ON_WM_CLOSE() AFX_ON_MESSAGE_THUNK(WM_CLOSE, Void, &ThisClass::OnClose)
#define ON_WM_PAINT() AFX_ON_MESSAGE_THUNK(WM_PAINT, Void, &ThisClass::OnPaint)
#define ON_WM_ERASEBKGND() AFX_ON_MESSAGE_THUNK(WM_ERASEBKGND, EraseBkgnd, &ThisClass::OnEraseBkgnd)
#define ON_WM_TIMER() AFX_ON_MESSAGE_THUNK(WM_TIMER, Timer, &ThisClass::OnTimer)
#define ON_WM_SYSCOMMAND() AFX_ON_MESSAGE_THUNK(WM_SYSCOMMAND, SysCommand, &ThisClass::OnSysCommand)
#define ON_WM_QUERYDRAGICON() AFX_ON_MESSAGE_THUNK(WM_QUERYDRAGICON, QueryDragIcon, &ThisClass::OnQueryDragIcon)
#define ON_WM_HSCROLL() AFX_ON_MESSAGE_THUNK(WM_HSCROLL, Scroll, &ThisClass::OnHScroll)
#define ON_WM_VSCROLL() AFX_ON_MESSAGE_THUNK(WM_VSCROLL, Scroll, &ThisClass::OnVScroll)
#define ON_WM_HSCROLL_REFLECT() AFX_ON_MESSAGE_THUNK(WM_REFLECT_BASE + WM_HSCROLL, ScrollReflect, &ThisClass::HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_ON_MESSAGE_THUNK(WM_REFLECT_BASE + WM_VSCROLL, ScrollReflect, &ThisClass::VScroll)
#define ON_WM_LBUTTONDOWN() AFX_ON_MESSAGE_THUNK(WM_LBUTTONDOWN, Mouse, &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_MESSAGE_THUNK(WM_LBUTTONUP, Mouse, &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_MESSAGE_THUNK(WM_LBUTTONDBLCLK, Mouse, &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_ON_MESSAGE_THUNK(WM_RBUTTONDOWN, Mouse, &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_MESSAGE_THUNK(WM_RBUTTONUP, Mouse, &ThisClass::OnRButtonUp)
#define ON_WM_MOUSEMOVE() AFX_ON_MESSAGE_THUNK(WM_MOUSEMOVE, Mouse, &ThisClass::OnMouseMove)
#define ON_WM_SIZE() AFX_ON_MESSAGE_THUNK(WM_SIZE, Size, &ThisClass::OnSize)
#define ON_WM_MOVE() AFX_ON_MESSAGE_THUNK(WM_MOVE, Move, &ThisClass::OnMove)
#define ON_WM_SHOWWINDOW() AFX_ON_MESSAGE_THUNK(WM_SHOWWINDOW, ShowWindow, &ThisClass::OnShowWindow)
#define ON_WM_SETFOCUS() AFX_ON_MESSAGE_THUNK(WM_SETFOCUS, Focus, &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ON_MESSAGE_THUNK(WM_KILLFOCUS, Focus, &ThisClass::OnKillFocus)
#define ON_WM_KEYDOWN() AFX_ON_MESSAGE_THUNK(WM_KEYDOWN, Key, &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() AFX_ON_MESSAGE_THUNK(WM_KEYUP, Key, &ThisClass::OnKeyUp)
#define ON_WM_CHAR() AFX_ON_MESSAGE_THUNK(WM_CHAR, Key, &ThisClass::OnChar)
#define ON_WM_ENABLE() AFX_ON_MESSAGE_THUNK(WM_ENABLE, Enable, &ThisClass::OnEnable)
#define ON_WM_ACTIVATE() AFX_ON_MESSAGE_THUNK(WM_ACTIVATE, Activate, &ThisClass::OnActivate)
#define ON_WM_GETDLGCODE() AFX_ON_MESSAGE_THUNK(WM_GETDLGCODE, GetDlgCode, &ThisClass::OnGetDlgCode)
// HBRUSH OnCtlColor(CDC*, CWnd* control, UINT ctlColor): one handler for every WM_CTLCOLOR... message.
#define ON_WM_CTLCOLOR()                                                                                             \
    AFX_ON_MESSAGE_THUNK(WM_CTLCOLORMSGBOX, CtlColor, &ThisClass::OnCtlColor)                                        \
    AFX_ON_MESSAGE_THUNK(WM_CTLCOLOREDIT, CtlColor, &ThisClass::OnCtlColor)                                          \
    AFX_ON_MESSAGE_THUNK(WM_CTLCOLORLISTBOX, CtlColor, &ThisClass::OnCtlColor)                                       \
    AFX_ON_MESSAGE_THUNK(WM_CTLCOLORBTN, CtlColor, &ThisClass::OnCtlColor)                                           \
    AFX_ON_MESSAGE_THUNK(WM_CTLCOLORDLG, CtlColor, &ThisClass::OnCtlColor)                                           \
    AFX_ON_MESSAGE_THUNK(WM_CTLCOLORSCROLLBAR, CtlColor, &ThisClass::OnCtlColor)                                     \
    AFX_ON_MESSAGE_THUNK(WM_CTLCOLORSTATIC, CtlColor, &ThisClass::OnCtlColor)
#define ON_WM_CAPTURECHANGED() AFX_ON_MESSAGE_THUNK(WM_CAPTURECHANGED, CaptureChanged, &ThisClass::OnCaptureChanged)

// Any message: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) {message, 0, 0, 0, &afx::Message<memberFxn>},

// --- commands and control notifications -------------------------------------------------------------

// void memberFxn(): a menu command or a control's notification (BN_CLICKED is command code 0).
#define ON_COMMAND(id, memberFxn) {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id), &afx::Void<memberFxn>},
// void memberFxn(UINT id)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                                      \
    {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(idLast), &afx::CommandRange<memberFxn>},
// BOOL memberFxn(UINT id): FALSE lets the command go on to other handlers.
#define ON_COMMAND_EX(id, memberFxn)                                                                                 \
    {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id), &afx::CommandEx<memberFxn>},
// void memberFxn()
#define ON_CONTROL(code, id, memberFxn)                                                                              \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), &afx::Void<memberFxn>},
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                                                \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(idLast), &afx::CommandRange<memberFxn>},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// void memberFxn(NMHDR*, LRESULT*)
#define ON_NOTIFY(code, id, memberFxn)                                                                               \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), &afx::Notify<memberFxn>},
// void memberFxn(UINT id, NMHDR*, LRESULT*)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                                                 \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(idLast), &afx::NotifyRange<memberFxn>},
// BOOL memberFxn(UINT id, NMHDR*, LRESULT*)
#define ON_NOTIFY_EX(code, id, memberFxn)                                                                            \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), &afx::NotifyEx<memberFxn>},

// In the control's own map: void memberFxn() / void memberFxn(NMHDR*, LRESULT*); the parent is not told.
#define ON_CONTROL_REFLECT(code, memberFxn)                                                                          \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, &afx::Void<memberFxn>},
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                                       \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, &afx::ControlReflectEx<memberFxn>},
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                           \
    {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, 0, &afx::Notify<memberFxn>},
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                                        \
    {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, 0, &afx::NotifyReflectEx<memberFxn>},
#define ON_BN_CLICKED_REFLECT(memberFxn) ON_CONTROL_REFLECT(BN_CLICKED, memberFxn)
