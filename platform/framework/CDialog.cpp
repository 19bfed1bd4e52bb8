#include "platform/framework/CDialog.h"

#include "platform/framework/Diagnostics.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/DialogState.h"
#include "platform/framework/ModalRun.h"
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
    return ModalOwner(m_pParentWnd);
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
    CWnd* parentWnd = m_pParentWnd;
    DialogTemplate t = dialogTemplate;
    t.style |= WS_VISIBLE; // a modal dialog is always shown
    return RunModalWindow(*this, modalOwner(), parentWnd, [&](CWnd* owner) {
        BOOL made = createFrom(t, owner);
        m_pParentWnd = parentWnd;
        return made;
    });
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
    return DialogManager::PreTranslateInput(m_hWnd, msg);
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
