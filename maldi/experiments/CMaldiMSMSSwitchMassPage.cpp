#include "maldi/experiments/CMaldiMSMSSwitchMassPage.h"

#include <cstdlib>
#include <vector>

#include "maldi/experiments/CMaldiSetMassDialog.h"
#include "maldi/experiments/MaldiListFile.h"
#include "maldi/resources/MaldiResources.h"
#include "maldi/resources/MaldiSwitchMassIds.h"
#include "platform/auditfile/CFileDialogS.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiMSMSSwitchMassPage, CQuadFSBasePropPage)

BEGIN_MESSAGE_MAP(CMaldiMSMSSwitchMassPage, CQuadFSBasePropPage)
    ON_BN_CLICKED(IDC_SM_SINGLE_MASS, &CMaldiMSMSSwitchMassPage::OnSingleMass)
    ON_BN_CLICKED(IDC_SM_SAMPLE_LIST_ENTRIES, &CMaldiMSMSSwitchMassPage::OnSampleListEntries)
    ON_BN_CLICKED(IDC_SM_SAMPLE_LIST_FILE, &CMaldiMSMSSwitchMassPage::OnSampleListFile)
    ON_BN_CLICKED(IDC_SM_LIST_BELOW, &CMaldiMSMSSwitchMassPage::OnListBelow)
END_MESSAGE_MAP()

CMaldiMSMSSwitchMassPage::CMaldiMSMSSwitchMassPage(UINT templateId, UINT captionId)
    : CQuadFSBasePropPage(templateId, captionId)
{
    MaldiResources::Module();
}

CMaldiMSMSSwitchMassPage::~CMaldiMSMSSwitchMassPage()
{
    m_pMassList = MaldiSwitchMassList::Destroy(m_pMassList);
}

void CMaldiMSMSSwitchMassPage::DoDataExchange(CDataExchange* dx)
{
    CQuadFSBasePropPage::DoDataExchange(dx);
    DDX_Control(dx, static_cast<int>(IDC_SM_SINGLE_MASS_VALUE), m_SingleMassEdit);
    DDX_Check(dx, static_cast<int>(IDC_SM_SINGLE_MASS), m_bUseSingleMass);
    DDX_Check(dx, static_cast<int>(IDC_SM_SAMPLE_LIST_ENTRIES), m_bUseSampleListEntries);
    DDX_Check(dx, static_cast<int>(IDC_SM_SAMPLE_LIST_FILE), m_bUseSampleListFile);
    DDX_Check(dx, static_cast<int>(IDC_SM_LIST_BELOW), m_bUseListBelow);
    DDX_Text(dx, static_cast<int>(IDC_SM_SINGLE_MASS_VALUE), m_dSingleMass);
}

BOOL CMaldiMSMSSwitchMassPage::OnInitDialog()
{
    CQuadFSBasePropPage::OnInitDialog();
    static const char* const kHeadings[10] = {"Set Mass", "LM      ", "HM      ", "Timeout ", "Stop Intensity",
                                              "CE1 ",     "CE2 ",     "CE3 ",     "CE4 ",     "CE5 "};
    for (int column = 0; column < 10; ++column) SetListViewHeader(kHeadings[column], column);
    ReadFile();
    m_SingleMassEdit.EnableWindow(m_bUseSingleMass);
    EnableListControls(m_bUseListBelow);
    return TRUE;
}

// --- the source radios -------------------------------------------------------------------------------

void CMaldiMSMSSwitchMassPage::ClearCurrentChoice()
{
    if (m_bUseSingleMass) {
        m_SingleMassEdit.EnableWindow(FALSE);
        m_bUseSingleMass = FALSE;
    } else if (m_bUseSampleListEntries) {
        m_bUseSampleListEntries = FALSE;
    } else if (!m_bUseSampleListFile) {
        EnableListControls(FALSE);
        m_bUseListBelow = FALSE;
    } else {
        m_bUseSampleListFile = FALSE;
    }
}

void CMaldiMSMSSwitchMassPage::OnSingleMass()
{
    ClearCurrentChoice();
    m_SingleMassEdit.EnableWindow(TRUE);
    m_bUseSingleMass = TRUE;
}

void CMaldiMSMSSwitchMassPage::OnSampleListEntries()
{
    ClearCurrentChoice();
    m_bUseSampleListEntries = TRUE;
}

void CMaldiMSMSSwitchMassPage::OnSampleListFile()
{
    ClearCurrentChoice();
    m_bUseSampleListFile = TRUE;
}

void CMaldiMSMSSwitchMassPage::OnListBelow()
{
    ClearCurrentChoice();
    EnableListControls(TRUE);
    m_bUseListBelow = TRUE;
}

// Enabling shows Save and Save As only with pending changes; disabling disables all eight.
void CMaldiMSMSSwitchMassPage::EnableListControls(BOOL enable)
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

// --- the list ----------------------------------------------------------------------------------------

