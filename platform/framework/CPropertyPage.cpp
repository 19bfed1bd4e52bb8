#include "platform/framework/CPropertyPage.h"

#include "platform/framework/CommCtrl.h"
#include "platform/framework/ResourceChain.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage() = default;

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId), m_nIDCaption(captionId) {}

CPropertyPage::CPropertyPage(LPCTSTR templateName, UINT captionId)
    : CDialog(templateName), m_nIDCaption(captionId)
{
}

void CPropertyPage::Construct(UINT templateId, UINT captionId)
{
    m_templateId = templateId;
    m_nIDCaption = captionId;
}

void CPropertyPage::Construct(LPCTSTR templateName, UINT captionId)
{
    m_templateId = ResourceId(templateName);
    m_nIDCaption = captionId;
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive) {
        m_bFirstSetActive = FALSE;
        return TRUE;
    }
    return UpdateData(FALSE);
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

void CPropertyPage::OnOK()
{
    m_bModified = FALSE;
}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

void CPropertyPage::SetModified(BOOL changed)
{
    m_bModified = changed;
    HWND sheet = ::GetParent(m_hWnd);
    if (sheet) ::SendMessage(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

const DialogTemplate* CPropertyPage::PageTemplate() const
{
    return findTemplate();
}

CString CPropertyPage::GetTabCaption() const
{
    if (m_nIDCaption != 0) {
        if (const CString* s = ResourceChain::Get().FindString(m_nIDCaption)) return *s;
    }
    const DialogTemplate* t = ResourceChain::Get().FindDialog(m_templateId);
    return t ? t->caption : CString();
}

BOOL CPropertyPage::PreTranslateMessage(MSG* msg)
{
    return CWnd::PreTranslateMessage(msg);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (hdr && hdr->hwndFrom && hdr->hwndFrom == ::GetParent(m_hWnd)) {
        LRESULT r = 0;
        switch (hdr->code) {
        case PSN_SETACTIVE:
            r = OnSetActive() ? 0 : -1;
            break;
        case PSN_KILLACTIVE:
            r = OnKillActive() ? FALSE : TRUE;
            break;
        case PSN_APPLY:
            r = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
            break;
        case PSN_RESET:
            OnReset();
            break;
        case PSN_QUERYCANCEL:
            r = OnQueryCancel() ? FALSE : TRUE;
            break;
        default:
            return CDialog::OnNotify(wParam, lParam, result);
        }
        if (result) *result = r;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

BOOL CPropertyPage::CreatePage(CWnd* sheet, const CRect& area)
{
    if (m_hWnd) return TRUE;
    const DialogTemplate* found = findTemplate();
    if (!found) return FALSE;
    DialogTemplate t = *found;
    // A child of the sheet, without a frame of its own, hidden until activated.
    t.style = (t.style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE | WS_DISABLED | DS_MODALFRAME |
                           DS_CENTER | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) |
              WS_CHILD | DS_CONTROL | DS_3DLOOK;
    t.exStyle = (t.exStyle & ~(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_TOOLWINDOW)) | WS_EX_CONTROLPARENT;
    t.x = 0;
    t.y = 0;
    m_bFirstSetActive = TRUE;
    // A hidden page does not take the focus that its dialog initialisation gives it; the sheet
    // decides where the focus goes when the page shows.
    HWND focus = ::GetFocus();
    if (!CreateIndirect(t, sheet)) return FALSE;
    HWND now = ::GetFocus();
    if (now != focus && now && (now == m_hWnd || ::IsChild(m_hWnd, now))) {
        if (::IsWindow(focus)) {
            ::SetFocus(focus);
        } else {
            ::SetFocus(nullptr);
        }
    }
    ::SetWindowPos(m_hWnd, HWND_TOP, area.left, area.top, area.Width(), area.Height(), SWP_NOACTIVATE);
    return TRUE;
}
