#include "platform/auditfile/CFileDialogS.h"

#include "platform/framework/Automation.h"
#include "platform/framework/CWnd.h"

CFileDialogS::CFileDialogS(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName, DWORD flags,
                           LPCTSTR filter, CWnd* parent, LPCTSTR initialFolder)
    : m_open(openFileDialog), m_defaultExtension(defaultExtension), m_initialName(fileName), m_filter(filter),
      m_initialFolder(initialFolder), m_parent(parent), m_pathName(fileName)
{
    // A leading dot is the caller's way of writing the same extension.
    if (m_defaultExtension.GetLength() > 0 && m_defaultExtension[0] == '.') m_defaultExtension.Delete(0);
    m_ofn.Flags = flags;
    m_ofn.lpstrInitialDir = initialFolder ? m_initialFolder.GetString() : nullptr;
    m_ofn.lpstrDefExt = m_defaultExtension.IsEmpty() ? nullptr : m_defaultExtension.GetString();
}

INT_PTR CFileDialogS::DoModal()
{
    FileDialogRecord dialog;
    dialog.open = m_open != FALSE;
    dialog.owner = m_ofn.hwndOwner ? m_ofn.hwndOwner : (m_parent ? m_parent->GetSafeHwnd() : nullptr);
    dialog.title = m_ofn.lpstrTitle;
    dialog.filter = m_filter;
    dialog.flags = m_ofn.Flags;
    dialog.initialFolder = m_ofn.lpstrInitialDir;
    dialog.initialName = m_initialName;
    dialog.defaultExtension = m_defaultExtension;
    if (!Automation::Get().ShowFileDialog(dialog)) return IDCANCEL;
    m_pathName = dialog.path;
    return IDOK;
}

CString CFileDialogS::GetFileName() const
{
    int slash = m_pathName.ReverseFind('/');
    return slash < 0 ? m_pathName : m_pathName.Mid(slash + 1);
}

CString CFileDialogS::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot <= 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialogS::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot <= 0 ? name : name.Left(dot);
}
