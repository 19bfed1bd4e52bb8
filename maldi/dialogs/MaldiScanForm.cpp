#include "maldi/dialogs/MaldiScanForm.h"

#include "maldi/dialogs/MaldiPatternFile.h"
#include "maldi/dialogs/MaldiScanLists.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/CommCtrl.h"

using namespace maldi::res;

void MaldiScanForm::FillLists(CWnd& dialog, const MaldiScanFormIds& ids, UINT& laserType, UINT firingRate,
                              UINT plateSpeed)
{
    MaldiScanLists::FillIonModes(*dialog.GetDlgItem(ids.ionMode));
    MaldiScanLists::FillDataFormats(*dialog.GetDlgItem(ids.dataFormat));
    MaldiScanLists::FillPlateSpeeds(*dialog.GetDlgItem(IDC_PLATE_SPEED));
    MaldiScanLists::FillFiringRates(*dialog.GetDlgItem(IDC_LASER_FIRING_RATE), laserType);

    MaldiScanLists::SelectNumber(*dialog.GetDlgItem(IDC_LASER_FIRING_RATE), firingRate);
    MaldiScanLists::SelectNumber(*dialog.GetDlgItem(IDC_PLATE_SPEED), plateSpeed);
}

void MaldiScanForm::ShowStates(CWnd& dialog, const MaldiScanFormIds& ids, BOOL useLockMass,
                               const CString& dataFormat, const CString& caption)
{
    dialog.GetDlgItem(IDC_LOCK_MASS_TIME)->EnableWindow(useLockMass);
    dialog.GetDlgItem(ids.scansToSum)->EnableWindow(dataFormat == "MCA");
    if (!MaldiPatternFile::IsUserSelectable()) {
        dialog.GetDlgItem(ids.patternFile)->EnableWindow(FALSE);
        dialog.GetDlgItem(ids.patternBrowse)->EnableWindow(FALSE);
    }
    dialog.SetWindowText(caption);
}

void MaldiScanForm::TimeChanged(CWnd& dialog, int editId, MaldiAcquisitionTime& time,
                                void (MaldiAcquisitionTime::*step)())
{
    if (dialog.GetDlgItem(editId)->GetWindowTextLength() == 0) return;
    dialog.UpdateData(TRUE); // the bookkeeping runs on what did read
    (time.*step)();
    dialog.UpdateData(FALSE);
}

void MaldiScanForm::LockMassToggled(CWnd& dialog, MaldiAcquisitionTime& time)
{
    time.ToggleLockMass();
    dialog.UpdateData(FALSE);
}

void MaldiScanForm::PostFormatChange(CWnd& dialog, const MaldiScanFormIds& ids)
{
    CWnd* format = dialog.GetDlgItem(ids.dataFormat);
    dialog.PostMessage(WM_COMMAND, MAKEWPARAM(ids.dataFormat, CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(format->GetSafeHwnd()));
}

CString MaldiScanForm::ShowFormat(CWnd& dialog, const MaldiScanFormIds& ids)
{
    CString format;
    dialog.GetDlgItemText(ids.dataFormat, format);
    dialog.GetDlgItem(ids.scansToSum)->EnableWindow(format == "MCA");
    return format;
}
