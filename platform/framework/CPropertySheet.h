#pragma once
// A property sheet: a window with a row of tabs, one page (CPropertyPage) shown under them at a
// time, and OK, Cancel and Apply buttons. As in the documented framework the sheet is a window of
// its own (a CWnd), not a dialog; it is run like one: DoModal runs it through the automation's
// modal run, EndDialog ends it with a result, Create makes it modeless, OnInitDialog is called
// once its window and buttons exist, and the dialog keys (Tab, Enter, Escape) work in it.
//
// Pages are added (AddPage) before or during a run; the sheet does not own them. The sheet's window
// is laid out when it is made: the display area is as large as the largest page template (in the
// first page's font), the tabs around it, the buttons right-aligned below. Pages are made when first
// shown and destroyed with the sheet; until then and afterwards the page objects keep their
// members.
//
// Changing the page (a tab pressed, Ctrl+Tab / Ctrl+Shift+Tab, Ctrl+Page Down / Up, SetActivePage
// while running): the page left runs OnKillActive, which exchanges its data; when that fails the
// page stays and the tab stays. The page entered is made if needed and runs OnSetActive; when that
// refuses, the page left comes back. Before the run SetActivePage only chooses the first page.
//
// OK (the button, Enter, PressButton): the active page runs OnKillActive (it stays when that
// fails), then every page made runs OnApply, whose default calls OnOK (a page that answers FALSE
// becomes the active page and the sheet stays open); then EndDialog(IDOK). Apply does the same
// without ending, and greys itself. Cancel (the button, Escape, the close box): the active page's
// OnQueryCancel may refuse; every page made runs OnReset, whose default calls OnCancel; then
// EndDialog(IDCANCEL). A class derived from the sheet that maps IDOK or IDCANCEL to a handler of
// its own replaces these steps; the handler may complete them with OnSheetOK / OnSheetCancel.
//
// A sheet without pages does not run: DoModal returns -1 with a diagnostic.

#include <vector>

#include "platform/framework/CWnd.h"
#include "platform/framework/DialogTemplate.h"
#include "platform/framework/CPropertyPage.h"
#include "platform/framework/CTabCtrl.h"

// PROPSHEETHEADER flags the sheet honours.
constexpr DWORD PSH_NOAPPLYNOW = 0x00000080;

struct PROPSHEETHEADER {
    DWORD dwFlags = 0;
    UINT nStartPage = 0;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);
    explicit CPropertySheet(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);
    void Construct(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);
    void Construct(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);
    ~CPropertySheet() override;

    // --- pages ----------------------------------------------------------------------------------------
    // A null page or one already added is ignored.
    void AddPage(CPropertyPage* page);
    void RemovePage(CPropertyPage* page);
    void RemovePage(int index);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // Null for an index out of range.
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    // The page shown (before the run: the page that will be shown first); null without pages.
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page);

    // --- the sheet --------------------------------------------------------------------------------------
    // Modal: the owner (parent, else the active window) is disabled meanwhile; returns the EndDialog
    // result, -1 when the sheet cannot be made.
    virtual INT_PTR DoModal();
    // Modeless: shown at once (WS_VISIBLE) unless the style leaves it out.
    virtual BOOL Create(CWnd* parent = nullptr, DWORD style = static_cast<DWORD>(-1), DWORD exStyle = 0);
    // Ends a modal run with the result; a modeless sheet is hidden.
    void EndDialog(int result);
    virtual BOOL OnInitDialog();
    void SetTitle(LPCTSTR title, UINT style = 0);
    CString GetTitle() const { return m_strCaption; }
    CTabCtrl* GetTabControl() const;
    // PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW: as the operator pressing it (posted).
    BOOL PressButton(int button);
    // Dialog units of the sheet's font to pixels.
    void MapDialogRect(LPRECT rect) const;
    BOOL PreTranslateMessage(MSG* msg) override;

    PROPSHEETHEADER m_psh;
    CWnd* m_pParentWnd = nullptr;

    // Pixels: margin around the tabs and between the buttons, and the buttons' size.
    static constexpr int kMargin = 7;
    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 23;
    static constexpr int kButtonGap = 6;

protected:
    // The sheet's own handling of its buttons (see the header comment).
    void OnSheetOK();
    void OnSheetCancel();
    void OnSheetApply();
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTabChanging(NMHDR* hdr, LRESULT* result);
    afx_msg void OnTabChange(NMHDR* hdr, LRESULT* result);
    afx_msg LRESULT OnPageChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPageUnchanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCurSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPressButton(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetCurrentPageHwnd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTabControl(WPARAM wParam, LPARAM lParam);

private:
    // A sheet is made by Create or DoModal only.
    using CWnd::Create;
    DialogTemplate buildTemplate(DWORD style, DWORD exStyle) const;
    BOOL createSheet(DWORD style, DWORD exStyle, CWnd* parent);
    void layout();
    // The page left: FALSE when it keeps the focus (its data did not exchange).
    BOOL leavePage();
    // The page entered (made when needed): FALSE when it cannot be made or refuses.
    BOOL enterPage(int index);
    BOOL changePage(int index);
    LRESULT sendToPage(CPropertyPage* page, UINT code);
    // OK and Apply: the active page's OnKillActive, then every made page's OnApply.
    BOOL applyAll();
    void updateApplyButton();

    std::vector<CPropertyPage*> m_pages;
    std::vector<CPropertyPage*> m_modified;
    CString m_strCaption;
    int m_nCurPage = 0;
    CRect m_displayArea; // sheet client coordinates
    CTabCtrl m_tab;

    DECLARE_MESSAGE_MAP()
};
