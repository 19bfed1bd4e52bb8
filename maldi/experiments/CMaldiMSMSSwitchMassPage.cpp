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

namespace {
const CMaldiMSMSSwitchMassPage::FileKind kMassListFile{&MaldiListFile::ReadMassList, &MaldiListFile::WriteMassList,
                                                      "Include Files (*.txt) | *.txt||",
                                                      "The mass switch list could not be written to\n"};
} // namespace

BEGIN_MESSAGE_MAP(CMaldiMSMSSwitchMassPage, CQuadFSBasePropPage)
    ON_BN_CLICKED(IDC_SM_SINGLE_MASS, &CMaldiMSMSSwitchMassPage::OnSingleMass)
    ON_BN_CLICKED(IDC_SM_SAMPLE_LIST_ENTRIES, &CMaldiMSMSSwitchMassPage::OnSampleListEntries)
    ON_BN_CLICKED(IDC_SM_SAMPLE_LIST_FILE, &CMaldiMSMSSwitchMassPage::OnSampleListFile)
    ON_BN_CLICKED(IDC_SM_LIST_BELOW, &CMaldiMSMSSwitchMassPage::OnListBelow)
END_MESSAGE_MAP()

CMaldiMSMSSwitchMassPage::CMaldiMSMSSwitchMassPage(UINT templateId, UINT captionId)
    : MaldiListPage(templateId, captionId, kMassListFile)
{
    MaldiResources::Module();
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

// --- the list ----------------------------------------------------------------------------------------

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
