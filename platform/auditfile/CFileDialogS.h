#pragma once
// The audited file library's Open / Save As dialog. The operator's side is played by the
// automation interface (Automation::ChooseFile, CancelFileDialog, FileDialogs()), which logs every
// dialog with the parameters given here; a dialog nobody scripted throws AutomationError.
//
//   CFileDialogS dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
//                       "Pattern File(*.ptn) | *.ptn||", this, ".");
//   if (dialog.DoModal() == IDOK) name = dialog.GetPathName();
//
// The filter is written as pairs "description|pattern|" ended by a second '|'. The initial folder
// can be given to the constructor or set in m_ofn.lpstrInitialDir before DoModal (as can the
// title and the flags); the filter, default extension and initial name are those of the
// constructor. GetPathName is the initial name until a file is chosen, then its full path;
// Cancel leaves it as it was.

#include "platform/framework/CString.h"
#include "platform/framework/CommDlg.h"

class CWnd;

class CFileDialogS {
public:
    explicit CFileDialogS(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr, LPCTSTR fileName = nullptr,
                          DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                          CWnd* parent = nullptr, LPCTSTR initialFolder = nullptr);
    virtual ~CFileDialogS() = default;
    CFileDialogS(const CFileDialogS&) = delete;
    CFileDialogS& operator=(const CFileDialogS&) = delete;

    // IDOK when the operator chose a file, IDCANCEL otherwise.
    virtual INT_PTR DoModal();

    CString GetPathName() const { return m_pathName; }
    CString GetFileName() const;  // "spots.ptn"
    CString GetFileExt() const;   // "ptn" (empty when the name has none)
    CString GetFileTitle() const; // "spots"
    BOOL IsOpenDialog() const { return m_open; }

    OPENFILENAME m_ofn;

private:
    BOOL m_open;
    CString m_defaultExtension;
    CString m_initialName;
    CString m_filter;
    CString m_initialFolder;
    CWnd* m_parent;
    CString m_pathName;
};
