#include "platform/framework/CPropertySheet.h"

#include <algorithm>

#include "platform/framework/Diagnostics.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/ModalRun.h"
#include "platform/framework/ResourceChain.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_COMMAND(IDOK, &CPropertySheet::OnSheetOK)
    ON_COMMAND(IDCANCEL, &CPropertySheet::OnSheetCancel)
    ON_COMMAND(ID_APPLY_NOW, &CPropertySheet::OnSheetApply)
    ON_MESSAGE(WM_INITDIALOG, &CPropertySheet::HandleInitDialog)
    ON_NOTIFY(TCN_SELCHANGING, AFX_IDC_TAB_CONTROL, &CPropertySheet::OnTabChanging)
    ON_NOTIFY(TCN_SELCHANGE, AFX_IDC_TAB_CONTROL, &CPropertySheet::OnTabChange)
    ON_MESSAGE(PSM_CHANGED, &CPropertySheet::OnPageChanged)
    ON_MESSAGE(PSM_UNCHANGED, &CPropertySheet::OnPageUnchanged)
    ON_MESSAGE(PSM_SETCURSEL, &CPropertySheet::OnSetCurSel)
    ON_MESSAGE(PSM_PRESSBUTTON, &CPropertySheet::OnPressButton)
    ON_MESSAGE(PSM_GETCURRENTPAGEHWND, &CPropertySheet::OnGetCurrentPageHwnd)
    ON_MESSAGE(PSM_GETTABCONTROL, &CPropertySheet::OnGetTabControl)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() = default;

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage)
{
    Construct(captionId, parent, selectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR caption, CWnd* parent, UINT selectPage)
{
    Construct(caption, parent, selectPage);
}

void CPropertySheet::Construct(UINT captionId, CWnd* parent, UINT selectPage)
{
    const CString* s = ResourceChain::Get().FindString(captionId);
    Construct(s ? s->GetString() : "", parent, selectPage);
}

void CPropertySheet::Construct(LPCTSTR caption, CWnd* parent, UINT selectPage)
{
    m_strCaption = caption ? caption : "";
    m_pParentWnd = parent;
    m_psh.nStartPage = selectPage;
    m_nCurPage = static_cast<int>(selectPage);
}

CPropertySheet::~CPropertySheet()
{
    // The pages' windows go with the sheet's (the pages themselves belong to their owner).
    if (::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this) {
        try {
            DestroyWindow();
        } catch (const std::exception& e) {
            Diagnostics::Report(CString("while destroying a property sheet: ") + e.what());
        }
    }
}

// --- pages -------------------------------------------------------------------------------------------

void CPropertySheet::AddPage(CPropertyPage* page)
{
    if (!page || GetPageIndex(page) >= 0) return;
    m_pages.push_back(page);
    if (m_hWnd && m_tab.m_hWnd) {
        m_tab.InsertItem(GetPageCount() - 1, page->GetTabCaption());
        if (GetPageCount() == 1) changePage(0);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* page)
{
    int index = GetPageIndex(page);
    if (index >= 0) RemovePage(index);
}

void CPropertySheet::RemovePage(int index)
{
    if (index < 0 || index >= GetPageCount()) return;
    CPropertyPage* page = m_pages[static_cast<size_t>(index)];
    bool wasActive = index == m_nCurPage;
    m_pages.erase(m_pages.begin() + index);
    m_modified.erase(std::remove(m_modified.begin(), m_modified.end(), page), m_modified.end());
    if (index < m_nCurPage) --m_nCurPage;
    if (m_hWnd && m_tab.m_hWnd) m_tab.DeleteItem(index);
    if (page->m_hWnd && m_hWnd && ::IsChild(m_hWnd, page->m_hWnd)) page->DestroyWindow();
    if (m_pages.empty()) {
        m_nCurPage = 0;
        return;
    }
    if (wasActive) {
        m_nCurPage = std::min(index, GetPageCount() - 1);
        if (m_hWnd) enterPage(m_nCurPage);
    }
    if (m_hWnd && m_tab.m_hWnd) m_tab.SetCurSel(m_nCurPage);
    updateApplyButton();
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const
{
    auto it = std::find(m_pages.begin(), m_pages.end(), page);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_pages.empty()) return nullptr;
    return GetPage(std::clamp(m_nCurPage, 0, GetPageCount() - 1));
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_pages.empty()) return 0;
    return std::clamp(m_nCurPage, 0, GetPageCount() - 1);
}

BOOL CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount()) return FALSE;
    if (!m_hWnd) {
        m_nCurPage = index;
        m_psh.nStartPage = static_cast<UINT>(index);
        return TRUE;
    }
    return changePage(index);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page)
{
    return SetActivePage(GetPageIndex(page));
}

