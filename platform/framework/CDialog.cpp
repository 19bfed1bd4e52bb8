#include "platform/framework/CDialog.h"

#include "platform/framework/Diagnostics.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/DialogState.h"
#include "platform/framework/ResourceChain.h"
#include "platform/framework/WindowManager.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), m_templateId(templateId) {}

CDialog::CDialog(LPCTSTR templateName, CWnd* parent) : m_pParentWnd(parent), m_templateId(templateName) {}

CDialog::~CDialog()
{
    if (::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this) {
        try {
            DestroyWindow();
        } catch (const std::exception& e) {
            Diagnostics::Report(CString("while destroying a dialog: ") + e.what());
        }
    }
}

const DialogTemplate* CDialog::findTemplate() const
{
    const DialogTemplate* t = ResourceChain::Get().FindDialog(m_templateId);
    if (!t) {
        WindowManager::Get().SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        Diagnostics::Report("dialog template " + m_templateId.Describe() +
                                        " is in no module of the resource chain");
    }
    return t;
}

BOOL CDialog::createFrom(const DialogTemplate& dialogTemplate, CWnd* parent)
{
    if (m_hWnd) return FALSE;
    m_pParentWnd = parent;
    HWND parentHandle = parent ? parent->m_hWnd : nullptr;
    HWND h = DialogManager::CreateIndirect(nullptr, dialogTemplate, parentHandle, nullptr, 0, this);
    if (!h) {
        if (m_hWnd && !::IsWindow(m_hWnd)) m_hWnd = nullptr;
        Diagnostics::Report("dialog " + dialogTemplate.id.Describe() + " \"" + dialogTemplate.caption +
                                        "\" could not be created (a control class is unknown or creation was refused)");
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_templateId = templateId;
    const DialogTemplate* t = findTemplate();
    return t ? createFrom(*t, parent) : FALSE;
}

BOOL CDialog::Create(LPCTSTR templateName, CWnd* parent)
{
    m_templateId = ResourceId(templateName);
    const DialogTemplate* t = findTemplate();
    return t ? createFrom(*t, parent) : FALSE;
}

BOOL CDialog::CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* parent)
{
    m_templateId = dialogTemplate.id;
    return createFrom(dialogTemplate, parent);
}

HWND CDialog::modalOwner() const
{
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    if (!parent || parent == ::GetDesktopWindow()) return nullptr;
    return ::GetAncestor(parent, GA_ROOT);
}

INT_PTR CDialog::DoModal()
{
    const DialogTemplate* t = findTemplate();
    if (!t) return -1;
    DialogTemplate copy = *t; // the run may outlive a module change
    return DoModalIndirect(copy);
}

INT_PTR CDialog::DoModalIndirect(const DialogTemplate& dialogTemplate)
{
    if (m_hWnd) return -1;
    m_templateId = dialogTemplate.id;
    HWND owner = modalOwner();
    bool enableOwner = false;
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        enableOwner = true;
    }
    // Whatever happens in the run (an unscripted box throws through here), the owner comes back.
    struct Restore {
        CDialog& dialog;
        HWND owner;
        bool enableOwner;
        ~Restore()
        {
            try {
                if (::IsWindow(dialog.m_hWnd)) {
                    ::SetWindowPos(dialog.m_hWnd, nullptr, 0, 0, 0, 0,
                                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
                }
                if (enableOwner && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
                if (owner && ::IsWindow(owner) && ::GetActiveWindow() != owner && ::IsWindowVisible(owner)) {
                    ::SetActiveWindow(owner);
                }
                if (::IsWindow(dialog.m_hWnd)) dialog.DestroyWindow();
            } catch (const std::exception& e) {
                Diagnostics::Report(CString("while closing a modal dialog: ") + e.what());
            }
        }
    } restore{*this, owner, enableOwner};

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    CWnd* parentWnd = m_pParentWnd;
    DialogTemplate t = dialogTemplate;
    t.style |= WS_VISIBLE; // a modal dialog is always shown
    if (!createFrom(t, owner ? FromHandle(owner) : parentWnd)) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        m_pParentWnd = parentWnd;
        return -1;
    }
    m_pParentWnd = parentWnd;
    if (m_nFlags & WF_CONTINUEMODAL) RunModalLoop();
    m_nFlags &= ~WF_CONTINUEMODAL;
    return m_nModalResult;
}

void CDialog::EndDialog(int result)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) EndModalLoop(result);
    ::EndDialog(m_hWnd, result);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    if (CWnd::PreTranslateMessage(msg)) return TRUE;
    return PreTranslateInput(msg);
}

BOOL CDialog::PreTranslateInput(MSG* msg)
{
    bool key = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    if (!key && !mouse) return FALSE;
    return ::IsDialogMessage(m_hWnd, msg);
}

void CDialog::SetDefID(UINT id)
{
    SendMessage(DM_SETDEFID, id, 0);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(SendMessage(DM_GETDEFID, 0, 0));
}

void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (control && control->m_hWnd) DialogManager::FocusControl(control->m_hWnd);
}

void CDialog::NextDlgCtrl() const
{
    HWND next = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), FALSE);
    if (next) DialogManager::FocusControl(next);
}

void CDialog::PrevDlgCtrl() const
{
    HWND prev = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), TRUE);
    if (prev) DialogManager::FocusControl(prev);
}

void CDialog::MapDialogRect(LPRECT rect) const
{
    ::MapDialogRect(m_hWnd, rect);
}
