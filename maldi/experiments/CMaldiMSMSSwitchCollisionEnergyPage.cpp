#include "maldi/experiments/CMaldiMSMSSwitchCollisionEnergyPage.h"

#include <vector>

#include "maldi/experiments/CMaldiCERangeDialog.h"
#include "maldi/experiments/MaldiListFile.h"
#include "maldi/resources/MaldiResources.h"
#include "maldi/resources/MaldiSwitchMassIds.h"
#include "platform/auditfile/CFileDialogS.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiMSMSSwitchCollisionEnergyPage, CQuadFSBasePropPage)

BEGIN_MESSAGE_MAP(CMaldiMSMSSwitchCollisionEnergyPage, CQuadFSBasePropPage)
    ON_BN_CLICKED(IDC_CE_USE_TUNE_PAGE, &CMaldiMSMSSwitchCollisionEnergyPage::OnRadioClicked)
    ON_BN_CLICKED(IDC_CE_USE_FIXED, &CMaldiMSMSSwitchCollisionEnergyPage::OnRadioClicked)
    ON_BN_CLICKED(IDC_CE_USE_PROFILE, &CMaldiMSMSSwitchCollisionEnergyPage::OnRadioClicked)
END_MESSAGE_MAP()

CMaldiMSMSSwitchCollisionEnergyPage::CMaldiMSMSSwitchCollisionEnergyPage(UINT templateId, UINT captionId)
    : CQuadFSBasePropPage(templateId, captionId)
{
    MaldiResources::Module();
}

CMaldiMSMSSwitchCollisionEnergyPage::~CMaldiMSMSSwitchCollisionEnergyPage()
{
    m_pProfileList = MaldiCEProfileList::Destroy(m_pProfileList);
}

void CMaldiMSMSSwitchCollisionEnergyPage::DoDataExchange(CDataExchange* dx)
{
    CQuadFSBasePropPage::DoDataExchange(dx);
    DDX_Check(dx, static_cast<int>(IDC_CE_USE_TUNE_PAGE), m_bUseTunePageCE);
    DDX_Check(dx, static_cast<int>(IDC_CE_USE_FIXED), m_bUseFixedCE);
    DDX_Check(dx, static_cast<int>(IDC_CE_USE_PROFILE), m_bUseCEProfile);
    DDX_Text(dx, static_cast<int>(IDC_CE_FIXED_ENERGY), m_dFixedCE);
    DDX_Text(dx, IDC_FILE_NAME, m_strFileName);
    DDX_Control(dx, static_cast<int>(IDC_CE_FIXED_ENERGY), m_FixedCEEdit);

    // Enabling follows the first two radios only.
    m_FixedCEEdit.EnableWindow(m_bUseFixedCE);
    const BOOL profile = !m_bUseTunePageCE && !m_bUseFixedCE;
    for (int id : {IDC_FILE_NAME, IDC_BROWSE, IDC_FILE_LIST, IDC_NEW, IDC_ADD, IDC_DELETE})
        GetDlgItem(id)->EnableWindow(profile);
    if (profile) {
        EnableSaveButtons(m_bChangesPending);
    } else {
        GetDlgItem(IDC_SAVE)->EnableWindow(FALSE);
        GetDlgItem(IDC_SAVE_AS)->EnableWindow(FALSE);
    }
}

BOOL CMaldiMSMSSwitchCollisionEnergyPage::OnInitDialog()
{
    CQuadFSBasePropPage::OnInitDialog();
    EnableSaveButtons(FALSE);
    static const char* const kHeadings[7] = {"From Mass  ", "To Mass    ", "CE 1 ", "CE 2 ", "CE 3 ", "CE 4 ", "CE 5 "};
    for (int column = 0; column < 7; ++column)
        m_ListCtrl.InsertColumn(column, kHeadings[column], LVCFMT_LEFT, m_ListCtrl.GetStringWidth(kHeadings[column]) + 15,
                                column);
    m_ListCtrl.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    ReadFile();
    return TRUE;
}

void CMaldiMSMSSwitchCollisionEnergyPage::OnRadioClicked()
{
    UpdateData(TRUE);
}

void CMaldiMSMSSwitchCollisionEnergyPage::RefreshListView()
{
    const int count = MaldiCEProfileList::Count(m_pProfileList);
    std::vector<MaldiCEProfileEntry> copy(static_cast<std::size_t>(count));
    if (!MaldiCEProfileList::CopyOut(m_pProfileList, copy.data())) return;
    ClearList();
    SetFileList(copy.data(), count);
}

