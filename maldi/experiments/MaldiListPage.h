#pragma once
// The list workflow the two list pages of the MS/MS switch sheet share: one list of entries kept
// in a text file, rows entered in a modal entry dialog. What differs between the pages comes in
// as data (the file's reader and writer, the save filter, the failure text) and as the page's own
// row formatting (SetFileList) and columns.
//
//   New       the base's: empties the view and the file name, no pending changes; the list goes.
//   Add...    creates a list when there is none; the dialog starts from the last entry added.
//   Delete    removes the selected rows; the row after the last removed (or the new last) is selected.
//   dbl-click edits the selected row in the dialog.
//   Save      writes to the file name, or asks for one (Save As) when there is none.
//   Save As   the chosen path becomes the file name and is shown, whether or not it could be
//             written, so the box and the page always agree.
// Every add, edit or delete sets the pending-changes flag; writing the file clears it. A file that
// cannot be written is reported to the operator and keeps the flag set, so the sheet still warns.
// A file that cannot be read leaves the page without a list, without a message.

#include <vector>

#include "maldi/experiments/MaldiEntryList.h"
#include "platform/auditfile/CFileDialogS.h"
#include "platform/experimentpages/CQuadFSBasePropPage.h"

template <class Entry, class EntryDialog>
class MaldiListPage : public CQuadFSBasePropPage {
public:
    using List = MaldiEntryList<Entry>;
    struct FileKind {
        List* (*read)(LPCTSTR path);
        bool (*write)(LPCTSTR path, const List* list);
        LPCTSTR filter;     // of the Save As dialog
        LPCTSTR writeError; // the operator's message, followed by the path
    };

    ~MaldiListPage() override { m_pList = List::Destroy(m_pList); }

    const List* GetList() const { return m_pList; }
    const Entry& GetLastEntry() const { return m_LastEntry; }

    void SetupForNewList() override
    {
        CQuadFSBasePropPage::SetupForNewList();
        m_pList = List::Destroy(m_pList);
    }

    void ReadFile() override
    {
        if (m_strFileName.IsEmpty()) return;
        m_pList = List::Destroy(m_pList);
        m_pList = m_kind.read(m_strFileName);
        if (m_pList != nullptr) RefreshListView();
    }

    void EditListEntry() override
    {
        POSITION position = m_ListCtrl.GetFirstSelectedItemPosition();
        if (position == nullptr || m_pList == nullptr) return;
        const int row = m_ListCtrl.GetNextSelectedItem(position);
        if (row >= List::Count(m_pList)) return;

        EntryDialog dialog(GetParent());
        dialog.m_Entry = m_pList->pEntries[row];
        if (dialog.DoModal() != IDOK) return;
        List::Replace(m_pList, row, dialog.m_Entry);
        EnableSaveButtons(TRUE);
        RefreshListView();
    }

    void OnFunctionSwitchAddButton() override
    {
        if (m_pList == nullptr) m_pList = List::Create(100);
        if (m_pList == nullptr) return;

        EntryDialog dialog(GetParent());
        dialog.m_Entry = m_LastEntry;
        if (dialog.DoModal() != IDOK) return;
        m_LastEntry = dialog.m_Entry;
        if (List::Append(m_pList, m_LastEntry)) {
            EnableSaveButtons(TRUE);
            RefreshListView();
        }
    }

    void OnFunctionSwitchDeleteButton() override
    {
        if (m_ListCtrl.GetSelectedCount() == 0) return;
        const int count = GetSelectedItems();
        int handled = -1;
        for (int k = count - 1; k >= 0; --k) {
            handled = GetNextSelectedItem(k);
            if (m_pList != nullptr && List::Remove(m_pList, handled)) {
                EnableSaveButtons(TRUE);
                RefreshListView();
            }
        }
        m_ListCtrl.SetFocus();
        if (handled == List::Count(m_pList)) --handled;
        m_ListCtrl.SetItemState(handled, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    void OnFunctionSwitchSaveButton() override
    {
        if (m_pList == nullptr) return;
        if (m_strFileName.IsEmpty()) {
            OnFunctionSwitchSaveAsButton();
            return;
        }
        WriteList();
    }

    void OnFunctionSwitchSaveAsButton() override
    {
        CFileDialogS dialog(FALSE, "", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, m_kind.filter, this, ".");
        if (dialog.DoModal() != IDOK) return;
        m_strFileName = dialog.GetPathName();
        if (m_strFileName.IsEmpty() || m_pList == nullptr) return;
        WriteList();
        ShowFileName();
    }

protected:
    MaldiListPage(UINT templateId, UINT captionId, const FileKind& kind)
        : CQuadFSBasePropPage(templateId, captionId), m_kind(kind)
    {
    }

    // The six list controls follow `enable`; Save and Save As are enabled only with pending changes.
    void EnableListControls(BOOL enable)
    {
        for (int id : {IDC_FILE_NAME, IDC_BROWSE, IDC_FILE_LIST, IDC_NEW, IDC_ADD, IDC_DELETE})
            GetDlgItem(id)->EnableWindow(enable);
        if (enable) {
            EnableSaveButtons(m_bChangesPending);
        } else {
            GetDlgItem(IDC_SAVE)->EnableWindow(FALSE);
            GetDlgItem(IDC_SAVE_AS)->EnableWindow(FALSE);
        }
    }

    void RefreshListView()
    {
        const int count = List::Count(m_pList);
        std::vector<Entry> copy(static_cast<std::size_t>(count));
        if (!List::CopyOut(m_pList, copy.data())) return;
        ClearList();
        SetFileList(copy.data(), count);
    }

private:
    bool WriteList()
    {
        if (m_kind.write(m_strFileName, m_pList)) {
            EnableSaveButtons(FALSE);
            return true;
        }
        MessageBox(CString(m_kind.writeError) + m_strFileName, nullptr, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }

    const FileKind m_kind;
    List* m_pList = nullptr;
    Entry m_LastEntry{};
};
