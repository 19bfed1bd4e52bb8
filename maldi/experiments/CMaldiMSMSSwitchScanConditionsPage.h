#pragma once
// The "Scan Conditions" page of the MS/MS switch sheet: scan time and inter-scan delay, data format,
// ionization mode and MCA summing, and the MALDI laser settings (pattern file, plate speed, laser
// firing rate).
//
// Three modes, each a pair of radio buttons, decide what the experiment uses ("in effect"): the
// automatic scan rate and scan conditions and the tune page's MALDI settings use the fixed defaults
// below; the manual modes and "User Defined" use what was entered. Every exchange re-derives them.
// The MCA edit is enabled only for manual scan conditions with the "MCA" data format.
//
// The firing-rate list is refilled each time the page is shown, for the laser type in effect (a
// type in effect other than 1, 2 or 3 becomes 1; the entered type is kept as set). Both lists then
// select the firing rate and plate speed in effect, so the greyed lists of the tune page mode show
// what is used; a value not in its list selects the first entry.
//
// On the MALDI/ESI instrument model the pattern is fixed: SetPatternFiles is ignored and the pattern
// edit and "..." stay disabled. "..." reads the page first (a field that does not read stops it
// after the framework's prompt), so writing the chosen name back loses nothing typed.

#include "maldi/resources/MaldiSwitchScanConditionsIds.h"
#include "platform/framework/CPropertyPage.h"

class CMaldiMSMSSwitchScanConditionsPage : public CPropertyPage {
    DECLARE_DYNAMIC(CMaldiMSMSSwitchScanConditionsPage)
public:
    static constexpr double kAutoScanTime = 5.0;        // s
    static constexpr double kAutoInterScanDelay = 0.1;  // s
    static constexpr int kAutoMCAScans = 5;
    static constexpr LPCTSTR kAutoDataFormat = "Continuum";
    static constexpr LPCTSTR kAutoIonMode = "LDI+";
    static constexpr UINT kTuneLaserFiringRate = 10;    // Hz
    static constexpr UINT kTunePlateSpeed = 2;
    static constexpr UINT kTuneLaserType = 1;
    static constexpr int kMaxListText = 10;

    CMaldiMSMSSwitchScanConditionsPage();

    // The sheet's set-up of the two pattern files; ignored on the MALDI/ESI model.
    void SetPatternFiles(const CString& pattern, const CString& patternInEffect);

    // Entered.
    double m_dScanTime = kAutoScanTime;
    double m_dInterScanDelay = kAutoInterScanDelay;
    int m_nMCAScans = kAutoMCAScans;
    CString m_strDataFormat = kAutoDataFormat;
    CString m_strIonMode = kAutoIonMode;
    UINT m_nLaserFiringRate = kTuneLaserFiringRate;
    UINT m_nPlateSpeed = kTunePlateSpeed;
    UINT m_nLaserType = kTuneLaserType;
    CString m_strPatternFile;
    // In effect.
    double m_dScanTimeInEffect = kAutoScanTime;
    double m_dInterScanDelayInEffect = kAutoInterScanDelay;
    int m_nMCAScansInEffect = kAutoMCAScans;
    CString m_strDataFormatInEffect = kAutoDataFormat;
    CString m_strIonModeInEffect = kAutoIonMode;
    UINT m_nLaserFiringRateInEffect = kTuneLaserFiringRate;
    UINT m_nPlateSpeedInEffect = kTunePlateSpeed;
    UINT m_nLaserTypeInEffect = kTuneLaserType;
    CString m_strPatternFileInEffect;
    // Modes, each a pair of radio buttons.
    BOOL m_bAutoScanRate = TRUE;
    BOOL m_bManualScanRate = FALSE;
    BOOL m_bAutoScanConditions = TRUE;
    BOOL m_bManualScanConditions = FALSE;
    BOOL m_bTunePageMaldiSettings = TRUE;
    BOOL m_bUserDefinedMaldiSettings = FALSE;

    BOOL OnSetActive() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnModeClicked();
    afx_msg void OnSelChangeDataFormat();
    afx_msg void OnEditChangeDataFormat();
    afx_msg void OnSelChangeList();
    afx_msg void OnPatternBrowse();

    DECLARE_MESSAGE_MAP()
};
