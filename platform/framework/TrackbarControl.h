#pragma once
// The standard slider ("msctls_trackbar32"): a thumb moving along a channel over a range of whole
// positions.
//
// Range 0..100, position 0, line size 1, page size a fifth of the range (at least 1; it follows the
// range until TBM_SETPAGESIZE sets it) when created. The position always lies within the range:
// TBM_SETPOS clamps, and a new range clamps the position into itself. A range whose maximum is
// below its minimum is kept as given with the position at the minimum. Program changes notify
// nobody.
//
// Geometry (horizontal; a TBS_VERT slider is the same turned, its minimum at the top): the thumb is
// kThumbSize pixels along the channel; the channel runs from kThumbSize / 2 + kMargin to the same
// distance from the far end, and the thumb's centre lies at the position's share of it (rounded
// down). TBM_GETTHUMBRECT and TBM_GETCHANNELRECT report both in client coordinates.
//
// The operator, each step to the parent as WM_HSCROLL (WM_VSCROLL for TBS_VERT) with the slider's
// handle: dragging the thumb sends TB_THUMBTRACK with the new position whenever it changes; the
// release sends TB_THUMBPOSITION with the final position, then TB_ENDTRACK, and the slider lets the
// mouse go with NM_RELEASEDCAPTURE (WM_NOTIFY). A press on the channel beside the thumb moves it
// one page towards the press (TB_PAGEUP / TB_PAGEDOWN); its release sends TB_ENDTRACK and
// NM_RELEASEDCAPTURE. Keys: Left/Up one line back (TB_LINEUP), Right/Down one line on
// (TB_LINEDOWN), Page Up/Down a page (TB_PAGEUP/TB_PAGEDOWN), Home/End to the ends (TB_TOP,
// TB_BOTTOM); each key's release sends TB_ENDTRACK. Position codes carry the position in the high
// word; the others carry 0. A step that does not move the thumb (already at the end) is still sent.
//
// Painting (classic look): a sunken channel, tick marks below the thumb (above it too with
// TBS_BOTH, only above with TBS_TOP; none with TBS_NOTICKS): at every TBM_SETTICFREQ step with
// TBS_AUTOTICKS, else at both ends and those set; a raised thumb, checkered when disabled; a focus
// rectangle around the control while it has the focus.

#include <vector>

#include "platform/framework/CRect.h"
#include "platform/framework/WinUser.h"

class CDC;

class TrackbarControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Paint(HWND hwnd, CDC& dc);
    static constexpr int kThumbSize = 11;  // along the channel
    static constexpr int kThumbDepth = 21; // across it, at most
    static constexpr int kMargin = 2;

    // Client coordinates; empty for a window that is not a slider.
    static CRect ChannelRect(HWND hwnd);
    static CRect ThumbRect(HWND hwnd);
    // The point of the channel where the thumb's centre stands at a position (clamped to the range).
    static POINT PointOf(HWND hwnd, int position);

private:
    static TrackbarControl* from(HWND hwnd);
    static LRESULT handle(HWND hwnd, TrackbarControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    static void scroll(HWND hwnd, UINT code, int position);
    static void releasedCapture(HWND hwnd);
    static int positionAt(HWND hwnd, POINT p);
    static void setRange(HWND hwnd, int low, int high, bool redraw);

    int m_min = 0;
    int m_max = 100;
    int m_pos = 0;
    int m_line = 1;
    int m_page = 20;
    bool m_pageSet = false;
    int m_ticFrequency = 1;
    std::vector<int> m_tics;
    int m_selStart = 0;
    int m_selEnd = 0;
    int m_thumbDepth = kThumbDepth;
    bool m_tracking = false;   // dragging the thumb
    bool m_paging = false;     // a press on the channel, not yet released
    int m_grab = 0;            // where in the thumb it was taken, from its centre
    bool m_focused = false;
};
