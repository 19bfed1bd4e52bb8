#include "maldi/experiments/CMaldiMSMSSwitchCollisionEnergyPage.h"

#include <vector>

#include "maldi/experiments/CMaldiCERangeDialog.h"
#include "maldi/experiments/MaldiListFile.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/auditfile/CFileDialogS.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiMSMSSwitchCollisionEnergyPage, CQuadFSBasePropPage)

namespace {
const CMaldiMSMSSwitchCollisionEnergyPage::FileKind kProfileFile{
    &MaldiListFile::ReadProfile, &MaldiListFile::WriteProfile, "CEProfile Files (*.txt) | *.txt||",
    "The collision energy profile could not be written to\n"};
} // namespace

BEGIN_MESSAGE_MAP(CMaldiMSMSSwitchCollisionEnergyPage, CQuadFSBasePropPage)
    ON_BN_CLICKED(IDC_CE_USE_TUNE_PAGE, &CMaldiMSMSSwitchCollisionEnergyPage::OnRadioClicked)
    ON_BN_CLICKED(IDC_CE_USE_FIXED, &CMaldiMSMSSwitchCollisionEnergyPage::OnRadioClicked)
    ON_BN_CLICKED(IDC_CE_USE_PROFILE, &CMaldiMSMSSwitchCollisionEnergyPage::OnRadioClicked)
END_MESSAGE_MAP()

CMaldiMSMSSwitchCollisionEnergyPage::CMaldiMSMSSwitchCollisionEnergyPage(UINT templateId, UINT captionId)
    : MaldiListPage(templateId, captionId, kProfileFile)
{
    MaldiResources::Module();
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
    EnableListControls(!m_bUseTunePageCE && !m_bUseFixedCE);
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
