#pragma once
// The MALDI MS scan function dialog ("Maldi MS", template "Maldi MS Scan"): mass range, data
// storage, scan duration, acquisition time (optional lock-mass phase, then the sample phase),
// laser firing rate, laser pattern file and plate speed of one MS function.
//
// The host constructs it, sets the values (set operations and public members), runs DoModal and,
// after IDOK, reads them back. The set values take effect when the dialog opens: the firing-rate
// list is filled for the laser type, the time bookkeeping (MaldiAcquisitionTime) derives the
// sample and total time from the end time, and everything is written to the controls.
//
// Every handler is in the message map at the top of the .cpp file. Typing in any field reads all
// fields with the framework's number prompt (once per read that fails; the focus goes to the field).
// The time handlers read, do their bookkeeping on what did read and write the members back; OK
// reads, then the framework's OK reads again and does not close until every field reads.
//
// On the MALDI/ESI instrument model the laser pattern is fixed: SetLaserPatternFilename is ignored
// and the pattern edit and its browse button are disabled.

#include "maldi/dialogs/MaldiAcquisitionTime.h"
#include "platform/scanfunction/CTOFMSAcqFunctionSetupDialog.h"

class CMaldiMSAcqFunctionSetupDialog : public CTOFMSAcqFunctionSetupDialog {
    DECLARE_DYNAMIC(CMaldiMSAcqFunctionSetupDialog)
public:
    explicit CMaldiMSAcqFunctionSetupDialog(CWnd* parent = nullptr);

    void SetLaserType(UINT laserType) { m_nLaserType = laserType; }
    void SetLaserFiringRate(UINT rate) { m_nLaserFiringRate = rate; }
    void SetPlateSpeed(UINT speed) { m_nPlateSpeed = speed; }
    void SetIntStartTime(int seconds) { m_nStartTime = seconds; }
    void SetIntEndTime(int seconds) { m_nEndTime = seconds; }
    void SetLockMassTime(int seconds) { m_nLockMassTime = seconds; }
    void SetUseLockMass(int use) { m_bUseLockMass = use; }
    void SetLaserPatternFilename(CString name);

    UINT GetLaserType() const { return m_nLaserType; }
    UINT GetLaserFiringRate() const { return m_nLaserFiringRate; }
    UINT GetPlateSpeed() const { return m_nPlateSpeed; }
    int GetIntStartTime() const { return m_nStartTime; }
    int GetIntEndTime() const { return m_nEndTime; }
    int GetLockMassTime() const { return m_nLockMassTime; }
    int GetUseLockMass() const { return m_bUseLockMass; }
    CString GetLaserPatternFilename() const { return m_strLaserPatternFilename; }

    // --- values the host reads and writes directly, in declaration order --------------------------
    double m_dEndMass;         // m/z
    double m_dInterScanDelay;  // s between scans
    double m_dTotalTime;       // s, shown only; kept equal to the end time
    double m_dScanTime;        // s per scan
    double m_dStartMass;       // m/z
    int m_nScansToSum;         // scans summed in MCA mode
    CString m_strIonMode;      // "LDI+" or "LDI-", at most 10 characters
    CString m_strDataFormat;   // "Centroid", "Continuum" or "MCA", at most 10 characters

protected:
    CString m_strLaserPatternFilename;
    int m_nStartTime;          // s at which the sample phase begins (0, or the lock-mass time)
    int m_nEndTime;            // s at which the acquisition ends

    int m_nLockMassTime;       // s of lock-mass acquisition at the start

public:
    int m_nSampleTime;         // s of sample acquisition

protected:
    BOOL m_bUseLockMass;

public:
    CString m_strCaption;      // the window's title, set at every data exchange

protected:
    UINT m_nLaserFiringRate;   // Hz
    UINT m_nPlateSpeed;
    UINT m_nLaserType;         // 1, 2 or 3: selects the firing-rate list

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
    afx_msg void OnBrowseBtn();
    afx_msg void OnSelChangeIonMode();
    afx_msg void OnSelChangeLaserFiringRate();
    afx_msg void OnSelChangePlateSpeed();
    afx_msg void OnEditChangeStartMass();
    afx_msg void OnEditChangeStartEnd();
    afx_msg void OnEditChangeScanTime();
    afx_msg void OnEditChangeInterScanTime();
    afx_msg void OnEditChangePatternFilename();
    afx_msg void OnEditChangeScansToSum();

    DECLARE_MESSAGE_MAP()

private:
    // Reads every control into the members; false (after the prompt) when a field does not read.
    bool ReadControls() { return UpdateData(TRUE) != FALSE; }
    void WriteControls() { UpdateData(FALSE); }
};