LRESULT CPropertySheet::sendToPage(CPropertyPage* page, UINT code)
{
    if (!page || !page->m_hWnd) return 0;
    NMHDR hdr;
    hdr.hwndFrom = m_hWnd;
    hdr.idFrom = 0;
    hdr.code = code;
    return ::SendMessage(page->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hdr));
}

BOOL CPropertySheet::leavePage()
{
    CPropertyPage* page = GetActivePage();
    if (!page || !page->m_hWnd) return TRUE;
    return sendToPage(page, PSN_KILLACTIVE) ? FALSE : TRUE;
}

BOOL CPropertySheet::enterPage(int index)
{
    CPropertyPage* page = GetPage(index);
    if (!page || !m_hWnd) return FALSE;
    if (!page->m_hWnd && !page->CreatePage(this, m_displayArea)) {
        Diagnostics::Report("property sheet \"" + m_strCaption + "\": page " + CString(std::to_string(index)) +
                                        " could not be made");
        return FALSE;
    }
    if (sendToPage(page, PSN_SETACTIVE) == -1) return FALSE;
    if (!page->m_hWnd) return FALSE;
    HWND focus = ::GetFocus();
    CPropertyPage* old = GetActivePage();
    bool focusInOld = old && old != page && old->m_hWnd && focus && (focus == old->m_hWnd || ::IsChild(old->m_hWnd, focus));
    m_nCurPage = index;
    for (CPropertyPage* p : m_pages) {
        if (p != page && p->m_hWnd) p->ShowWindow(SW_HIDE);
    }
    page->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (m_tab.m_hWnd && m_tab.GetCurSel() != index) m_tab.SetCurSel(index);
    if (focusInOld || !focus || focus == m_hWnd) {
        HWND first = ::GetNextDlgTabItem(page->m_hWnd, nullptr, FALSE);
        if (first) DialogManager::FocusControl(first);
    }
    return TRUE;
}

BOOL CPropertySheet::changePage(int index)
{
    if (index < 0 || index >= GetPageCount()) return FALSE;
    int old = GetActiveIndex();
    CPropertyPage* current = GetActivePage();
    if (index == old && current && current->m_hWnd) return TRUE;
    if (current && current->m_hWnd && index != old && !leavePage()) return FALSE;
    if (enterPage(index)) return TRUE;
    // The page entered refused: the page left comes back.
    if (index != old) enterPage(old);
    return FALSE;
}

// --- running -----------------------------------------------------------------------------------------

DialogTemplate CPropertySheet::buildTemplate(DWORD style, DWORD exStyle) const
{
    DialogTemplate t;
    t.caption = m_strCaption;
    t.style = style;
    t.exStyle = exStyle;
    short cx = 0, cy = 0;
    bool fontTaken = false;
    for (CPropertyPage* page : m_pages) {
        const DialogTemplate* p = ResourceChain::Get().FindDialog(page->TemplateId());
        if (!p) continue;
        if (!fontTaken) {
            t.fontName = p->fontName;
            t.pointSize = p->pointSize;
            fontTaken = true;
        }
        cx = std::max(cx, p->cx);
        cy = std::max(cy, p->cy);
    }
    // Sized properly in OnInitDialog, once the pixels are known; this is the first guess.
    t.cx = static_cast<short>(cx + 20);
    t.cy = static_cast<short>(cy + 50);
    const DWORD button = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    t.items.push_back(DialogItem{AFX_IDC_TAB_CONTROL, "SysTabControl32", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                                 0, 4, 4, cx, cy});
    t.items.push_back(DialogItem{IDOK, "Button", "OK", button | BS_DEFPUSHBUTTON, 0, 0, 0, 50, 14});
    t.items.push_back(DialogItem{IDCANCEL, "Button", "Cancel", button | BS_PUSHBUTTON, 0, 0, 0, 50, 14});
    if (!(m_psh.dwFlags & PSH_NOAPPLYNOW)) {
        t.items.push_back(DialogItem{ID_APPLY_NOW, "Button", "&Apply", button | BS_PUSHBUTTON | WS_DISABLED, 0, 0, 0, 50, 14});
    }
    return t;
}

