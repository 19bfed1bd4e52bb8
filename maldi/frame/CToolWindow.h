#pragma once
// A tool window over any dialog base: CToolWindow<CDialog> for the plain windows,
// CToolWindow<CTunePage> for the acquisition panels. The window hands its ToolWindowInfo to the
// constructor (then the base's own constructor arguments) and inherits:
//   Create()            the window from its template, on the desktop window, so that it floats
//                       independently of the host's main window;
//   CreateUI(icon)      stores the icon (before Create: initialisation sets it on the window);
//   DisplayWindow()     members into the controls (UpdateData(FALSE)), then shown;
//   OnInitDialog        the base's initialisation, then InitialiseToolWindow, SetupExpandButton
//                       and SetContractDialog: every tool window opens contracted. A window whose
//                       initialisation needs another order overrides it and calls those steps;
//   SetContractDialog / SetExpandDialog / OnExpandDialog, the click of the expand button routed
//                       to OnExpandDialog whatever the window's own message map says;
//   OnPaint (the icon while minimised), OnQueryDragIcon, OnSysCommand (default processing);
//   PreTranslateMessage (the key filtering of the description, then the base's).
//
// None of these adds a virtual function, so a window declares its exported operations (CreateUI,
// DisplayWindow, Create ...) as virtual in its own slot order and calls the frame's versions from
// them. A window that declares Create() should also say `using CToolWindow::Create;`.

#include <utility>

#include "maldi/frame/ToolWindowFrame.h"
#include "platform/framework/CDialog.h"

template <class Base>
class CToolWindow : public Base {
public:
    template <class... BaseArgs>
    explicit CToolWindow(const ToolWindowInfo& info, BaseArgs&&... baseArgs)
        : Base(std::forward<BaseArgs>(baseArgs)...), m_frame(*this, info)
    {
    }

    using Base::Create;
    BOOL Create() { return Base::Create(m_frame.Info().templateId, CWnd::GetDesktopWindow()); }
    void CreateUI(HICON icon) { m_frame.CreateUI(icon); }
    void DisplayWindow()
    {
        this->UpdateData(FALSE);
        this->ShowWindow(SW_SHOW);
    }

    void SetContractDialog() { m_frame.SetContractDialog(); }
    void SetExpandDialog() { m_frame.SetExpandDialog(); }
    void OnExpandDialog() { m_frame.OnExpandDialog(); }

    ToolWindowFrame& Frame() { return m_frame; }
    const ToolWindowFrame& Frame() const { return m_frame; }

    BOOL OnInitDialog() override
    {
        BOOL result = Base::OnInitDialog();
        InitialiseToolWindow();
        SetupExpandButton();
        SetContractDialog();
        return result;
    }

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (m_frame.FilterMessage(msg)) return TRUE;
        return Base::PreTranslateMessage(msg);
    }

    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override
    {
        if (!handlerInfo && m_frame.IsExpandCommand(id, code)) {
            OnExpandDialog();
            return TRUE;
        }
        return Base::OnCmdMsg(id, code, extra, handlerInfo);
    }

protected:
    void InitialiseToolWindow() { m_frame.InitialiseWindow(); }
    void SetupExpandButton() { m_frame.SetupExpandButton(); }

    afx_msg void OnPaint()
    {
        if (!m_frame.PaintIconic()) Base::OnPaint();
    }
    afx_msg HCURSOR OnQueryDragIcon()
    {
        return m_frame.Info().setIcon ? m_frame.QueryDragIcon() : Base::OnQueryDragIcon();
    }
    afx_msg void OnSysCommand(UINT id, LPARAM lParam) { Base::OnSysCommand(id, lParam); }

    ToolWindowFrame m_frame;

    DECLARE_MESSAGE_MAP()
};

// The message map of a class template, written out as BEGIN_MESSAGE_MAP would write it.
template <class Base>
const AFX_MSGMAP* CToolWindow<Base>::GetMessageMap() const
{
    return GetThisMessageMap();
}

template <class Base>
const AFX_MSGMAP* CToolWindow<Base>::GetThisMessageMap()
{
    using ThisClass = CToolWindow<Base>;
    static const AFX_MSGMAP_ENTRY entries[] = {
        ON_WM_PAINT()
        ON_WM_QUERYDRAGICON()
        ON_WM_SYSCOMMAND()
        {0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {&Base::GetThisMessageMap, &entries[0]};
    return &messageMap;
}

using CToolDialog = CToolWindow<CDialog>;
