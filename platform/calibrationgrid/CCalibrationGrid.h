#pragma once
// Window wrapper of the embedded calibration grid control (CalibrationGridControl): each operation
// is one dispatch call (CalibrationGridDispatch.h) sent to the control's window. Attach it with
// DDX_Control or SubclassDlgItem. Without a window, or on a window that is not a calibration grid,
// the operations do nothing and return 0.
//
// Constructing a wrapper registers the control's window class, so a dialog whose template holds
// the control can be created once its wrapper member exists.

#include "platform/calibrationgrid/CalibrationGridDispatch.h"
#include "platform/framework/CWnd.h"

class CCalibrationGrid : public CWnd {
    DECLARE_DYNAMIC(CCalibrationGrid)
public:
    CCalibrationGrid();

    short SetGridSize(short n);
    short SetHit(long aim);
    short SetCurrentAim(long aim);

private:
    short Invoke(long dispid, long arg);
};
