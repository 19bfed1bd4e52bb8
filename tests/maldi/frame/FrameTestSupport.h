#pragma once
// A small tool window of the tests' own, made from a template of the tests' own, with the
// description records of the real windows' kinds.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "maldi/frame/CToolWindow.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"

namespace frame_test {

constexpr UINT IDD_TOOL = 800;          // expand button 14181
constexpr UINT IDD_TOOL_TWO_STATE = 801; // expand button 14167
constexpr UINT IDD_TOOL_HIDDEN = 802;   // not visible until shown, no minimise box
constexpr UINT IDD_TOOL_NO_EXPAND = 803; // a template without its expand button
constexpr UINT IDD_TOOL_TALL = 804;
constexpr int IDC_VALUE = 8001;
constexpr int IDC_GO = 8002;
constexpr int IDC_RADIO1 = 8003;
constexpr int IDC_RADIO2 = 8004;
constexpr int IDC_LOWER = 8005;
constexpr UINT IDI_WINDOW = 8100;
constexpr std::uint32_t kWindowIconColour = 0xFFC020C0; // opaque magenta, ARGB
constexpr int kContract = 60;

constexpr DWORD kToolStyle = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Value edit, default button "Go", a radio pair, the expand button, and "Lower" at the bottom, in
// the part that contracting folds away.
inline DialogTemplate toolTemplate(UINT id, short cy, int expandId, DWORD style = kToolStyle)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    DialogTemplate t{id, "Test Tool", style, 0, 30, 40, 120, cy, "MS Sans Serif", 8, {}};
    t.items.push_back({IDC_VALUE, "Edit", "", child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 7, 7, 50, 14});
    t.items.push_back({IDC_GO, "Button", "Go", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 65, 7, 40, 14});
    t.items.push_back({IDC_RADIO1, "Button", "One", child | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0, 7, 25, 40, 10});
    t.items.push_back({IDC_RADIO2, "Button", "Two", child | BS_AUTORADIOBUTTON, 0, 55, 25, 40, 10});
    if (expandId) t.items.push_back({expandId, "Button", "", child | WS_TABSTOP | BS_PUSHBUTTON, 0, 7, 40, 29, 26});
    t.items.push_back({IDC_LOWER, "Button", "Lower", child | WS_TABSTOP | BS_PUSHBUTTON,
                       0, 7, static_cast<short>(cy - 18), 40, 14});
    return t;
}

// The host's module: the test templates and the window icon it hands to CreateUI; and a window of
// a kind made as the host makes it.
class FrameResources {
public:
    FrameResources()
        : m_module("frame test host",
                   {toolTemplate(IDD_TOOL, 150, maldi::res::IDI_EXPAND_DIALOG),
                    toolTemplate(IDD_TOOL_TWO_STATE, 150, maldi::res::IDI_EXPAND_INFORMATION),
                    toolTemplate(IDD_TOOL_HIDDEN, 150, maldi::res::IDI_EXPAND_DIALOG,
                                 (kToolStyle & ~(WS_VISIBLE | WS_MINIMIZEBOX))),
                    toolTemplate(IDD_TOOL_NO_EXPAND, 150, 0),
                    toolTemplate(IDD_TOOL_TALL, 240, maldi::res::IDI_EXPAND_DIALOG)},
                   {}, {{IDI_WINDOW, IconImage::Solid(32, 32, kWindowIconColour)}}),
          m_registrar(m_module)
    {
    }
    HICON WindowIcon() const { return m_module.FindIcon(IDI_WINDOW); }
    template <class Window>
    std::unique_ptr<Window> Open(const ToolWindowInfo& info) const
    {
        auto w = std::make_unique<Window>(info);
        w->CreateUI(WindowIcon());
        if (!w->Create()) throw std::runtime_error("the tool window could not be made");
        return w;
    }

private:
    ResourceModule m_module;
    ResourceRegistrar m_registrar;
};

// The kinds of tool window, as the real windows describe themselves.
inline ToolWindowInfo probeAdjustKind(UINT templateId = IDD_TOOL)
{
    return {templateId, "Probe-like", kContract,
            ToolWindowKeys::Tab | ToolWindowKeys::Enter | ToolWindowKeys::Escape,
            true, true, true, true, ExpandButtonKind::IconButton, 1};
}
inline ToolWindowInfo sourceSwapKind(UINT templateId = IDD_TOOL_TWO_STATE)
{
    return {templateId, "Swap-like", kContract,
            ToolWindowKeys::Tab | ToolWindowKeys::Enter | ToolWindowKeys::Escape,
            true, false, true, true, ExpandButtonKind::TwoState, 0};
}
inline ToolWindowInfo acquisitionKind(UINT templateId = IDD_TOOL)
{
    return {templateId, "Acquisition-like", kContract, ToolWindowKeys::Tab | ToolWindowKeys::Escape,
            false, true, true, true, ExpandButtonKind::IconButton, 1};
}
inline ToolWindowInfo crosshairKind(UINT templateId = IDD_TOOL)
{
    return {templateId, "Crosshair-like", kContract,
            ToolWindowKeys::Arrows | ToolWindowKeys::Tab | ToolWindowKeys::Escape,
            false, true, true, true, ExpandButtonKind::IconButton, 1};
}
inline ToolWindowInfo calibrationKind(UINT templateId = IDD_TOOL_HIDDEN)
{
    return {templateId, "Calibration-like", kContract, ToolWindowKeys::Enter,
            false, false, false, false, ExpandButtonKind::IconButton, 0};
}

// The test tool window: a value exchanged with the edit, and counts of what reached it.
template <class Base = CDialog>
class TestToolWindow : public CToolWindow<Base> {
public:
    explicit TestToolWindow(const ToolWindowInfo& info) : CToolWindow<Base>(info, info.templateId) {}

    int value = 0;
    int oks = 0, cancels = 0, goClicks = 0, lowerClicks = 0;

    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_VALUE, value); }
    void OnOK() override
    {
        ++oks;
        Base::OnOK();
    }
    void OnCancel() override
    {
        ++cancels;
        Base::OnCancel();
    }
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override
    {
        if (!handlerInfo && code == 0 && (id == static_cast<UINT>(IDC_GO) || id == static_cast<UINT>(IDC_LOWER))) {
            ++(id == static_cast<UINT>(IDC_GO) ? goClicks : lowerClicks);
            return TRUE;
        }
        return CToolWindow<Base>::OnCmdMsg(id, code, extra, handlerInfo);
    }
};

} // namespace frame_test
