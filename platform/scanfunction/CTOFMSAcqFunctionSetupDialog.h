#pragma once
// The time-of-flight MS scan function dialog: the base of instrument-specific MS scan function
// dialogs, which bring their own template and usually their own data exchange.
//
// It holds what every TOF MS function has besides the instrument's own settings:
// - the collision cell during MS: the tune page's collision energy, or an energy ramped over each
//   scan from a start to an end voltage;
// - centroiding in the acquisition system: two option flags saying which centroider the
//   acquisition system has, and the two parameters they use (threshold and minimum peak width),
//   which are edited in two centroid-only edits. With neither option the edits are disabled.
//
// Its controls are optional: a template may leave out any of them (an instrument dialog that does
// not show the collision cell simply has no such controls), and the data exchange and the enable
// rules below skip what the template lacks. OnInitDialog attaches the two centroid edits when the
// template has them.

#include "platform/framework/CDialog.h"
#include "platform/framework/CEdit.h"

class CTOFMSAcqFunctionSetupDialog : public CDialog {
    DECLARE_DYNAMIC(CTOFMSAcqFunctionSetupDialog)
public:
    // Control ids of the base's own controls.
    static constexpr int IDC_TOF_USE_TUNE_PAGE_CE = 43100;    // check box
    static constexpr int IDC_TOF_CE_RAMP = 43101;             // check box
    static constexpr int IDC_TOF_CE_RAMP_START = 43102;       // edit, volts
    static constexpr int IDC_TOF_CE_RAMP_END = 43103;         // edit, volts
    static constexpr int IDC_TOF_CENTROID_THRESHOLD = 43104;  // edit, counts
    static constexpr int IDC_TOF_CENTROID_MIN_WIDTH = 43105;  // edit, channels

    CTOFMSAcqFunctionSetupDialog(UINT templateId, CWnd* parent = nullptr);
    CTOFMSAcqFunctionSetupDialog(LPCTSTR templateName, CWnd* parent = nullptr);

    // --- collision cell during MS -------------------------------------------------------------------
    int m_nUseTunePageCE = 0;     // 1: the tune page's collision energy; 0: the ramp below
    int m_nCERampEnabled = 1;     // 1: ramp from start to end over each scan; 0: hold the start value
    double m_dCERampStart = 5.0;  // V
    double m_dCERampEnd = 10.0;   // V

    // --- centroiding in the acquisition system ------------------------------------------------------
    BOOL m_bHardwareCentroiding = FALSE;  // the acquisition card centroids each spectrum itself
    BOOL m_bSoftwareCentroiding = FALSE;  // the acquisition software centroids spectra as they are stored
    double m_dCentroidThreshold = 10.0;   // counts a peak must reach to be kept
    int m_nCentroidMinPeakWidth = 3;      // channels a peak must span to be kept
    CEdit m_editCentroidThreshold;        // attached by OnInitDialog when the template has it
    CEdit m_editCentroidMinPeakWidth;

    // True when either centroiding option is set (the centroid edits then have a meaning).
    BOOL HasCentroidingOption() const { return m_bHardwareCentroiding || m_bSoftwareCentroiding; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    // Enables or disables the centroid-only edits that are attached; the others are skipped.
    void EnableCentroidEdits(BOOL enable);
    // The collision cell rule: with the tune page's energy the ramp controls are disabled;
    // otherwise the ramp check box and the start voltage are enabled, the end voltage only while
    // ramping.
    void ApplyCollisionCellRule();
    // Enables a control of the base when the template has it.
    void EnableIfPresent(int id, BOOL enable);
    bool HasControl(int id) const;

    afx_msg void OnUseTunePageCE();
    afx_msg void OnCERamp();

    DECLARE_MESSAGE_MAP()
};
