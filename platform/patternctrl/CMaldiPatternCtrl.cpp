#include "platform/patternctrl/CMaldiPatternCtrl.h"

#include "platform/patternctrl/PatternControl.h"

IMPLEMENT_DYNAMIC(CMaldiPatternCtrl, CWnd)

using namespace patterndispid;

CMaldiPatternCtrl::CMaldiPatternCtrl()
{
    PatternControl::Register();
}

long CMaldiPatternCtrl::Invoke(long dispid, PatternDispatch::Kind kind, int argCount, long a0, long a1)
{
    if (!m_hWnd || !::IsWindow(m_hWnd)) return 0;
    PatternDispatch call;
    call.dispid = dispid;
    call.kind = kind;
    call.argCount = argCount;
    call.args[0] = a0;
    call.args[1] = a1;
    ::SendMessage(m_hWnd, PCM_DISPATCH, 0, reinterpret_cast<LPARAM>(&call));
    return call.handled ? call.result : 0;
}

void CMaldiPatternCtrl::SetLaserState(BOOL on)
{
    Invoke(LaserState, PatternDispatch::PropertySet, 1, on);
}
void CMaldiPatternCtrl::SetLaserWidth(short width)
{
    Invoke(LaserWidth, PatternDispatch::PropertySet, 1, width);
}
BOOL CMaldiPatternCtrl::NewPattern()
{
    return static_cast<BOOL>(Invoke(patterndispid::NewPattern, PatternDispatch::Method));
}
BOOL CMaldiPatternCtrl::Undo() { return static_cast<BOOL>(Invoke(patterndispid::Undo, PatternDispatch::Method)); }
BOOL CMaldiPatternCtrl::IsPatternModified()
{
    return static_cast<BOOL>(Invoke(patterndispid::IsPatternModified, PatternDispatch::Method));
}
BOOL CMaldiPatternCtrl::ResetModified()
{
    return static_cast<BOOL>(Invoke(patterndispid::ResetModified, PatternDispatch::Method));
}
long CMaldiPatternCtrl::GetPointX(long index)
{
    return Invoke(patterndispid::GetPointX, PatternDispatch::Method, 1, index);
}
long CMaldiPatternCtrl::GetPointY(long index)
{
    return Invoke(patterndispid::GetPointY, PatternDispatch::Method, 1, index);
}
BOOL CMaldiPatternCtrl::GetPointLaserState(long index)
{
    return static_cast<BOOL>(Invoke(patterndispid::GetPointLaserState, PatternDispatch::Method, 1, index));
}
short CMaldiPatternCtrl::GetPointLaserWidth(long index)
{
    return static_cast<short>(Invoke(patterndispid::GetPointLaserWidth, PatternDispatch::Method, 1, index));
}
long CMaldiPatternCtrl::GetPointCount() { return Invoke(patterndispid::GetPointCount, PatternDispatch::Method); }
BOOL CMaldiPatternCtrl::SetPointX(long index, long x)
{
    return static_cast<BOOL>(Invoke(patterndispid::SetPointX, PatternDispatch::Method, 2, index, x));
}
BOOL CMaldiPatternCtrl::SetPointY(long index, long y)
{
    return static_cast<BOOL>(Invoke(patterndispid::SetPointY, PatternDispatch::Method, 2, index, y));
}
BOOL CMaldiPatternCtrl::SetPointLaserWidth(long index, long width)
{
    return static_cast<BOOL>(Invoke(patterndispid::SetPointLaserWidth, PatternDispatch::Method, 2, index, width));
}
BOOL CMaldiPatternCtrl::SetPointLaserState(long index, short state)
{
    return static_cast<BOOL>(Invoke(patterndispid::SetPointLaserState, PatternDispatch::Method, 2, index, state));
}
BOOL CMaldiPatternCtrl::SetAllLaserWidths(long width)
{
    return static_cast<BOOL>(Invoke(patterndispid::SetAllLaserWidths, PatternDispatch::Method, 1, width));
}
long CMaldiPatternCtrl::GetScale() { return Invoke(patterndispid::GetScale, PatternDispatch::Method); }
void CMaldiPatternCtrl::Refresh() { Invoke(DISPID_REFRESH, PatternDispatch::Method); }
