#pragma once
// The "Acqusition Template" page of the MS/MS switch sheet: the mass range of each MS/MS
// acquisition, when it stops, and how long it may last.
//
// The page keeps what the operator entered and, beside it, what the experiment uses ("in effect").
// Every exchange re-derives the values in effect from the modes: the automatic mass range uses a
// start mass and offset of 50 m/z without conserving the pusher frequency, the automatic
// acquisition time a maximum duration of kAutoMaxDuration seconds; the manual modes use what was
// entered. The entered values stay in their (disabled) edits, so switching back to manual shows
// them again. The sheet sets and reads the members directly.

#include "maldi/resources/MaldiSwitchTemplateIds.h"
#include "platform/framework/CPropertyPage.h"

class CMaldiMSMSSwitchTemplatePage : public CPropertyPage {
    DECLARE_DYNAMIC(CMaldiMSMSSwitchTemplatePage)
public:
    static constexpr double kAutoStartMass = 50.0;     // m/z
    static constexpr double kAutoSetMassOffset = 50.0; // m/z
    static constexpr int kAutoMaxDuration = 345678;    // s

    CMaldiMSMSSwitchTemplatePage();

    // Entered.
    double m_dStartMass = kAutoStartMass;
    double m_dSetMassOffset = kAutoSetMassOffset;
    int m_nMaxDuration = kAutoMaxDuration;
    BOOL m_bConservePusherFrequency = FALSE;
    // In effect.
    double m_dStartMassInEffect = kAutoStartMass;
    double m_dSetMassOffsetInEffect = kAutoSetMassOffset;
    int m_nMaxDurationInEffect = kAutoMaxDuration;
    BOOL m_bConservePusherFrequencyInEffect = FALSE;
    // When each MS/MS stops.
    double m_dIntensityThreshold = 1234.0; // counts
    double m_dTopPercentage = 5.0;         // % of the mass range
    double m_dCompleteAfterTime = 15.0;    // s
    BOOL m_bUseNotConsiderTop = FALSE;
    BOOL m_bUseCompleteAfter = FALSE;
    // Modes, each a pair of radio buttons.
    BOOL m_bAutoMassRange = TRUE;
    BOOL m_bManualMassRange = FALSE;
    BOOL m_bAutoAcquisitionTime = TRUE;
    BOOL m_bManualAcquisitionTime = FALSE;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnModeClicked();

    DECLARE_MESSAGE_MAP()
};
