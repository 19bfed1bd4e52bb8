#include "maldi/experiments/CMaldiSetMassDialog.h"

#include <cstdlib>

#include "maldi/resources/MaldiResources.h"
#include "maldi/resources/MaldiSwitchMassIds.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

namespace {
constexpr int kFirstEnergy = 4; // index of CE1
constexpr int kLastEnergy = 8;  // index of CE5

CString Format3(double value)
{
    CString text;
    text.Format("%.3f", value);
    return text;
}
} // namespace

IMPLEMENT_DYNAMIC(CMaldiSetMassDialog, CDialog)

BEGIN_MESSAGE_MAP(CMaldiSetMassDialog, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, 41596, 41609, &CMaldiSetMassDialog::OnCheckClicked)
END_MESSAGE_MAP()

CMaldiSetMassDialog::CMaldiSetMassDialog(CWnd* parent) : CDialog(IDD_SET_MASS, parent)
{
    MaldiResources::Module();
}

double& CMaldiSetMassDialog::Value(int index)
{
    switch (index) {
    case 0: return m_Entry.dLM;
    case 1: return m_Entry.dHM;
    case 2: return m_Entry.dTimeout;
    case 3: return m_Entry.dStopIntensity;
    default: return m_Entry.dCollisionEnergy[index - kFirstEnergy];
    }
}

void CMaldiSetMassDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, static_cast<int>(IDC_SM_SET_MASS), m_Entry.dSetMass);
    for (int i = 0; i < MaldiSwitchMassEntry::kValueCount; ++i) DDX_Check(dx, static_cast<int>(kSetMassChecks[i]), m_bGiven[i]);
}

BOOL CMaldiSetMassDialog::OnInitDialog()
{
    for (int i = 0; i < MaldiSwitchMassEntry::kValueCount; ++i)
        if (m_Entry.wFlags & Bit(i)) m_bGiven[i] = TRUE;
    CDialog::OnInitDialog();
    for (int i = 0; i < MaldiSwitchMassEntry::kValueCount; ++i) {
        if (!m_bGiven[i]) Value(i) = 0.0;
        ShowValue(i);
        EnableNextEnergy(i);
    }
    return TRUE;
}

void CMaldiSetMassDialog::ShowValue(int index)
{
    CWnd* edit = GetDlgItem(static_cast<int>(kSetMassEdits[index]));
    edit->SetWindowText(m_bGiven[index] ? Format3(Value(index)) : CString());
    edit->EnableWindow(m_bGiven[index]);
}

void CMaldiSetMassDialog::EnableNextEnergy(int index)
{
    if (index < kFirstEnergy || index >= kLastEnergy) return;
    GetDlgItem(static_cast<int>(kSetMassChecks[index + 1]))->EnableWindow(m_bGiven[index]);
}

void CMaldiSetMassDialog::OnCheckClicked(UINT id)
{
    int index = 0;
    while (index < MaldiSwitchMassEntry::kValueCount && kSetMassChecks[index] != id) ++index;
    if (index == MaldiSwitchMassEntry::kValueCount) return; // the set mass edit shares the id range

    // An energy cannot be cleared while a later one is given.
    if (index >= kFirstEnergy && index < kLastEnergy && m_bGiven[index + 1]) {
        CheckDlgButton(static_cast<int>(id), BST_CHECKED);
        return;
    }
    UpdateData(TRUE);
    if (!m_bGiven[index]) {
        CString text;
        GetDlgItemText(static_cast<int>(kSetMassEdits[index]), text);
        Value(index) = std::atof(text);
    }
    ShowValue(index);
    EnableNextEnergy(index);
}

void CMaldiSetMassDialog::OnOK()
{
    UpdateData(TRUE);
    m_Entry.wFlags = 0;
    for (int i = 0; i < MaldiSwitchMassEntry::kValueCount; ++i) {
        if (m_bGiven[i]) {
            m_Entry.wFlags = static_cast<WORD>(m_Entry.wFlags | Bit(i));
            CString text;
            GetDlgItemText(static_cast<int>(kSetMassEdits[i]), text);
            Value(i) = std::atof(text);
        } else {
            Value(i) = -1.0;
        }
    }
    CDialog::OnOK();
}
