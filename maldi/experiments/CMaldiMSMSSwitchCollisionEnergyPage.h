#pragma once
// "Collision Energy" of the MS/MS switch sheet: the tune page's energy, one fixed energy, or a
// profile of mass ranges each with up to five energies, edited here (rows entered in the range
// dialog) and kept in a text file (MaldiListFile).
//
// The radios exchange the page, which applies the enabling rule: only the fixed radio enables the
// energy edit, only the profile radio the list group. The profile file named at set-up is read
// when the page is first shown, whatever the radio. The list workflow (New, Add, Delete, Save,
// Save As, editing a row) is MaldiListPage's.

#include "maldi/experiments/CMaldiCERangeDialog.h"
#include "maldi/experiments/MaldiListPage.h"
#include "maldi/resources/MaldiSwitchCollisionEnergyIds.h"
#include "platform/framework/CEdit.h"

class CMaldiMSMSSwitchCollisionEnergyPage : public MaldiListPage<MaldiCEProfileEntry, CMaldiCERangeDialog> {
    DECLARE_DYNAMIC(CMaldiMSMSSwitchCollisionEnergyPage)
public:
    CMaldiMSMSSwitchCollisionEnergyPage(UINT templateId, UINT captionId);

    BOOL m_bUseTunePageCE = TRUE;
    BOOL m_bUseFixedCE = FALSE;
    BOOL m_bUseCEProfile = FALSE;
    double m_dFixedCE = 77.0; // volts
    CEdit m_FixedCEEdit;

    const MaldiCEProfileList* GetProfileList() const { return GetList(); }

    void SetFileList(void* entries, int count) override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    afx_msg void OnRadioClicked();


    DECLARE_MESSAGE_MAP()
};
