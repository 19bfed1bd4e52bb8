#pragma once
// "MS/MS Mass" of the MS/MS switch sheet: where the precursor masses come from. One fixed mass,
// the sample list's mass entries, a file named in the sample list, or the mass switch list edited
// here (rows entered in the "Set Mass" dialog) and kept in a text file (MaldiListFile).
//
// Only "List below" enables the list controls; only "Single Mass" the mass edit. The radio
// handlers work on the members directly (no data exchange), so a mass edit holding text that is
// not a number does not stop the operator from choosing another source.
//
// The page owns at most one list; a list file that cannot be read or is refused leaves it with
// none, without a message. "&Add..." creates a list when there is none. Every add, edit or delete
// sets the pending-changes flag; writing the file clears it. A save whose file cannot be written
// is reported and keeps the flag set, so the sheet still warns at OK.

#include "maldi/experiments/MaldiEntryList.h"
#include "platform/experimentpages/CQuadFSBasePropPage.h"
#include "platform/framework/CEdit.h"

class CMaldiMSMSSwitchMassPage : public CQuadFSBasePropPage {
    DECLARE_DYNAMIC(CMaldiMSMSSwitchMassPage)
public:
    CMaldiMSMSSwitchMassPage(UINT templateId, UINT captionId);
    ~CMaldiMSMSSwitchMassPage() override;

    CEdit m_SingleMassEdit;
    BOOL m_bUseSingleMass = TRUE;
    BOOL m_bUseSampleListEntries = FALSE;
    BOOL m_bUseSampleListFile = FALSE;
    BOOL m_bUseListBelow = FALSE;
    double m_dSingleMass = 50.0;

    const MaldiSwitchMassList* GetMassList() const { return m_pMassList; }
    const MaldiSwitchMassEntry& GetLastEntry() const { return m_LastEntry; }

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

    afx_msg void OnSingleMass();
    afx_msg void OnSampleListEntries();
    afx_msg void OnSampleListFile();
    afx_msg void OnListBelow();

private:
    void ClearCurrentChoice();
    void EnableListControls(BOOL enable);
    void RefreshListView();
    bool WriteList(const CString& path);

    MaldiSwitchMassList* m_pMassList = nullptr;
    MaldiSwitchMassEntry m_LastEntry{};

    DECLARE_MESSAGE_MAP()
};
