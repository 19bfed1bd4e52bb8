#pragma once
// The time-of-flight MS/MS scan function dialog: an MS scan function dialog whose quadrupole
// selects a precursor, at unit or wide resolution. Instrument-specific MS/MS dialogs derive from
// it with their own template.
// Like the MS dialog's, its controls are optional in a template.

#include "platform/scanfunction/CTOFMSAcqFunctionSetupDialog.h"

class CTOFMSMSAcqFunctionSetupDialog : public CTOFMSAcqFunctionSetupDialog {
    DECLARE_DYNAMIC(CTOFMSMSAcqFunctionSetupDialog)
public:
    static constexpr int IDC_TOF_PRECURSOR_UNIT_RESOLUTION = 43106; // check box

    CTOFMSMSAcqFunctionSetupDialog(UINT templateId, CWnd* parent = nullptr);
    CTOFMSMSAcqFunctionSetupDialog(LPCTSTR templateName, CWnd* parent = nullptr);

    // 1: the quadrupole passes the precursor at unit resolution; 0: a wide window (isotopes too).
    int m_nPrecursorUnitResolution = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
