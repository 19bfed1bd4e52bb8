#pragma once
// "MS/MS Mass" of the MS/MS switch sheet: where the precursor masses come from. One fixed mass,
// the sample list's mass entries, a file named in the sample list, or the mass switch list edited
// here (rows entered in the "Set Mass" dialog) and kept in a text file (MaldiListFile).
//
// Only "List below" enables the list controls; only "Single Mass" the mass edit. The radio
// handlers work on the members directly (no data exchange), so a mass edit holding text that is
// not a number does not stop the operator from choosing another source.
//
// The list workflow (New, Add, Delete, Save, Save As, editing a row) is MaldiListPage's.

#include "maldi/experiments/CMaldiSetMassDialog.h"
#include "maldi/experiments/MaldiListPage.h"
#include "maldi/resources/MaldiSwitchMassIds.h"
#include "platform/framework/CEdit.h"

class CMaldiMSMSSwitchMassPage : public MaldiListPage<MaldiSwitchMassEntry, CMaldiSetMassDialog> {
    DECLARE_DYNAMIC(CMaldiMSMSSwitchMassPage)
public:
    CMaldiMSMSSwitchMassPage(UINT templateId, UINT captionId);

    CEdit m_SingleMassEdit;
    BOOL m_bUseSingleMass = TRUE;
    BOOL m_bUseSampleListEntries = FALSE;
    BOOL m_bUseSampleListFile = FALSE;
    BOOL m_bUseListBelow = FALSE;
    double m_dSingleMass = 50.0;

    const MaldiSwitchMassList* GetMassList() const { return GetList(); }

    void SetFileList(void* entries, int count) override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    afx_msg void OnSingleMass();
    afx_msg void OnSampleListEntries();
    afx_msg void OnSampleListFile();
    afx_msg void OnListBelow();

private:
    void ClearCurrentChoice();

    DECLARE_MESSAGE_MAP()
};
