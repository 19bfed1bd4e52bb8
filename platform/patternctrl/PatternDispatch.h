#pragma once
// The dispatch interface of the embedded laser pattern control, as its window message.
//
// A caller fills a PatternDispatch and sends PCM_DISPATCH (lParam points to it) to the control's
// window; the control performs the call and fills result and handled. Ids and argument lists:
//
//   id   kind      arguments          result  what
//    2   property  BOOL on            -       laser state of the points drawn next
//    3   property  short width        -       laser width of the points drawn next
//    4   method    -                  BOOL    removes every point (undoable)
//    5   method    -                  BOOL    undoes the last edit; FALSE with nothing to undo
//    6   method    -                  BOOL    the pattern changed since the last reset
//    7   method    -                  BOOL    marks the pattern unchanged
//    8   method    long i             long    x of point i, pixels (0 out of range)
//    9   method    long i             long    y of point i, pixels (0 out of range)
//   10   method    long i             BOOL    laser state of point i
//   11   method    long i             short   laser width of point i
//   12   method    -                  long    number of points
//   13   method    long i, long x     BOOL    sets x of point i; i == count adds a point
//   14   method    long i, long y     BOOL    sets y of point i
//   15   method    long i, long w     BOOL    sets laser width of point i
//   16   method    long i, short s    BOOL    sets laser state of point i
//   17   method    long w             BOOL    sets every point's laser width (undoable)
//   18   method    -                  long    pixels per well unit
//   19   property  long scale         -       pixels per well unit (this control's own; > 0)
//  -550  method    -                  -       redraws the control (DISPID_REFRESH)
//
// An unknown id, a wrong kind or a wrong argument count leaves handled false.

#include "platform/framework/WinTypes.h"
#include "platform/framework/WinUser.h"

constexpr UINT PCM_DISPATCH = WM_USER + 0x7A0;

constexpr long DISPID_REFRESH = -550;

namespace patterndispid {
constexpr long LaserState = 2;
constexpr long LaserWidth = 3;
constexpr long NewPattern = 4;
constexpr long Undo = 5;
constexpr long IsPatternModified = 6;
constexpr long ResetModified = 7;
constexpr long GetPointX = 8;
constexpr long GetPointY = 9;
constexpr long GetPointLaserState = 10;
constexpr long GetPointLaserWidth = 11;
constexpr long GetPointCount = 12;
constexpr long SetPointX = 13;
constexpr long SetPointY = 14;
constexpr long SetPointLaserWidth = 15;
constexpr long SetPointLaserState = 16;
constexpr long SetAllLaserWidths = 17;
constexpr long GetScale = 18;
constexpr long Scale = 19;
} // namespace patterndispid

struct PatternDispatch {
    enum Kind { Method, PropertySet };
    long dispid = 0;
    Kind kind = Method;
    int argCount = 0;
    long args[2] = {0, 0};
    long result = 0;
    bool handled = false;
};
