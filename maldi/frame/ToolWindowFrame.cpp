#include "maldi/frame/ToolWindowFrame.h"

#include <algorithm>

#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/Diagnostics.h"
#include "platform/framework/CMenu.h"
#include "platform/framework/gdi/CPaintDC.h"

using namespace maldi::res;

ToolWindowFrame::ToolWindowFrame(CWnd& window, const ToolWindowInfo& info)
    : m_window(window), m_info(info), m_nContractAmount(info.contractAmount), m_nExpandState(info.initialExpandState)
{
    // Every tool window needs the library's templates, icons and strings: this reference keeps the
    // resource module (and its registration) in any link.
    MaldiResources::Module();
}

int ToolWindowFrame::ExpandButtonId() const
{
    switch (m_info.expandButton) {
    case ExpandButtonKind::IconButton:
        return static_cast<int>(IDI_EXPAND_DIALOG);
    case ExpandButtonKind::TwoState:
        return static_cast<int>(IDI_EXPAND_INFORMATION);
    case ExpandButtonKind::None:
        break;
    }
    return 0;
}

void ToolWindowFrame::InitialiseWindow()
{
    if (!m_window.m_hWnd) return;
    if (m_info.caption) m_window.SetWindowText(m_info.caption);
    if (m_info.greyClose) {
        if (CMenu* menu = m_window.GetSystemMenu(FALSE)) menu->ModifyMenu(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    }
    if (m_info.setIcon) {
        m_window.SetIcon(m_hIcon, TRUE);
        m_window.SetIcon(m_hIcon, FALSE);
    }
    if (m_info.topmost) {
        m_window.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                              SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE);
    }
}

void ToolWindowFrame::SetupExpandButton()
{
    int id = ExpandButtonId();
    if (!id || !m_window.m_hWnd) return;
    if (!attach(m_expandButton, static_cast<UINT>(id), "expand button")) return;
    m_expandButton.SetTooltipText(static_cast<int>(m_info.expandButton == ExpandButtonKind::TwoState ? IDS_INFORMATION
                                                                                                     : IDS_EXPAND_DIALOG));
    showExpandState();
}

void ToolWindowFrame::SetupIconButtons(std::initializer_list<IconButton> buttons)
{
    if (!m_window.m_hWnd) return;
    for (const IconButton& b : buttons) {
        if (!attach(b.button, b.id, "button")) continue;
        b.button.SetIcon(static_cast<int>(b.id), 0);
        b.button.SetTooltipText(static_cast<int>(b.tooltip));
    }
}

bool ToolWindowFrame::attach(CButtonST& button, UINT id, const char* what)
{
    if (button.m_hWnd || button.SubclassDlgItem(id, &m_window)) return true;
    CString text;
    text.Format("tool window %u has no %s %u", m_info.templateId, what, id);
    Diagnostics::Report(text);
    return false;
}

void ToolWindowFrame::showExpandState()
{
    bool expanded = m_nExpandState == kExpanded;
    switch (m_info.expandButton) {
    case ExpandButtonKind::IconButton:
        m_expandButton.SetIcon(static_cast<int>(expanded ? IDI_CONTRACT_DIALOG : IDI_EXPAND_DIALOG), 0);
        break;
    case ExpandButtonKind::TwoState:
        m_expandButton.SetIcon(static_cast<int>(IDI_EXPAND_INFORMATION), 0);
        m_expandButton.SetCheck(expanded ? BST_CHECKED : BST_UNCHECKED);
        break;
    case ExpandButtonKind::None:
        break;
    }
}

void ToolWindowFrame::SetContractDialog()
{
    if (!m_window.m_hWnd) return;
    CRect rect;
    m_window.GetWindowRect(&rect);
    m_nFullHeight = rect.Height();
    m_window.MoveWindow(rect.left, rect.top, rect.Width(), std::max(0, m_nFullHeight - m_nContractAmount), TRUE);
    m_nExpandState = kContracted;
    showExpandState();
}

void ToolWindowFrame::SetExpandDialog()
{
    if (!m_window.m_hWnd) return;
    if (m_nFullHeight > 0) {
        CRect rect;
        m_window.GetWindowRect(&rect);
        m_window.MoveWindow(rect.left, rect.top, rect.Width(), m_nFullHeight, TRUE);
    }
    m_nExpandState = kExpanded;
    showExpandState();
}

void ToolWindowFrame::OnExpandDialog()
{
    if (m_nExpandState == kContracted) {
        SetExpandDialog();
    } else if (m_nExpandState == kExpanded) {
        SetContractDialog();
    }
}

bool ToolWindowFrame::IsExpandCommand(UINT id, int code) const
{
    int expandId = ExpandButtonId();
    return expandId && id == static_cast<UINT>(expandId) && code == static_cast<int>(BN_CLICKED);
}

bool ToolWindowFrame::PaintIconic()
{
    if (!m_info.setIcon || !m_window.m_hWnd || !m_window.IsIconic()) return false;
    CPaintDC dc(&m_window);
    m_window.SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect client;
    m_window.GetClientRect(&client);
    int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
    return true;
}

BOOL ToolWindowFrame::FilterMessage(MSG* msg)
{
    if (!msg) return FALSE;
    if (m_info.exchangeBeforeFiltering && m_window.m_hWnd) m_window.UpdateData(TRUE);
    if (msg->message != WM_KEYDOWN) return FALSE;
    UINT key = ToolWindowKeys::None;
    switch (msg->wParam) {
    case VK_TAB:
        key = ToolWindowKeys::Tab;
        break;
    case VK_RETURN:
        key = ToolWindowKeys::Enter;
        break;
    case VK_ESCAPE:
        key = ToolWindowKeys::Escape;
        break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        key = ToolWindowKeys::Arrows;
        break;
    default:
        break;
    }
    return (m_info.swallowedKeys & key) ? TRUE : FALSE;
}
