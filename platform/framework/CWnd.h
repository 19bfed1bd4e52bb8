#pragma once
// The framework's window object. A CWnd is attached to a window handle in one of three ways:
//   - Create / CreateEx (and CDialog::Create / DoModal): the object receives the window's messages
//     from the very first one;
//   - SubclassWindow / SubclassDlgItem / DDX_Control: the object takes over an existing window's
//     messages; what its map does not handle goes to the window's original procedure;
//   - Attach: the handle is known to belong to the object (FromHandle finds it), but messages are
//     not routed to it.
// A window's messages go to WindowProc: the message map chain first (OnWndMsg), then
// DefWindowProc, which is the original procedure of a subclassed window or the system default.
// Control notifications reach the control's own map first when it reflects them (ON_..._REFLECT);
// while UpdateData runs, the dialog ignores its controls' notifications.
//
// FromHandle returns the permanent object of a handle or a temporary one made for it (of the
// wrapper type of its class: a CButton for a "Button"); temporaries die with their window.
// Destroying the object destroys its window; destroying the window detaches the object
// (PostNcDestroy is called last and may delete the object).
//
// Fonts: SetFont and GetFont take and give the painting library's CFont (through its HFONT
// conversion and CFont::FromHandle); SetFontHandle/GetFontHandle work on the handle itself.

#include "platform/framework/CCmdTarget.h"
#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

class CDataExchange;
class CMenu;
class CFont;
class CDC;

// Flags of m_nFlags.
constexpr UINT WF_MODALLOOP = 0x0001;
constexpr UINT WF_CONTINUEMODAL = 0x0002;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    bool operator==(const CWnd& other) const { return m_hWnd == other.m_hWnd; }
    bool operator!=(const CWnd& other) const { return m_hWnd != other.m_hWnd; }

    // Special z-order places for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // --- attaching ---------------------------------------------------------------------------------
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd);
    BOOL Attach(HWND hwnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // --- creation ----------------------------------------------------------------------------------
    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        void* context = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int cx, int cy,
                  HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();

    // --- messages ----------------------------------------------------------------------------------
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The default processing of the message being handled.
    LRESULT Default();
    // The message being handled by the innermost framework window procedure.
    static const MSG* GetCurrentMessage();

    // --- data exchange -----------------------------------------------------------------------------
    virtual void DoDataExchange(CDataExchange* dx);
    // FALSE when a value failed to convert or validate (the operator was told; see CDataExchange).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // --- modal runs (CDialog::DoModal and property sheets) ---------------------------------------------
    int RunModalLoop(DWORD flags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int result);
    UINT m_nFlags = 0;
    int m_nModalResult = 0;

    // --- state -------------------------------------------------------------------------------------
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int id) const;
    void GetDlgItem(int id, HWND* result) const;
    CWnd* GetWindow(UINT command) const;
    static CWnd* GetDesktopWindow();
    static CWnd* GetActiveWindow();
    static CWnd* GetFocus();
    CWnd* SetFocus();
    CWnd* SetActiveWindow();
    BOOL IsChild(const CWnd* wnd) const;

    void SetWindowText(LPCTSTR text);
    int GetWindowText(LPTSTR buffer, int size) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, LPTSTR buffer, int size) const;
    int GetDlgItemText(int id, CString& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId);

    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;

    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void CenterWindow(CWnd* alternateOwner = nullptr);

    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void ValidateRect(LPCRECT rect);
    void UpdateWindow();
    // Contexts on the client area / the whole window (see gdi/PaintFunctions.h); give them back
    // with ReleaseDC. Null for a window that does not exist.
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);
    BOOL RedrawWindow(LPCRECT rect = nullptr, void* region = nullptr, UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    HICON SetIcon(HICON icon, BOOL bigIcon);
    HICON GetIcon(BOOL bigIcon) const;
    void SetFontHandle(HFONT font, BOOL redraw = TRUE);
    HFONT GetFontHandle() const;
    template <class Font>
    void SetFont(Font* font, BOOL redraw = TRUE)
    {
        SetFontHandle(font ? static_cast<HFONT>(*font) : nullptr, redraw);
    }
    template <class Font = CFont>
    Font* GetFont() const
    {
        return Font::FromHandle(GetFontHandle());
    }
    CMenu* GetSystemMenu(BOOL revert) const;

    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
    BOOL KillTimer(UINT_PTR id);

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

    // --- default message handlers (each passes the message to Default) -------------------------------
    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnSysCommand(UINT id, LPARAM lParam);
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnRButtonDown(UINT flags, CPoint point);
    afx_msg void OnRButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnShowWindow(BOOL show, UINT status);
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags);
    afx_msg void OnEnable(BOOL enable);
    afx_msg void OnActivate(UINT state, CWnd* other, BOOL minimized);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnCaptureChanged(CWnd* wnd);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);

    // --- window system hooks (not for application code) ----------------------------------------------
    static LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void HookCreatedWindow(CWnd* wnd, HWND hwnd);
    static void ForgetDestroyedWindow(CWnd* wnd, HWND hwnd);
    static void DeleteTemporary(CWnd* wnd);
    // Whether the object leaves its painting to the window's class: no handler of WM_PAINT,
    // WM_ERASEBKGND or WM_CTLCOLORDLG in its message map and, when it subclassed the window, the
    // class's own procedure below it (the painting uses it to know who paints what).
    bool LeavesPaintingToClass() const;
    // Whether the object's own painting covers every pixel of its client area whenever it paints,
    // as it said with PaintsAllOfItsWindow (a widget that fills its background first).
    bool CoversItsWindow() const { return m_coversItsWindow; }

protected:
    // Said by a control class whose painting leaves no pixel of its client area as it was: the
    // parent's background is then not filled under it first.
    void PaintsAllOfItsWindow() { m_coversItsWindow = true; }

    WNDPROC m_pfnSuper = nullptr; // original procedure of a subclassed window

private:
    bool m_coversItsWindow = false;

    explicit CWnd(HWND special);
    friend class CDataExchange;

    DECLARE_MESSAGE_MAP()
};
