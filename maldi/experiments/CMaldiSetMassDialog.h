#pragma once
// "Set Mass": edits one precursor mass of the mass switch list and its nine optional values (LM,
// HM, timeout, stop intensity, energies 1 to 5). A value is given when its check box is checked;
// an unchecked value's edit is empty and disabled, and the text it had is remembered so that
// checking it again brings it back. Energies are given in order: energy k+1 can be checked only
// while energy k is, and energy k cannot be cleared while energy k+1 is checked.
//
// On OK the entry's flags say which values are given; a value not given is -1.0. Value edits take
// any text (not a number: 0); the set mass must be a number or the dialog stays open.

#include "maldi/experiments/MaldiSwitchMassEntry.h"
#include "platform/framework/CDialog.h"

class CMaldiSetMassDialog : public CDialog {
    DECLARE_DYNAMIC(CMaldiSetMassDialog)
public:
    explicit CMaldiSetMassDialog(CWnd* parent = nullptr);

    MaldiSwitchMassEntry m_Entry{};
    BOOL m_bGiven[MaldiSwitchMassEntry::kValueCount] = {}; // LM ... CE5

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    // One handler for the nine check boxes; the value is found by the box's id.
    afx_msg void OnCheckClicked(UINT id);

private:
    double& Value(int index);
    static WORD Bit(int index) { return static_cast<WORD>(1u << index); }
    void ShowValue(int index);                 // the edit follows m_bGiven[index]
    void EnableNextEnergy(int index);          // CE1 to CE4: the next check box follows this one

    DECLARE_MESSAGE_MAP()
};
