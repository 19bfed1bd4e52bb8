#pragma once
// One page of a property sheet (CPropertySheet): a dialog template shown as a child of the sheet,
// in the area under its tabs. The page object lives as long as its owner wants; its window exists
// from the first time the page is shown until the sheet closes, so the members carry the values
// before, between and after modal runs.
//
// The sheet talks to the page through notifications (WM_NOTIFY from the sheet), each turned into a
// virtual call:
//   PSN_SETACTIVE  OnSetActive: the first time after the window is made nothing is exchanged (its
//                  OnInitDialog showed the members); every later time the members are written to
//                  the controls (UpdateData(FALSE)). FALSE keeps the page from showing.
//   PSN_KILLACTIVE OnKillActive: the controls are read into the members (UpdateData(TRUE)); FALSE,
//                  when a value fails, keeps the page (the operator was told, the focus is on the
//                  field).
//   PSN_APPLY      OnApply (OK or Apply pressed, for every page made): OnOK, then TRUE; FALSE
//                  keeps the sheet open on this page.
//   PSN_RESET      OnReset (Cancel pressed, for every page made): OnCancel.
//   PSN_QUERYCANCEL OnQueryCancel (the active page, before Cancel): FALSE keeps the sheet open.
// OnOK and OnCancel do nothing here: a page never ends a dialog itself, not even one made on its
// own (EndDialog does). SetModified tells the sheet that the page has changes, which enables its
// Apply button.
//
// The tab shows the string captionId when given, else the template's caption.

#include "platform/framework/CDialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);
    explicit CPropertyPage(LPCTSTR templateName, UINT captionId = 0);
    void Construct(UINT templateId, UINT captionId = 0);
    void Construct(LPCTSTR templateName, UINT captionId = 0);

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    void OnOK() override;
    void OnCancel() override;
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    void SetModified(BOOL changed = TRUE);
    BOOL IsModified() const { return m_bModified; }

    // The text of the page's tab (see above); empty when neither the string nor the template is found.
    CString GetTabCaption() const;
    UINT CaptionId() const { return m_nIDCaption; }

    // The dialog keys are the sheet's: a page lets them go up to it. A page made on its own (Create,
    // as the tool windows built on pages are) therefore has no dialog keys of its own: Tab, Enter
    // and Escape reach the control with the focus, as the framework documents for pages.
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // --- for the sheet ------------------------------------------------------------------------------
    // Makes the page's window inside the sheet, at the area given in the sheet's client coordinates,
    // hidden. FALSE (with a diagnostic) when the template is missing or the dialog fails.
    BOOL CreatePage(CWnd* sheet, const CRect& area);
    // The template the page is made from, or null (with a diagnostic).
    const DialogTemplate* PageTemplate() const;

protected:
    UINT m_nIDCaption = 0;
    BOOL m_bFirstSetActive = TRUE;
    BOOL m_bModified = FALSE;
};