BOOL CPropertySheet::createSheet(DWORD style, DWORD exStyle, CWnd* parent)
{
    if (m_hWnd) return FALSE;
    m_modified.clear();
    m_pParentWnd = parent;
    const DialogTemplate t = buildTemplate(style, exStyle);
    if (!DialogManager::CreateIndirect(nullptr, t, parent ? parent->m_hWnd : nullptr, nullptr, 0, this)) {
        if (m_hWnd && !::IsWindow(m_hWnd)) m_hWnd = nullptr;
        Diagnostics::Report("property sheet \"" + m_strCaption + "\" could not be created");
        return FALSE;
    }
    return TRUE;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_pages.empty()) {
        Diagnostics::Report("property sheet \"" + m_strCaption + "\" has no pages and cannot run");
        return -1;
    }
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK | DS_CENTER;
    CWnd* parent = m_pParentWnd;
    return RunModalWindow(*this, ModalOwner(parent), parent, [&](CWnd* owner) {
        BOOL made = createSheet(style, 0, owner);
        m_pParentWnd = parent;
        return made;
    });
}

BOOL CPropertySheet::Create(CWnd* parent, DWORD style, DWORD exStyle)
{
    if (m_pages.empty()) {
        Diagnostics::Report("property sheet \"" + m_strCaption + "\" has no pages and cannot be made");
        return FALSE;
    }
    if (style == static_cast<DWORD>(-1)) {
        style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK | WS_VISIBLE;
    }
    return createSheet(style, exStyle, parent);
}

void CPropertySheet::EndDialog(int result)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) EndModalLoop(result);
    ::EndDialog(m_hWnd, result);
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CPropertySheet::OnInitDialog()
{
    m_tab.SubclassDlgItem(AFX_IDC_TAB_CONTROL, this);
    for (int i = 0; i < GetPageCount(); ++i) m_tab.InsertItem(i, m_pages[static_cast<size_t>(i)]->GetTabCaption());
    layout();
    int start = std::clamp(m_nCurPage, 0, std::max(0, GetPageCount() - 1));
    m_nCurPage = start;
    if (!enterPage(start)) {
        // The first page cannot show: try the others in turn.
        for (int i = 0; i < GetPageCount(); ++i) {
            if (i != start && enterPage(i)) break;
        }
    }
    return FALSE; // the focus went to the page
}

void CPropertySheet::MapDialogRect(LPRECT rect) const
{
    ::MapDialogRect(m_hWnd, rect);
}

void CPropertySheet::layout()
{
    CSize page(0, 0);
    for (CPropertyPage* p : m_pages) {
        const DialogTemplate* t = ResourceChain::Get().FindDialog(p->TemplateId());
        if (!t) continue;
        CRect r = DialogManager::UnitsToPixels(DialogManager::BaseUnits(t->fontName, t->pointSize), 0, 0, t->cx, t->cy);
        page.cx = std::max(page.cx, r.Width());
        page.cy = std::max(page.cy, r.Height());
    }
    // The display area, then the tab control around it.
    CRect display(0, 0, page.cx, page.cy);
    CRect tab = display;
    m_tab.AdjustRect(TRUE, &tab);
    tab.OffsetRect(kMargin - tab.left, kMargin - tab.top);
    m_tab.SetWindowPos(nullptr, tab.left, tab.top, tab.Width(), tab.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_displayArea = tab;
    m_tab.AdjustRect(FALSE, &m_displayArea);

    int y = tab.bottom + kMargin;
    int x = tab.right;
    for (int id : {ID_APPLY_NOW, IDCANCEL, IDOK}) {
        CWnd* button = GetDlgItem(id);
        if (!button) continue;
        x -= kButtonWidth;
        button->SetWindowPos(nullptr, x, y, kButtonWidth, kButtonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        x -= kButtonGap;
    }
    CRect client(0, 0, tab.right + kMargin, y + kButtonHeight + kMargin);
    CRect window = client;
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!(GetStyle() & WS_CHILD)) CenterWindow(m_pParentWnd);
}

void CPropertySheet::SetTitle(LPCTSTR title, UINT)
{
    m_strCaption = title ? title : "";
    if (m_hWnd) SetWindowText(m_strCaption);
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    return m_tab.m_hWnd ? const_cast<CTabCtrl*>(&m_tab) : nullptr;
}

BOOL CPropertySheet::PressButton(int button)
{
    if (!m_hWnd) return FALSE;
    int id = button == PSBTN_OK ? IDOK : button == PSBTN_CANCEL ? IDCANCEL : button == PSBTN_APPLYNOW ? ID_APPLY_NOW : 0;
    if (!id) return FALSE;
    HWND control = ::GetDlgItem(m_hWnd, id);
    if (control && !::IsWindowEnabled(control)) return FALSE;
    return PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

BOOL CPropertySheet::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && (::GetKeyState(VK_CONTROL) & KEY_DOWN_BIT) && GetPageCount() > 1 &&
        (msg->wParam == VK_TAB || msg->wParam == VK_NEXT || msg->wParam == VK_PRIOR)) {
        bool back = msg->wParam == VK_PRIOR || (msg->wParam == VK_TAB && (::GetKeyState(VK_SHIFT) & KEY_DOWN_BIT));
        int n = GetPageCount();
        changePage((GetActiveIndex() + (back ? n - 1 : 1)) % n);
        return TRUE;
    }
    if (CWnd::PreTranslateMessage(msg)) return TRUE;
    return DialogManager::PreTranslateInput(m_hWnd, msg);
}

