#include "platform/framework/CDataExchange.h"

#include "platform/framework/CUserException.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/FrameworkError.h"

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{
}

HWND CDataExchange::PrepareCtrl(int id)
{
    HWND control = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    if (!control) {
        CString caption;
        if (m_pDlgWnd) m_pDlgWnd->GetWindowText(caption);
        CString what;
        what.Format("data exchange with control %d, which window \"%s\" does not have", id, caption.GetString());
        throw FrameworkError(what.str());
    }
    m_idLastControl = id;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != 0 && m_pDlgWnd) {
        HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl);
        if (control) {
            if (m_bEditLastControl) {
                DialogManager::FocusControl(control);
            } else {
                ::SetFocus(control);
            }
        }
    }
    throw CUserException();
}
