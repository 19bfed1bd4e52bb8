#include "platform/calibrationgrid/CCalibrationGrid.h"

#include "platform/calibrationgrid/CalibrationGridControl.h"

IMPLEMENT_DYNAMIC(CCalibrationGrid, CWnd)

CCalibrationGrid::CCalibrationGrid()
{
    CalibrationGridControl::Register();
}

short CCalibrationGrid::Invoke(long dispid, long arg)
{
    if (!m_hWnd || !::IsWindow(m_hWnd)) return 0;
    CalibrationGridDispatch call;
    call.dispid = dispid;
    call.argCount = 1;
    call.arg = arg;
    ::SendMessage(m_hWnd, CGM_DISPATCH, 0, reinterpret_cast<LPARAM>(&call));
    return call.handled ? static_cast<short>(call.result) : 0;
}

short CCalibrationGrid::SetGridSize(short n) { return Invoke(griddispid::SetGridSize, n); }
short CCalibrationGrid::SetHit(long aim) { return Invoke(griddispid::SetHit, aim); }
short CCalibrationGrid::SetCurrentAim(long aim) { return Invoke(griddispid::SetCurrentAim, aim); }
