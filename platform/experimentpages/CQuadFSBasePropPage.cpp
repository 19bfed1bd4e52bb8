#include "platform/experimentpages/CQuadFSBasePropPage.h"

#include "platform/auditfile/CFileDialogS.h"
#include "platform/experimentpages/QuadFSResources.h"
#include "platform/framework/DDX.h"

IMPLEMENT_DYNAMIC(CQuadFSBasePropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CQuadFSBasePropPage, CPropertyPage)
    ON_BN_CLICKED(IDC_NEW, &CQuadFSBasePropPage::OnNewClicked)
    ON_BN_CLICKED(IDC_ADD, &CQuadFSBasePropPage::OnAddClicked)
    ON_BN_CLICKED(IDC_DELETE, &CQuadFSBasePropPage::OnDeleteClicked)
    ON_BN_CLICKED(IDC_SAVE, &CQuadFSBasePropPage::OnSaveClicked)
    ON_BN_CLICKED(IDC_SAVE_AS, &CQuadFSBasePropPage::OnSaveAsClicked)
    ON_BN_CLICKED(IDC_BROWSE, &CQuadFSBasePropPage::OnBrowseClicked)
    ON_NOTIFY(NM_DBLCLK, IDC_FILE_LIST, &CQuadFSBasePropPage::OnListDblclk)
END_MESSAGE_MAP()

CQuadFSBasePropPage::CQuadFSBasePropPage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId)
{
    QuadFSResources::Module();
}

void CQuadFSBasePropPage::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_FILE_LIST, m_ListCtrl);
}

BOOL CQuadFSBasePropPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    ShowFileName();
    return TRUE;
}

void CQuadFSBasePropPage::EnableSaveButtons(BOOL pending)
{
    m_bChangesPending = pending;
    if (GetSafeHwnd() == nullptr) return;
    if (CWnd* save = GetDlgItem(IDC_SAVE)) save->EnableWindow(pending);
    if (CWnd* saveAs = GetDlgItem(IDC_SAVE_AS)) saveAs->EnableWindow(pending);
}

void CQuadFSBasePropPage::SetupForNewList()
{
    ClearList();
    m_strFileName.Empty();
    ShowFileName();
    EnableSaveButtons(FALSE);
}

void CQuadFSBasePropPage::ClearList()
{
    if (m_ListCtrl.GetSafeHwnd() != nullptr) m_ListCtrl.DeleteAllItems();
}

void CQuadFSBasePropPage::OnFunctionSwitchNewButton()
{
    SetupForNewList();
}

void CQuadFSBasePropPage::OnFunctionSwitchBrowseButton()
{
    CFileDialogS dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, "List Files (*.txt) | *.txt||",
                        this);
    if (dialog.DoModal() != IDOK) return;
    m_strFileName = dialog.GetPathName();
    ShowFileName();
    ClearList();
    ReadFile();
    EnableSaveButtons(FALSE);
}

void CQuadFSBasePropPage::OnDblclkFileListCtrl(NMHDR*, LRESULT* result)
{
    EditListEntry();
    if (result != nullptr) *result = 0;
}

void CQuadFSBasePropPage::SetListViewHeader(CString heading, int column)
{
    m_ListCtrl.InsertColumn(column, heading, LVCFMT_LEFT, m_ListCtrl.GetStringWidth(heading) + 15, column);
}

int CQuadFSBasePropPage::GetSelectedItems()
{
    m_selected.clear();
    if (m_ListCtrl.GetSafeHwnd() == nullptr) return 0;
    POSITION position = m_ListCtrl.GetFirstSelectedItemPosition();
    while (position != nullptr) m_selected.push_back(m_ListCtrl.GetNextSelectedItem(position));
    return static_cast<int>(m_selected.size());
}

int CQuadFSBasePropPage::GetNextSelectedItem(int k) const
{
    if (k < 0 || k >= static_cast<int>(m_selected.size())) return -1;
    return m_selected[static_cast<std::size_t>(k)];
}

void CQuadFSBasePropPage::ShowFileName()
{
    if (GetSafeHwnd() != nullptr && GetDlgItem(IDC_FILE_NAME) != nullptr) SetDlgItemText(IDC_FILE_NAME, m_strFileName);
}
