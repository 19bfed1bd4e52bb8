#pragma once
// Window wrapper of the embedded laser pattern control (PatternControl): each operation is one
// dispatch call (PatternDispatch.h) sent to the control's window. Attach it to the control with
// DDX_Control or SubclassDlgItem. Without a window, or on a window that is not a pattern control,
// the operations do nothing and return 0 / FALSE.
//
// Constructing a wrapper registers the control's window class, so a dialog whose template holds
// the control can be created once its wrapper member exists.

#include "platform/framework/CWnd.h"
#include "platform/patternctrl/PatternDispatch.h"

class CMaldiPatternCtrl : public CWnd {
    DECLARE_DYNAMIC(CMaldiPatternCtrl)
public:
    CMaldiPatternCtrl();

    void SetLaserState(BOOL on);
    void SetLaserWidth(short width);
    BOOL NewPattern();
    BOOL Undo();
    BOOL IsPatternModified();
    BOOL ResetModified();
    long GetPointX(long index);
    long GetPointY(long index);
    BOOL GetPointLaserState(long index);
    short GetPointLaserWidth(long index);
    long GetPointCount();
    BOOL SetPointX(long index, long x);
    BOOL SetPointY(long index, long y);
    BOOL SetPointLaserWidth(long index, long width);
    BOOL SetPointLaserState(long index, short state);
    BOOL SetAllLaserWidths(long width);
    long GetScale();
    void Refresh();

private:
    long Invoke(long dispid, PatternDispatch::Kind kind, int argCount = 0, long a0 = 0, long a1 = 0);
};
