#pragma once
// The MALDI settings dialog with a choice of probe motion ("Maldi Settings"): the cross hairs, or
// a user-defined laser pattern file chosen with "...", besides the laser firing rate and the plate
// speed. OK sends the firing rate (SendLaserFrequency) and keeps the pattern file name.
//
// Probe motion type 1 is the cross hairs; any other value is a pattern file (the dialog sets 0;
// another value set by the host comes back unchanged unless the operator picks a radio button).
// The pattern file edit only shows the name: text typed into it is not read back, so the name
// changes only through "..." or SetPatternFilename.

#include "maldi/dialogs/CMaldiESISettingsDialog.h"

class CMaldiSettingsDialog : public CMaldiESISettingsDialog {
    DECLARE_DYNAMIC(CMaldiSettingsDialog)
public:
    static constexpr UINT kCrossHairs = 1;
    static constexpr UINT kPatternFile = 0;

    explicit CMaldiSettingsDialog(CInstCtlClient* control, CWnd* parent = nullptr);

    void SetProbeMotionType(UINT type) { m_nProbeMotionType = type; }
    UINT GetProbeMotionType() const { return m_nProbeMotionType; }

protected:
    UINT m_nProbeMotionType;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnUseCrossHairs();
    afx_msg void OnUsePatternUserDefined();
    afx_msg void OnPatternBrowseBtn();

    DECLARE_MESSAGE_MAP()
};
