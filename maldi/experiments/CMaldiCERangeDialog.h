#pragma once
// Edits one mass range of the collision energy profile: from and to mass and up to five energies.
// An energy is given when its check box is checked; energies are given in order (energy k+1 can be
// checked only while energy k is, and energy k cannot be cleared while energy k+1 is checked).
// An unchecked energy's edit is empty and disabled; the text it had comes back when it is checked
// again. On OK the flags say which energies are given; one not given is -1.0. The carried values
// pass through unchanged. Template 10203 is the experiment-page library's.

#include "maldi/experiments/MaldiCEProfileEntry.h"
#include "maldi/resources/MaldiCERangeIds.h"
#include "platform/framework/CDialog.h"

class CMaldiCERangeDialog : public CDialog {
    DECLARE_DYNAMIC(CMaldiCERangeDialog)
public:
    explicit CMaldiCERangeDialog(CWnd* parent = nullptr);

    MaldiCEProfileEntry m_Entry{};
    BOOL m_bGiven[MaldiCEProfileEntry::kEnergyCount] = {};

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnCheckClicked(UINT id);

private:
    void ShowEnergy(int k);
    void EnableNext(int k);

    DECLARE_MESSAGE_MAP()
};
