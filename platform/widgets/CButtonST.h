#pragma once
// The widget library's icon button: a push button of a dialog, taken over by subclassing
// (SubclassDlgItem or DDX_Control), that paints an icon centred on a classic button face.
//
//   SetIcon(id, 0)      the icon resource with that id, found through the resource chain; a second
//                       id names the icon shown while the button is pushed in (0: the same icon).
//                       An id no module holds changes nothing and returns BTNST_INVALIDRESOURCE.
//   SetTooltipText(id)  the string with that id becomes the button's tooltip (a standard tooltip
//                       control owned by the button, fed by the button's relayed mouse messages).
//                       An id no module holds leaves the tooltip as it was.
//   GetCheck/SetCheck   a two-state check of the button's own (a push button has none), kept in
//                       the object, so it survives repainting and is also what BM_GETCHECK answers
//                       to anyone asking the window. A checked button paints pushed in. Clicking
//                       does not toggle it: the owner decides.
//   ButtonPressed       true from the operator's press on the button until the release reaches
//                       it. A button disabled while held never sees the release (a disabled
//                       window takes no input), so its owner calls ClearButtonPressed.
// Disabled, it paints its icon greyed.

#include <memory>

#include "platform/framework/CButton.h"
#include "platform/framework/CToolTipCtrl.h"
#include "platform/framework/IconImage.h"

class CButtonST : public CButton {
    DECLARE_DYNAMIC(CButtonST)
public:
    static constexpr DWORD BTNST_OK = 0;
    static constexpr DWORD BTNST_INVALIDRESOURCE = 1;
    static constexpr DWORD BTNST_FAILEDMASK = 2;

    CButtonST();
    ~CButtonST() override;

    DWORD SetIcon(int iconIn, int iconOut = 0);
    DWORD SetIcon(HICON iconIn, HICON iconOut = nullptr);
    HICON GetIconIn() const { return m_iconIn; }
    HICON GetIconOut() const { return m_iconOut; }

    DWORD SetTooltipText(int textId, BOOL activate = TRUE);
    DWORD SetTooltipText(LPCTSTR text, BOOL activate = TRUE);
    void ActivateTooltip(BOOL activate = TRUE);
    const CString& GetTooltipText() const { return m_tooltipText; }
    BOOL IsTooltipActive() const { return m_tooltipActive; }
    // The tooltip control, once the button has a window and a text.
    HWND GetTooltipWindow() const { return m_tooltip.m_hWnd; }

    int GetCheck() const { return m_check; }
    DWORD SetCheck(int check, BOOL repaint = TRUE);

    BOOL ButtonPressed() const { return m_pressed; }
    void ClearButtonPressed() { m_pressed = FALSE; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnGetCheckMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCheckMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetStateMessage(WPARAM wParam, LPARAM lParam);

private:
    void updateTooltip();

    HICON m_iconIn = nullptr;
    HICON m_iconOut = nullptr;
    std::unique_ptr<HICON__> m_grey;  // the disabled look of m_greyOf, made once
    HICON m_greyOf = nullptr;
    int m_check = BST_UNCHECKED;
    BOOL m_pressed = FALSE;
    CString m_tooltipText;
    BOOL m_tooltipActive = TRUE;
    CToolTipCtrl m_tooltip;

    DECLARE_MESSAGE_MAP()
};
