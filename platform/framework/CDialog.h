#pragma once
// A dialog made from a template of the resource chain (see DialogManager for how templates become
// windows and how the dialog handles keys).
//
// Modeless: Create(template, parent) makes the window (parent may be null or the desktop window:
// the dialog then floats on its own); it shows itself if the template says WS_VISIBLE.
// Modal: DoModal makes the window, disables the parent's top-level window, shows the dialog and
// runs the modal loop: the automation interface plays what the operator does (Automation::
// OnNextModal); DoModal returns the EndDialog result, or -1 when the dialog could not be made.
// Afterwards the window is destroyed and the parent enabled again; the object keeps its members.
//
// OnInitDialog moves the members into the controls (UpdateData(FALSE)); OnOK reads them back
// (UpdateData(TRUE)) and ends with IDOK only when every value is valid; OnCancel ends with IDCANCEL.
// EndDialog on a modeless dialog hides it.

#include "platform/framework/CWnd.h"
#include "platform/framework/DialogTemplate.h"
#include "platform/framework/ResourceId.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCTSTR templateName, CWnd* parent = nullptr);
    ~CDialog() override;

    using CWnd::Create;
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    virtual BOOL Create(LPCTSTR templateName, CWnd* parent = nullptr);
    virtual BOOL CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
    virtual INT_PTR DoModal();
    // Runs modally from a template given directly instead of by id.
    INT_PTR DoModalIndirect(const DialogTemplate& dialogTemplate);
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* msg) override;

    void SetDefID(UINT id);
    DWORD GetDefID() const;
    void GotoDlgCtrl(CWnd* control);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void MapDialogRect(LPRECT rect) const;

    const ResourceId& TemplateId() const { return m_templateId; }
    CWnd* m_pParentWnd = nullptr;

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    BOOL PreTranslateInput(MSG* msg);
    const DialogTemplate* findTemplate() const;
    BOOL createFrom(const DialogTemplate& dialogTemplate, CWnd* parent);
    HWND modalOwner() const;

    ResourceId m_templateId;

    DECLARE_MESSAGE_MAP()
};
