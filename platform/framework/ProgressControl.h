#pragma once
// The standard progress bar ("msctls_progress32"): a range, a position inside it and a step.
//
// Range 0..100, position 0 and step 10 when created. The position always lies within the range:
// PBM_SETPOS and PBM_DELTAPOS clamp to it, and a new range clamps the position into itself.
// PBM_STEPIT adds the step; a position that would pass the upper limit starts over at the lower
// limit (and one that would fall below the lower limit, with a negative step, starts over at the
// upper limit). Every position message returns the previous position. PBM_SETRANGE takes two
// unsigned 16-bit limits, PBM_SETRANGE32 two ints; both return the previous range packed as two
// 16-bit words. A range whose upper limit is not above its lower limit is kept as given; such a bar
// draws empty.
//
// Painting: the background colour (PBM_SETBKCOLOR; COLOR_BTNFACE by default) and the bar in the
// bar colour (PBM_SETBARCOLOR; COLOR_HIGHLIGHT by default), growing from the left, or from the
// bottom with PBS_VERTICAL, inside a 1-pixel margin. PBS_SMOOTH draws one solid bar; otherwise the
// bar is drawn as blocks two thirds of its thickness long with a 2-pixel gap, every block that the
// position has reached shown whole (cut only by the end of the control).

#include "platform/framework/CommCtrl.h"

class CDC;

class ProgressControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // The standard look, painted into a context whose logical (0, 0) is the client's top-left.
    static void Paint(HWND hwnd, CDC& dc);

private:
    static LRESULT handle(HWND hwnd, ProgressControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    static ProgressControl* from(HWND hwnd);
    // Moves to the position (already clamped or wrapped); returns the previous one.
    static int moveTo(HWND hwnd, ProgressControl& self, int position);
    static LRESULT setRange(HWND hwnd, ProgressControl& self, int lower, int upper);
    int clamp(int position) const;

    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
    int m_step = 10;
    COLORREF m_barColor = CLR_DEFAULT;
    COLORREF m_bkColor = CLR_DEFAULT;
};
