#pragma once
// The MALDI settings dialog of the MALDI/ESI instrument ("Maldi Settings"): the laser firing rate
// and the plate speed, with the laser pattern shown as the fixed "Straight Line". OK sends the
// firing rate to the instrument at once (SendLaserFrequency) and returns the pattern file name to
// the default MALDI pattern; Cancel sends nothing.
//
// The host constructs it with its control client (not owned; null skips the send), sets the values,
// runs DoModal and reads them back. Changing either list reads both at once.
//
// The second constructor is for a derived dialog with its own template (CMaldiSettingsDialog).

#include "platform/framework/CDialog.h"

class CInstCtlClient;

class CMaldiESISettingsDialog : public CDialog {
    DECLARE_DYNAMIC(CMaldiESISettingsDialog)
public:
    // The MALDI control that carries the laser frequency.
    static constexpr int kLaserFrequencyControl = 6;

    explicit CMaldiESISettingsDialog(CInstCtlClient* control, CWnd* parent = nullptr);
    CMaldiESISettingsDialog(UINT templateId, CInstCtlClient* control, CWnd* parent = nullptr);

    void SetLaserType(UINT laserType) { m_nLaserType = laserType; }
    void SetLaserFiringRate(UINT rate) { m_nLaserFiringRate = rate; }
    void SetPlateSpeed(UINT speed) { m_nPlateSpeed = speed; }
    void SetPatternFilename(CString name) { m_strPatternFilename = name; }
    UINT GetLaserType() const { return m_nLaserType; }
    UINT GetLaserFiringRate() const { return m_nLaserFiringRate; }
    UINT GetPlateSpeed() const { return m_nPlateSpeed; }
    CString GetPatternFilename() const { return m_strPatternFilename; }

    // Sets the laser frequency to the firing rate; the instrument's answer is not used.
    void SendLaserFrequency();

protected:
    CInstCtlClient* m_pInstCtlClient;
    CString m_strPatternFilename;
    CString m_strPatternType;    // shown, not edited
    UINT m_nLaserFiringRate;     // Hz
    UINT m_nPlateSpeed;
    UINT m_nLaserType;           // 1, 2 or 3: selects the firing-rate list

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnSelChangeLaserFiringRate();
    afx_msg void OnSelChangePlateSpeed();

    DECLARE_MESSAGE_MAP()

    // Reads every control into the members; false (after the prompt) when a field does not read.
    bool ReadControls() { return UpdateData(TRUE) != FALSE; }
    void WriteControls() { UpdateData(FALSE); }};
