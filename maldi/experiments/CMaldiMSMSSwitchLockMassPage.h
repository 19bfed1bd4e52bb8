#pragma once
// The "Lock Mass" page of the MS/MS switch sheet: whether a lock-mass MS/MS is acquired, on which
// mass, when it stops, and its collision energy (the tune page's or a fixed one).
//
// Every exchange re-applies the rules. Without "Use Lock Mass" every other control is disabled and
// the collision energy in effect is left as it was; with it, the energy in effect is
// kTunePageEnergy for the tune page's energy and the fixed energy otherwise. The sheet sets and
// reads the members directly.

#include "maldi/resources/MaldiSwitchLockMassIds.h"
#include "platform/framework/CPropertyPage.h"

class CMaldiMSMSSwitchLockMassPage : public CPropertyPage {
    DECLARE_DYNAMIC(CMaldiMSMSSwitchLockMassPage)
public:
    static constexpr double kTunePageEnergy = 77.0; // V

    CMaldiMSMSSwitchLockMassPage();

    BOOL m_bUseLockMass = FALSE;
    double m_dLockMass = 1500.0;           // m/z
    double m_dIntensityThreshold = 1234.0; // counts
    double m_dTopPercentage = 5.0;         // % of the mass range
    double m_dCompleteAfterTime = 15.0;    // s
    BOOL m_bUseNotConsiderTop = FALSE;
    BOOL m_bUseCompleteAfter = FALSE;
    BOOL m_bTunePageCollisionEnergy = TRUE;
    BOOL m_bFixedCollisionEnergy = FALSE;
    double m_dCollisionEnergyInEffect = kTunePageEnergy; // V
    double m_dFixedCollisionEnergy = kTunePageEnergy;    // V

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnModeClicked();

    DECLARE_MESSAGE_MAP()
};
