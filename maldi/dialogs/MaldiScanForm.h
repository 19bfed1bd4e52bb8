#pragma once
// What the MALDI MS and MS/MS scan function dialogs do alike, on the controls of either template.
// Each dialog keeps its members, its data exchange and its message map; the steps of opening, the
// states shown after every exchange and the handlers' bodies that are the same are here, with the
// ids of the dialog's own template.

#include "maldi/dialogs/MaldiAcquisitionTime.h"
#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

class CWnd;

// The controls whose ids differ between the two templates.
struct MaldiScanFormIds {
    int ionMode;
    int dataFormat;
    int scansToSum;
    int sampleTime;
    int patternFile;
    int patternBrowse;
};

class MaldiScanForm {
public:
    // Opening: the fixed lists filled (a template carries no list contents), the firing rate and
    // plate speed selected. The laser type is normalised as MaldiScanLists does.
    static void FillLists(CWnd& dialog, const MaldiScanFormIds& ids, UINT& laserType, UINT firingRate,
                          UINT plateSpeed);
    // After every exchange: the lock-mass time and the scans to sum enabled as the members say,
    // the pattern file and its browse button greyed where the instrument fixes the pattern, the
    // caption.
    static void ShowStates(CWnd& dialog, const MaldiScanFormIds& ids, BOOL useLockMass, const CString& dataFormat,
                           const CString& caption);
    // A time edit changed: unless it is empty, every field is read, the bookkeeping `step` runs on
    // what did read and the members are written back.
    static void TimeChanged(CWnd& dialog, int editId, MaldiAcquisitionTime& time, void (MaldiAcquisitionTime::*step)());
    // "Use Lock Mass" clicked: the member, not the box, says what the operator switched from.
    static void LockMassToggled(CWnd& dialog, MaldiAcquisitionTime& time);
    // The data format's selection changed: the new item becomes the box's text only after this
    // notification, so the box's edit change is posted to be handled once it has.
    static void PostFormatChange(CWnd& dialog, const MaldiScanFormIds& ids);
    // The data format's text changed: the scans to sum follow "MCA". The format shown, returned.
    static CString ShowFormat(CWnd& dialog, const MaldiScanFormIds& ids);
};