void CMaldiMSMSSwitchMassPage::RefreshListView()
{
    const int count = MaldiSwitchMassList::Count(m_pMassList);
    std::vector<MaldiSwitchMassEntry> copy(static_cast<std::size_t>(count));
    if (!MaldiSwitchMassList::CopyOut(m_pMassList, copy.data())) return;
    ClearList();
    SetFileList(copy.data(), count);
}

void CMaldiMSMSSwitchMassPage::ReadFile()
{
    if (m_strFileName.IsEmpty()) return;
    m_pMassList = MaldiSwitchMassList::Destroy(m_pMassList);
    m_pMassList = MaldiListFile::ReadMassList(m_strFileName);
    if (m_pMassList != nullptr) RefreshListView();
}

void CMaldiMSMSSwitchMassPage::SetFileList(void* entries, int count)
{
    if (entries == nullptr || count < 1) return;
    const auto* rows = static_cast<const MaldiSwitchMassEntry*>(entries);
    for (int i = 0; i < count; ++i) {
        const MaldiSwitchMassEntry& e = rows[i];
        CString text;
        text.Format("%.4f", e.dSetMass);
        m_ListCtrl.InsertItem(i, text);
        const double values[9] = {e.dLM, e.dHM, e.dTimeout, e.dStopIntensity, e.dCollisionEnergy[0],
                                  e.dCollisionEnergy[1], e.dCollisionEnergy[2], e.dCollisionEnergy[3],
                                  e.dCollisionEnergy[4]};
        for (int v = 0; v < 9; ++v) {
            if ((e.wFlags & (1u << v)) == 0) continue;
            text.Format(v == 0 ? "%.3f" : "%.2f", values[v]);
            m_ListCtrl.SetItemText(i, v + 1, text);
        }
    }
}

void CMaldiMSMSSwitchMassPage::EditListEntry()
{
    POSITION position = m_ListCtrl.GetFirstSelectedItemPosition();
    if (position == nullptr || m_pMassList == nullptr) return;
    const int row = m_ListCtrl.GetNextSelectedItem(position);
    if (row >= MaldiSwitchMassList::Count(m_pMassList)) return;

    CMaldiSetMassDialog dialog(GetParent());
    dialog.m_Entry = m_pMassList->pEntries[row];
    if (dialog.DoModal() != IDOK) return;
    MaldiSwitchMassList::Replace(m_pMassList, row, dialog.m_Entry);
    EnableSaveButtons(TRUE);
    RefreshListView();
}

void CMaldiMSMSSwitchMassPage::OnFunctionSwitchAddButton()
{
    if (m_pMassList == nullptr) m_pMassList = MaldiSwitchMassList::Create(100);
    if (m_pMassList == nullptr) return;

    CMaldiSetMassDialog dialog(GetParent());
    dialog.m_Entry = m_LastEntry;
    if (dialog.DoModal() != IDOK) return;
    m_LastEntry = dialog.m_Entry;
    if (MaldiSwitchMassList::Append(m_pMassList, m_LastEntry)) {
        EnableSaveButtons(TRUE);
        RefreshListView();
    }
}

void CMaldiMSMSSwitchMassPage::OnFunctionSwitchDeleteButton()
{
    if (m_ListCtrl.GetSelectedCount() == 0) return;
    const int count = GetSelectedItems();
    int handled = -1;
    for (int k = count - 1; k >= 0; --k) {
        handled = GetNextSelectedItem(k);
        if (m_pMassList != nullptr && MaldiSwitchMassList::Remove(m_pMassList, handled)) {
            EnableSaveButtons(TRUE);
            RefreshListView();
        }
    }
    m_ListCtrl.SetFocus();
    if (handled == MaldiSwitchMassList::Count(m_pMassList)) --handled;
    m_ListCtrl.SetItemState(handled, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

bool CMaldiMSMSSwitchMassPage::WriteList(const CString& path)
{
    if (MaldiListFile::WriteMassList(path, m_pMassList)) {
        EnableSaveButtons(FALSE);
        return true;
    }
    MessageBox("The mass switch list could not be written to\n" + path, nullptr, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void CMaldiMSMSSwitchMassPage::OnFunctionSwitchSaveButton()
{
    if (m_pMassList == nullptr) return;
    if (m_strFileName.IsEmpty()) {
        OnFunctionSwitchSaveAsButton();
        return;
    }
    WriteList(m_strFileName);
}

void CMaldiMSMSSwitchMassPage::OnFunctionSwitchSaveAsButton()
{
    CFileDialogS dialog(FALSE, "", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Include Files (*.txt) | *.txt||",
                        this, ".");
    if (dialog.DoModal() != IDOK) return;
    m_strFileName = dialog.GetPathName();
    if (m_strFileName.IsEmpty() || m_pMassList == nullptr) return;
    if (WriteList(m_strFileName)) ShowFileName();
}

void CMaldiMSMSSwitchMassPage::SetupForNewList()
{
    CQuadFSBasePropPage::SetupForNewList();
    m_pMassList = MaldiSwitchMassList::Destroy(m_pMassList);
}
