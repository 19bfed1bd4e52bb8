#include "platform/widgets/CButtonST.h"

#include <algorithm>
#include <memory>

#include "platform/framework/ResourceChain.h"
#include "platform/framework/gdi/CPaintDC.h"

IMPLEMENT_DYNAMIC(CButtonST, CButton)

BEGIN_MESSAGE_MAP(CButtonST, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
    ON_MESSAGE(BM_GETCHECK, &CButtonST::OnGetCheckMessage)
    ON_MESSAGE(BM_SETCHECK, &CButtonST::OnSetCheckMessage)
    ON_MESSAGE(BM_GETSTATE, &CButtonST::OnGetStateMessage)
END_MESSAGE_MAP()

namespace {

// A disabled button's icon: its own shapes in a pale grey, a little washed out.
IconImage greyed(const IconImage& icon)
{
    IconImage image = icon;
    for (std::uint32_t& p : image.argb) {
        std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        std::uint32_t luma = (r * 299 + g * 587 + b * 114) / 1000;
        std::uint32_t grey = 96 + luma * 128 / 255;
        std::uint32_t alpha = ((p >> 24) & 0xFF) * 3 / 4;
        p = (alpha << 24) | (grey << 16) | (grey << 8) | grey;
    }
    if (icon.large) image.large = std::make_shared<IconImage>(greyed(*icon.large));
    return image;
}

std::unique_ptr<HICON__> greyed(HICON icon)
{
    return std::make_unique<HICON__>(greyed(static_cast<const IconImage&>(*icon)));
}

} // namespace

// OnPaint fills the whole button before drawing on it.
CButtonST::CButtonST() { PaintsAllOfItsWindow(); }

CButtonST::~CButtonST() = default;

// --- icons ------------------------------------------------------------------------------------------

DWORD CButtonST::SetIcon(int iconIn, int iconOut)
{
    HICON in = iconIn ? ResourceChain::Get().FindIcon(iconIn) : nullptr;
    HICON out = iconOut ? ResourceChain::Get().FindIcon(iconOut) : nullptr;
    if ((iconIn && !in) || (iconOut && !out)) return BTNST_INVALIDRESOURCE;
    return SetIcon(in, out);
}

DWORD CButtonST::SetIcon(HICON iconIn, HICON iconOut)
{
    m_iconIn = iconIn;
    m_iconOut = iconOut;
    m_grey.reset();
    m_greyOf = nullptr;
    if (m_hWnd) {
        // The standard button knows its image too (BM_GETIMAGE), as after BS_ICON.
        CButton::SetIcon(iconIn);
        Invalidate();
    }
    return BTNST_OK;
}

// --- tooltip ----------------------------------------------------------------------------------------

DWORD CButtonST::SetTooltipText(int textId, BOOL activate)
{
    const CString* text = ResourceChain::Get().FindString(static_cast<UINT>(textId));
    if (!text) return BTNST_INVALIDRESOURCE;
    return SetTooltipText(text->GetString(), activate);
}

DWORD CButtonST::SetTooltipText(LPCTSTR text, BOOL activate)
{
    m_tooltipText = text ? text : "";
    m_tooltipActive = activate;
    updateTooltip();
    return BTNST_OK;
}

void CButtonST::ActivateTooltip(BOOL activate)
{
    m_tooltipActive = activate;
    if (m_tooltip.m_hWnd) m_tooltip.Activate(activate);
}

void CButtonST::updateTooltip()
{
    if (!m_hWnd || m_tooltipText.IsEmpty()) return;
    if (!m_tooltip.m_hWnd) {
        if (!m_tooltip.Create(this) || !m_tooltip.AddTool(this, m_tooltipText)) return;
    } else {
        m_tooltip.UpdateTipText(m_tooltipText, this);
    }
    m_tooltip.Activate(m_tooltipActive);
}

BOOL CButtonST::PreTranslateMessage(MSG* msg)
{
    // The tooltip sees the mouse only through the messages its tool relays.
    if (m_tooltip.m_hWnd && msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST) m_tooltip.RelayEvent(msg);
    return CButton::PreTranslateMessage(msg);
}

// --- check and held state ----------------------------------------------------------------------------

DWORD CButtonST::SetCheck(int check, BOOL repaint)
{
    m_check = check ? BST_CHECKED : BST_UNCHECKED;
    if (repaint && m_hWnd) Invalidate();
    return BTNST_OK;
}

LRESULT CButtonST::OnGetCheckMessage(WPARAM, LPARAM)
{
    return m_check;
}

LRESULT CButtonST::OnSetCheckMessage(WPARAM wParam, LPARAM)
{
    SetCheck(static_cast<int>(wParam));
    return 0;
}

LRESULT CButtonST::OnGetStateMessage(WPARAM, LPARAM)
{
    return (Default() & ~static_cast<LRESULT>(BST_CHECKED | BST_INDETERMINATE)) | m_check;
}

void CButtonST::OnLButtonDown(UINT, CPoint)
{
    m_pressed = TRUE;
    Default();
}

void CButtonST::OnLButtonDblClk(UINT, CPoint)
{
    m_pressed = TRUE;
    Default();
}

void CButtonST::OnLButtonUp(UINT, CPoint)
{
    m_pressed = FALSE;
    Default();
}

// --- window ------------------------------------------------------------------------------------------

void CButtonST::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    if (m_iconIn) CButton::SetIcon(m_iconIn);
    updateTooltip();
}

void CButtonST::OnDestroy()
{
    if (m_tooltip.m_hWnd) m_tooltip.DestroyWindow();
    Default();
}

BOOL CButtonST::OnEraseBkgnd(CDC*)
{
    return TRUE; // the face covers the whole button
}

void CButtonST::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    bool held = (CWnd::DefWindowProc(BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    bool pushedIn = held || m_check == BST_CHECKED;
    bool enabled = IsWindowEnabled() != FALSE;

    dc.FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    CRect edge = rect;
    dc.DrawEdge(&edge, pushedIn ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    HICON icon = pushedIn && m_iconOut ? m_iconOut : m_iconIn;
    if (icon && icon->width > 0 && icon->height > 0) {
        // Centred; shrunk to fit a button smaller than the icon; one pixel down-right when pushed in.
        int room = std::max(1, std::min(rect.Width(), rect.Height()) - 6);
        int cx = std::min(icon->width, room);
        int cy = std::min(icon->height, room);
        int x = (rect.Width() - cx) / 2 + (pushedIn ? 1 : 0);
        int y = (rect.Height() - cy) / 2 + (pushedIn ? 1 : 0);
        if (enabled) {
            dc.DrawIconEx(x, y, icon, cx, cy);
        } else {
            if (m_greyOf != icon) {
                m_grey = greyed(icon);
                m_greyOf = icon;
            }
            dc.DrawIconEx(x, y, m_grey.get(), cx, cy);
        }
    }
    if (::GetFocus() == m_hWnd) {
        CRect focus = rect;
        focus.DeflateRect(4, 4);
        dc.DrawFocusRect(&focus);
    }
}
