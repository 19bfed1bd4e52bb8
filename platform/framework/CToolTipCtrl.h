#pragma once
// Wrapper of a tooltip ("tooltips_class32"; see ToolTipControl for its behaviour).
//
// A tool is named by a window and an id. With id 0 the tool is the window itself (TTF_IDISHWND,
// kept under the window's parent; a rectangle is then ignored); otherwise it is a rectangle of the
// window's client area with that id (the whole client area when no rectangle is given).

#include "platform/framework/CWnd.h"
#include "platform/framework/ToolTipControl.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    using CWnd::Create;
    // A hidden topmost popup owned by the parent's top-level window.
    BOOL Create(CWnd* parent, DWORD style = 0);

    void Activate(BOOL activate);
    // FALSE for a null window, a tooltip without a window, or a tool that already exists.
    BOOL AddTool(CWnd* wnd, LPCTSTR text = LPSTR_TEXTCALLBACK, LPCRECT toolRect = nullptr, UINT_PTR toolId = 0);
    BOOL AddTool(CWnd* wnd, UINT textId, LPCRECT toolRect = nullptr, UINT_PTR toolId = 0);
    void DelTool(CWnd* wnd, UINT_PTR toolId = 0);
    void UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR toolId = 0);
    void UpdateTipText(UINT textId, CWnd* wnd, UINT_PTR toolId = 0);
    void GetText(CString& text, CWnd* wnd, UINT_PTR toolId = 0) const;
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    void RelayEvent(LPMSG msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
    void SetDelayTime(UINT delay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(delay)); }
    void SetDelayTime(DWORD which, int time) { SendMessage(TTM_SETDELAYTIME, which, MAKELPARAM(static_cast<WORD>(time), 0)); }
    int GetDelayTime(DWORD which) const { return static_cast<int>(SendMessage(TTM_GETDELAYTIME, which)); }
    void Pop() { SendMessage(TTM_POP); }

private:
    static void FillInToolInfo(TOOLINFO& info, CWnd* wnd, UINT_PTR toolId);
};
