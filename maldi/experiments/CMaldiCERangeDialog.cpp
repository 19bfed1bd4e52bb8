#include "maldi/experiments/CMaldiCERangeDialog.h"

#include <cstdlib>

#include "platform/experimentpages/QuadFSResources.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiCERangeDialog, CDialog)

BEGIN_MESSAGE_MAP(CMaldiCERangeDialog, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, kCERangeChecks[0], kCERangeChecks[4], &CMaldiCERangeDialog::OnCheckClicked)
END_MESSAGE_MAP()

CMaldiCERangeDialog::CMaldiCERangeDialog(CWnd* parent) : CDialog(QuadFSResources::IDD_CE_RANGE_DIALOG, parent)
{
    QuadFSResources::Module();
}

void CMaldiCERangeDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_CE_RANGE_FROM_MASS, m_Entry.dFromMass);
    DDX_Text(dx, IDC_CE_RANGE_TO_MASS, m_Entry.dToMass);
    for (int k = 0; k < 5; ++k) DDX_Check(dx, kCERangeChecks[k], m_bGiven[k]);
}

BOOL CMaldiCERangeDialog::OnInitDialog()
{
    // A chain: an energy given after a missing one is shown as not given.
    bool chain = true;
    for (int k = 0; k < 5; ++k) {
        chain = chain && (m_Entry.wFlags & MaldiCEProfileEntry::CollisionEnergyBit(k + 1)) != 0;
        m_bGiven[k] = chain ? TRUE : FALSE;
    }
    CDialog::OnInitDialog();
    for (int k = 0; k < 5; ++k) {
        if (!m_bGiven[k]) m_Entry.dCollisionEnergy[k] = 0.0;
        ShowEnergy(k);
        EnableNext(k);
    }
    return TRUE;
}

void CMaldiCERangeDialog::ShowEnergy(int k)
{
    CString text;
    if (m_bGiven[k]) text.Format("%.3f", m_Entry.dCollisionEnergy[k]);
    CWnd* edit = GetDlgItem(kCERangeEdits[k]);
    edit->SetWindowText(text);
    edit->EnableWindow(m_bGiven[k]);
}

void CMaldiCERangeDialog::EnableNext(int k)
{
    if (k < 4) GetDlgItem(kCERangeChecks[k + 1])->EnableWindow(m_bGiven[k]);
}

void CMaldiCERangeDialog::OnCheckClicked(UINT id)
{
    const int k = static_cast<int>(id) - kCERangeChecks[0];
    if (k < 4 && m_bGiven[k + 1]) {
        CheckDlgButton(static_cast<int>(id), BST_CHECKED);
        return;
    }
    UpdateData(TRUE);
    if (!m_bGiven[k]) {
        CString text;
        GetDlgItemText(kCERangeEdits[k], text);
        m_Entry.dCollisionEnergy[k] = std::atof(text);
    }
    ShowEnergy(k);
    EnableNext(k);
}

void CMaldiCERangeDialog::OnOK()
{
    UpdateData(TRUE);
    m_Entry.wFlags = 0;
    for (int k = 0; k < 5; ++k) {
        if (m_bGiven[k]) {
            m_Entry.wFlags = static_cast<WORD>(m_Entry.wFlags | MaldiCEProfileEntry::CollisionEnergyBit(k + 1));
            CString text;
            GetDlgItemText(kCERangeEdits[k], text);
            m_Entry.dCollisionEnergy[k] = std::atof(text);
        } else {
            m_Entry.dCollisionEnergy[k] = -1.0;
        }
    }
    CDialog::OnOK();
}