// --- buttons -----------------------------------------------------------------------------------------

BOOL CPropertySheet::applyAll()
{
    if (!leavePage()) return FALSE;
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = m_pages[static_cast<size_t>(i)];
        if (!page->m_hWnd) continue;
        LRESULT r = sendToPage(page, PSN_APPLY);
        if (r == PSNRET_INVALID || r == PSNRET_INVALID_NOCHANGEPAGE) {
            if (i != GetActiveIndex()) enterPage(i);
            return FALSE;
        }
    }
    return TRUE;
}

void CPropertySheet::OnSheetOK()
{
    if (!applyAll()) return;
    EndDialog(IDOK);
}

void CPropertySheet::OnSheetCancel()
{
    CPropertyPage* active = GetActivePage();
    if (active && active->m_hWnd && sendToPage(active, PSN_QUERYCANCEL)) return;
    for (CPropertyPage* page : m_pages) sendToPage(page, PSN_RESET);
    EndDialog(IDCANCEL);
}

void CPropertySheet::OnSheetApply()
{
    if (!applyAll()) return;
    m_modified.clear();
    updateApplyButton();
}

void CPropertySheet::updateApplyButton()
{
    if (HWND apply = ::GetDlgItem(m_hWnd, ID_APPLY_NOW)) ::EnableWindow(apply, m_modified.empty() ? FALSE : TRUE);
}

// --- notifications -----------------------------------------------------------------------------------

void CPropertySheet::OnTabChanging(NMHDR*, LRESULT* result)
{
    *result = leavePage() ? FALSE : TRUE;
}

void CPropertySheet::OnTabChange(NMHDR*, LRESULT* result)
{
    int old = GetActiveIndex();
    int index = m_tab.GetCurSel();
    if (!enterPage(index)) {
        m_tab.SetCurSel(old);
        enterPage(old);
    }
    *result = 0;
}

LRESULT CPropertySheet::OnPageChanged(WPARAM wParam, LPARAM)
{
    for (CPropertyPage* page : m_pages) {
        if (page->m_hWnd == reinterpret_cast<HWND>(wParam) &&
            std::find(m_modified.begin(), m_modified.end(), page) == m_modified.end()) {
            m_modified.push_back(page);
        }
    }
    updateApplyButton();
    return 0;
}

LRESULT CPropertySheet::OnPageUnchanged(WPARAM wParam, LPARAM)
{
    m_modified.erase(std::remove_if(m_modified.begin(), m_modified.end(),
                                    [&](CPropertyPage* p) { return p->m_hWnd == reinterpret_cast<HWND>(wParam); }),
                     m_modified.end());
    updateApplyButton();
    return 0;
}

LRESULT CPropertySheet::OnSetCurSel(WPARAM wParam, LPARAM)
{
    return changePage(static_cast<int>(wParam));
}

LRESULT CPropertySheet::OnPressButton(WPARAM wParam, LPARAM)
{
    return PressButton(static_cast<int>(wParam));
}

LRESULT CPropertySheet::OnGetCurrentPageHwnd(WPARAM, LPARAM)
{
    CPropertyPage* page = GetActivePage();
    return reinterpret_cast<LRESULT>(page ? page->m_hWnd : nullptr);
}

LRESULT CPropertySheet::OnGetTabControl(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_tab.m_hWnd);
}
