#pragma once
// The MALDI MS/MS scan function dialog ("Maldi MSMS", template 12528 "Maldi MSMS Scan"): what the
// MS scan function dialog edits, plus the set mass (the precursor m/z) and the collision energy,
// which the tune page may supply instead.
//
// The host uses it as the MS dialog: construct, set the values (set operations and public
// members), DoModal, read them back after IDOK. The set values take effect when the dialog opens.
// Unlike the MS dialog, opening without the lock mass keeps the start time the host set; the
// operator's "Use Lock Mass" clicks reset it as usual.
//
// Of its base it uses only the construction and the members: the base's own template (12552, the
// host's) lacks these controls, so this dialog brings its own, and neither the base's initialisation
// nor its handlers run (OnInitDialog and the message map go straight to CDialog's).
//
// Every handler is in the message map at the top of the .cpp file. Only the time fields, the lists
// and the two check boxes read the controls at once; typing in the other fields is read by the
// next of those handlers and at OK. A read that fails shows the framework's number prompt once; the
// time handlers still do their bookkeeping and write back, and OK reads twice (its own read, then
// the framework's, which keeps the dialog open on a failure).

#include "maldi/dialogs/MaldiAcquisitionTime.h"
#include "platform/scanfunction/CTOFMSMSAcqFunctionSetupDialog.h"

class CMaldiMSMSAcqFunctionSetupDialog : public CTOFMSMSAcqFunctionSetupDialog {
    DECLARE_DYNAMIC(CMaldiMSMSAcqFunctionSetupDialog)
public:
    explicit CMaldiMSMSAcqFunctionSetupDialog(CWnd* parent = nullptr);

    void SetLaserType(UINT laserType) { m_nLaserType = laserType; }
    void SetLaserFiringRate(UINT rate) { m_nLaserFiringRate = rate; }
    void SetPlateSpeed(UINT speed) { m_nPlateSpeed = speed; }
    void SetStartTime(int seconds) { m_nStartTime = seconds; }
    void SetEndTime(int seconds) { m_nEndTime = seconds; }
    void SetLockMassTime(int seconds) { m_nLockMassTime = seconds; }
    void SetUseLockMass(int use) { m_bUseLockMass = use; }
    // Ignored on the MALDI/ESI instrument model, whose laser pattern is fixed.
    void SetLaserPatternFilename(CString name);

    UINT GetLaserType() const { return m_nLaserType; }
    UINT GetLaserFiringRate() const { return m_nLaserFiringRate; }
    UINT GetPlateSpeed() const { return m_nPlateSpeed; }
    int GetStartTime() const { return m_nStartTime; }
    int GetEndTime() const { return m_nEndTime; }
    int GetLockMassTime() const { return m_nLockMassTime; }
    int GetUseLockMass() const { return m_bUseLockMass; }
    CString GetLaserPatternFilename() const { return m_strLaserPatternFilename; }

    // --- values the host reads and writes directly, in declaration order --------------------------
    double m_dEndMass;          // m/z
    double m_dTotalTime;        // s, shown only; kept equal to the end time
    double m_dInterScanDelay;   // s between scans
    double m_dScanTime;         // s per scan
    double m_dStartMass;        // m/z
    double m_dSetMass;          // precursor m/z selected for MS/MS
    double m_dCollisionEnergy;  // V; not used while the tune page's energy is
    int m_nScansToSum;          // scans summed in MCA mode
    CString m_strIonMode;       // "LDI+" or "LDI-", at most 10 characters
    CString m_strDataFormat;    // "Centroid", "Continuum" or "MCA", at most 10 characters

protected:
    CString m_strLaserPatternFilename;

public:
    BOOL m_bUseTunePageCE;      // the tune page's collision energy instead of m_dCollisionEnergy

protected:
    int m_nStartTime;           // s at which the sample phase begins
    int m_nEndTime;             // s at which the acquisition ends
    int m_nLockMassTime;        // s of lock-mass acquisition at the start

public:
    int m_nSampleTime;          // s of sample acquisition

protected:
    BOOL m_bUseLockMass;

public:
    CString m_strCaption;       // the window's title, set at every data exchange

protected:
    UINT m_nLaserFiringRate;    // Hz
    UINT m_nPlateSpeed;
    UINT m_nLaserType;          // 1, 2 or 3: selects the firing-rate list

    MaldiAcquisitionTime m_time{m_nStartTime, m_nEndTime, m_nLockMassTime, m_nSampleTime, m_bUseLockMass,
                                m_dTotalTime};

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnUseLockMass();
    afx_msg void OnChangeSampleAcquireTime();
    afx_msg void OnChangeLMAcquireTime();
    afx_msg void OnSelChangeDataFormat();
    afx_msg void OnEditChangeDataFormat();
    afx_msg void OnPbUseTunePageCE();
    afx_msg void OnBrowseBtn();
    afx_msg void OnSelChangeIonMode();
    afx_msg void OnSelChangeLaserFiringRate();
    afx_msg void OnSelChangePlateSpeed();

    DECLARE_MESSAGE_MAP()

private:
    // Reads every control into the members; false (after the prompt) when a field does not read.
    bool ReadControls() { return UpdateData(TRUE) != FALSE; }
    void WriteControls() { UpdateData(FALSE); }
};
