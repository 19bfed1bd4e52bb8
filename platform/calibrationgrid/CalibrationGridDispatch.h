#pragma once
// The dispatch interface of the embedded calibration grid control, as its window message.
//
// A caller fills a CalibrationGridDispatch and sends CGM_DISPATCH (lParam points to it) to the
// control's window; the control performs the call and fills result and handled. All are methods:
//
//   id   arguments   result  what
//    1   short n     short   shows an n x n grid of aims; forgets hits and the current aim
//    2   long aim    short   marks the aim as a hit
//    3   long aim    short   marks the aim about to be tried (one at a time; off the grid: none)
//
// The result is TRUE when the aim or size was taken, FALSE otherwise. An unknown id or a wrong
// argument count leaves handled false.

#include "platform/framework/WinTypes.h"
#include "platform/framework/WinUser.h"

constexpr UINT CGM_DISPATCH = WM_USER + 0x7B0;

namespace griddispid {
constexpr long SetGridSize = 1;
constexpr long SetHit = 2;
constexpr long SetCurrentAim = 3;
} // namespace griddispid

struct CalibrationGridDispatch {
    long dispid = 0;
    int argCount = 0;
    long arg = 0;
    long result = 0;
    bool handled = false;
};