void CMaldiMSMSSwitchCollisionEnergyPage::ReadFile()
{
    if (m_strFileName.IsEmpty()) return;
    m_pProfileList = MaldiCEProfileList::Destroy(m_pProfileList);
    m_pProfileList = MaldiListFile::ReadProfile(m_strFileName);
    if (m_pProfileList != nullptr) RefreshListView();
}

void CMaldiMSMSSwitchCollisionEnergyPage::SetFileList(void* entries, int count)
{
    if (entries == nullptr || count < 1) return;
    const auto* rows = static_cast<const MaldiCEProfileEntry*>(entries);
    for (int i = 0; i < count; ++i) {
        CString text;
        text.Format("%.4f", rows[i].dFromMass);
        m_ListCtrl.InsertItem(i, text);
        text.Format("%.4f", rows[i].dToMass);
        m_ListCtrl.SetItemText(i, 1, text);
        for (int k = 1; k <= 5; ++k) {
            if ((rows[i].wFlags & MaldiCEProfileEntry::CollisionEnergyBit(k)) == 0) continue;
            text.Format("%.2f", rows[i].dCollisionEnergy[k - 1]);
            m_ListCtrl.SetItemText(i, k + 1, text);
        }
    }
}

void CMaldiMSMSSwitchCollisionEnergyPage::EditListEntry()
{
    POSITION position = m_ListCtrl.GetFirstSelectedItemPosition();
    if (position == nullptr || m_pProfileList == nullptr) return;
    const int row = m_ListCtrl.GetNextSelectedItem(position);
    if (row >= MaldiCEProfileList::Count(m_pProfileList)) return;

    CMaldiCERangeDialog dialog(GetParent());
    dialog.m_Entry = m_pProfileList->pEntries[row];
    if (dialog.DoModal() != IDOK) return;
    MaldiCEProfileList::Replace(m_pProfileList, row, dialog.m_Entry);
    EnableSaveButtons(TRUE);
    RefreshListView();
}

void CMaldiMSMSSwitchCollisionEnergyPage::OnFunctionSwitchAddButton()
{
    if (m_pProfileList == nullptr) m_pProfileList = MaldiCEProfileList::Create(100);
    if (m_pProfileList == nullptr) return;

    CMaldiCERangeDialog dialog(GetParent());
    dialog.m_Entry = m_LastEntry;
    if (dialog.DoModal() != IDOK) return;
    m_LastEntry = dialog.m_Entry;
    if (MaldiCEProfileList::Append(m_pProfileList, m_LastEntry)) {
        EnableSaveButtons(TRUE);
        RefreshListView();
    }
}

void CMaldiMSMSSwitchCollisionEnergyPage::OnFunctionSwitchDeleteButton()
{
    if (m_ListCtrl.GetSelectedCount() == 0) return;
    const int count = GetSelectedItems();
    int handled = -1;
    for (int k = count - 1; k >= 0; --k) {
        handled = GetNextSelectedItem(k);
        if (m_pProfileList != nullptr && MaldiCEProfileList::Remove(m_pProfileList, handled)) {
            EnableSaveButtons(TRUE);
            RefreshListView();
        }
    }
    m_ListCtrl.SetFocus();
    if (handled == MaldiCEProfileList::Count(m_pProfileList)) --handled;
    m_ListCtrl.SetItemState(handled, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

bool CMaldiMSMSSwitchCollisionEnergyPage::WriteList(const CString& path)
{
    if (MaldiListFile::WriteProfile(path, m_pProfileList)) {
        EnableSaveButtons(FALSE);
        return true;
    }
    MessageBox("The collision energy profile could not be written to\n" + path, nullptr, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void CMaldiMSMSSwitchCollisionEnergyPage::OnFunctionSwitchSaveButton()
{
    if (m_pProfileList == nullptr) return;
    if (m_strFileName.IsEmpty()) {
        OnFunctionSwitchSaveAsButton();
        return;
    }
    WriteList(m_strFileName);
}

void CMaldiMSMSSwitchCollisionEnergyPage::OnFunctionSwitchSaveAsButton()
{
    CFileDialogS dialog(FALSE, "", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                        "CEProfile Files (*.txt) | *.txt||", this, ".");
    if (dialog.DoModal() != IDOK) return;
    m_strFileName = dialog.GetPathName();
    if (m_strFileName.IsEmpty() || m_pProfileList == nullptr) return;
    if (WriteList(m_strFileName)) ShowFileName();
}

void CMaldiMSMSSwitchCollisionEnergyPage::SetupForNewList()
{
    CQuadFSBasePropPage::SetupForNewList();
    m_pProfileList = MaldiCEProfileList::Destroy(m_pProfileList);
}
