#pragma once
// "Collision Energy" of the MS/MS switch sheet: the tune page's energy, one fixed energy, or a
// profile of mass ranges each with up to five energies, edited here (rows entered in the range
// dialog) and kept in a text file (MaldiListFile).
//
// The radios exchange the page, which applies the enabling rule: only the fixed radio enables the
// energy edit, only the profile radio the list group. The profile file named at set-up is read
// when the page is first shown, whatever the radio. A profile that cannot be read leaves the page
// without a list, without a message. Every add, edit or delete sets the pending-changes flag;
// writing the file clears it; a file that cannot be written is reported and keeps it set.

#include "maldi/experiments/MaldiEntryList.h"
#include "platform/experimentpages/CQuadFSBasePropPage.h"
#include "platform/framework/CEdit.h"

class CMaldiMSMSSwitchCollisionEnergyPage : public CQuadFSBasePropPage {
    DECLARE_DYNAMIC(CMaldiMSMSSwitchCollisionEnergyPage)
public:
    CMaldiMSMSSwitchCollisionEnergyPage(UINT templateId, UINT captionId);
    ~CMaldiMSMSSwitchCollisionEnergyPage() override;

    BOOL m_bUseTunePageCE = TRUE;
    BOOL m_bUseFixedCE = FALSE;
    BOOL m_bUseCEProfile = FALSE;
    double m_dFixedCE = 77.0; // volts
    CEdit m_FixedCEEdit;

    const MaldiCEProfileList* GetProfileList() const { return m_pProfileList; }
    const MaldiCEProfileEntry& GetLastEntry() const { return m_LastEntry; }

    void SetupForNewList() override;
    void ReadFile() override;
    void SetFileList(void* entries, int count) override;
    void EditListEntry() override;
    void OnFunctionSwitchAddButton() override;
    void OnFunctionSwitchDeleteButton() override;
    void OnFunctionSwitchSaveAsButton() override;
    void OnFunctionSwitchSaveButton() override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    afx_msg void OnRadioClicked();

private:
    void RefreshListView();
    bool WriteList(const CString& path);

    MaldiCEProfileList* m_pProfileList = nullptr;
    MaldiCEProfileEntry m_LastEntry{};

    DECLARE_MESSAGE_MAP()
};
