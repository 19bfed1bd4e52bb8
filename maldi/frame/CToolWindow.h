#pragma once
// A tool window over any dialog base: CToolWindow<CDialog> for the plain windows,
// CToolWindow<CTunePage> for the acquisition panels. The window hands its ToolWindowInfo to the
// constructor (then the base's own constructor arguments) and inherits:
//   Create()            the window from its template, on the desktop window, so that it floats
//                       independently of the host's main window;
//   CreateUI(icon)      stores the icon (before Create: initialisation sets it on the window);
//   DisplayWindow()     members into the controls (UpdateData(FALSE)), then shown;
//   OnInitDialog        InitialiseFrame with no steps of the window's own. The order of a tool
//                       window's initialisation is the frame's, in InitialiseFrame alone:
//                         1. the base's initialisation, when the description says
//                            BaseInitialisation::First (the default);
//                         2. the frame's window set-up: caption, greyed Close, icons, topmost;
//                         3. steps.buttons: the window's icon buttons (ToolWindowFrame::SetupIconButtons);
//                         4. the expand button;
//                         5. the base's initialisation, with BaseInitialisation::AfterButtons;
//                         6. steps.controls: the window's other controls (bars, gauges, trackers);
//                         7. contracted, when the window has an expand button;
//                         8. steps.opened: what needs the finished window (timers, the host's states).
//                       A window overrides OnInitDialog only to hand its steps to InitialiseFrame;
//   SetContractDialog / SetExpandDialog / OnExpandDialog, and the click of the expand button,
//                       routed to OnExpandDialog by OnCmdMsg before any message map is searched
//                       (the button's id is the description's, so no map can name it; a window's
//                       own ON_BN_CLICKED for that id never runs);
//   OnPaint (the icon while minimised), OnQueryDragIcon, OnSysCommand (default processing);
//   PreTranslateMessage (the key filtering of the description, then the base's).
//
// None of these adds a virtual function, so a window declares its exported operations (CreateUI,
// DisplayWindow, Create ...) as virtual in its own slot order and calls the frame's versions from
// them. A window that declares Create() should also say `using CToolWindow::Create;`.

#include <functional>
#include <utility>

#include "maldi/frame/ToolWindowFrame.h"
#include "platform/framework/CDialog.h"

// What a window adds to the frame's initialisation order (see InitialiseFrame); each step optional.
struct ToolWindowSteps {
    std::function<void()> buttons = nullptr;
    std::function<void()> controls = nullptr;
    std::function<void()> opened = nullptr;
};

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

    BOOL OnInitDialog() override { return InitialiseFrame({}); }

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (m_frame.FilterMessage(msg)) return TRUE;
        return Base::PreTranslateMessage(msg);
    }

    // The expand button's click goes to OnExpandDialog ahead of every message map (see the map).
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override
    {
        if (!handlerInfo && m_frame.IsExpandCommand(id, code)) {
            OnExpandDialog();
            return TRUE;
        }
        return Base::OnCmdMsg(id, code, extra, handlerInfo);
    }

protected:
    // The one initialisation order of every tool window (the steps are listed at the top of this
    // file). TRUE: the focus goes to the first control.
    BOOL InitialiseFrame(const ToolWindowSteps& steps)
    {
        const ToolWindowInfo& info = m_frame.Info();
        if (info.baseInitialisation == BaseInitialisation::First) Base::OnInitDialog();
        m_frame.InitialiseWindow();
        if (steps.buttons) steps.buttons();
        m_frame.SetupExpandButton();
        if (info.baseInitialisation == BaseInitialisation::AfterButtons) Base::OnInitDialog();
        if (steps.controls) steps.controls();
        if (info.expandButton != ExpandButtonKind::None) SetContractDialog();
        if (steps.opened) steps.opened();
        return TRUE;
    }

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
        // The expand button's click (BN_CLICKED of ToolWindowFrame::ExpandButtonId(): 14181 or
        // 14167, as the description says) is not an entry: OnCmdMsg sends it to OnExpandDialog
        // before this map or any window's map is searched.
        ON_WM_PAINT()
        ON_WM_QUERYDRAGICON()
        ON_WM_SYSCOMMAND()
        {0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {&Base::GetThisMessageMap, &entries[0]};
    return &messageMap;
}

using CToolDialog = CToolWindow<CDialog>;
