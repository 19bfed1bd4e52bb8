#pragma once
// A page of a function-switch experiment whose entries are a list kept in a text file: a report
// list view (IDC_FILE_LIST), the file name box (IDC_FILE_NAME, shown only), "..." to choose a file
// and the buttons New, Add..., Delete, Save and Save As... The derived page owns the entries and
// their file format; this base owns the list view, the file name and the pending-changes flag
// (entries changed and not yet written).
//
// The buttons are mapped here and dispatched through the virtual operations, so a derived page
// only overrides them. What the base does itself:
//   New       SetupForNewList: empties the list view and the file name, no pending changes.
//   "..."     an open dialog for "*.txt"; on OK the chosen path becomes the file name, the list
//             view is emptied, ReadFile() reads it and there are no pending changes.
//   double click on a row: EditListEntry().
// A derived page brings its own template and keeps the control ids below.

#include <vector>

#include "platform/framework/CListCtrl.h"
#include "platform/framework/CPropertyPage.h"

class CQuadFSBasePropPage : public CPropertyPage {
    DECLARE_DYNAMIC(CQuadFSBasePropPage)
public:
    static constexpr int IDC_NEW = 15001;
    static constexpr int IDC_ADD = 15002;
    static constexpr int IDC_DELETE = 15003;
    static constexpr int IDC_SAVE = 15004;
    static constexpr int IDC_SAVE_AS = 15005;
    static constexpr int IDC_FILE_LIST = 15006;
    static constexpr int IDC_FILE_NAME = 15007;
    static constexpr int IDC_BROWSE = 15008;

    CQuadFSBasePropPage(UINT templateId, UINT captionId);

    CString m_strFileName;          // the list file the page reads and writes
    BOOL m_bChangesPending = FALSE; // entries changed and not yet written to m_strFileName

    // Sets the pending-changes flag; Save and Save As are enabled exactly when it is TRUE.
    void EnableSaveButtons(BOOL pending);

    // Virtual operations, in this order.
    virtual void SetupForNewList();
    virtual void ClearList();
    virtual void ReadFile() = 0;
    virtual void SetFileList(void* entries, int count) = 0;
    virtual void EditListEntry() = 0;
    virtual void OnFunctionSwitchNewButton();
    virtual void OnFunctionSwitchAddButton() = 0;
    virtual void OnFunctionSwitchDeleteButton() = 0;
    virtual void OnFunctionSwitchSaveAsButton() = 0;
    virtual void OnFunctionSwitchSaveButton() = 0;
    virtual void OnFunctionSwitchBrowseButton();
    virtual void OnDblclkFileListCtrl(NMHDR* header, LRESULT* result);

    BOOL OnInitDialog() override;

protected:
    // Adds a left-aligned column as wide as its heading plus 15 pixels.
    void SetListViewHeader(CString heading, int column);
    // Takes a snapshot of the selected rows (index order); GetNextSelectedItem(k) is its k-th row,
    // -1 outside it.
    int GetSelectedItems();
    int GetNextSelectedItem(int k) const;
    // Shows m_strFileName in the file name box.
    void ShowFileName();

    void DoDataExchange(CDataExchange* dx) override;

    CListCtrl m_ListCtrl;

private:
    void OnNewClicked() { OnFunctionSwitchNewButton(); }
    void OnAddClicked() { OnFunctionSwitchAddButton(); }
    void OnDeleteClicked() { OnFunctionSwitchDeleteButton(); }
    void OnSaveClicked() { OnFunctionSwitchSaveButton(); }
    void OnSaveAsClicked() { OnFunctionSwitchSaveAsButton(); }
    void OnBrowseClicked() { OnFunctionSwitchBrowseButton(); }
    void OnListDblclk(NMHDR* header, LRESULT* result) { OnDblclkFileListCtrl(header, result); }

    std::vector<int> m_selected;

    DECLARE_MESSAGE_MAP()
};
