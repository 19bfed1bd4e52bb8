#pragma once
// The widget library's crosshair tracker (window class "Tracker"): a square field over two integer
// axes in which the operator drags a cross; the owner may mark spots on it and draw a circle (a
// well outline). The window procedure holds all the state, so a tracker made from a dialog template
// works and paints by itself; CTrackerCtl is the object an owner attaches (SubclassDlgItem) to call
// it by name. Constructing a CTrackerCtl (or calling RegisterWindowClass) registers the class.
//
// Axes: X runs from its minimum at the left edge to its maximum at the right edge; Y from its
// maximum at the top to its minimum at the bottom (up is positive). Inside a 2-pixel sunken border
// the first and last pixel columns (rows) are the limits; a point maps to the nearest value, and
// points beyond the field clamp to the limits. Defaults: both axes -100..100, the cross at (0, 0),
// circle limits the axes', circle ratio 1.0, no spots.
//
// Choices where the widget's behaviour is not laid down:
//   - Limits whose maximum lies below their minimum are refused (FALSE, nothing changes); new limits
//     clamp the cross into them; spots keep their values and are drawn only where they fall inside.
//   - The circle is the ellipse centred in the circle-limits rectangle with radii of `ratio` times
//     half its width and height (ratio clamped to 0..1), drawn in grey.
//   - Spot kinds: 1 a ring, 2 a filled dot, any other a small square, each in the spot's colour and
//     5 pixels across. At most kMaxSpots are kept; the oldest goes first.
//   - SetValue and the other program changes notify nobody. The operator's changes notify the parent:
//       WM_COMMAND, code TRN_CHANGE (0x0400): the cross moved (a press moving it, each drag step that
//                  changes it, an arrow key moving it one unit);
//       WM_NOTIFY,  code TRN_RELEASE (0x0402): the operator let go (the button's release, the release
//                  of an arrow key pressed on the tracker, or the mouse taken away mid-drag), wherever
//                  the cross is. A key released without its press reaching the tracker notifies nothing.
//   - A press anywhere in the field takes the mouse and moves the cross there.

#include <vector>

#include "platform/framework/CWnd.h"

// Messages of the "Tracker" class (signed values in wParam/lParam are ints).
constexpr UINT TRKM_SETXLIMITS = WM_USER + 1;      // wParam min, lParam max; TRUE when taken
constexpr UINT TRKM_SETYLIMITS = WM_USER + 2;      // wParam min, lParam max; TRUE when taken
constexpr UINT TRKM_SETCIRCLELIMITS = WM_USER + 3; // lParam const RECT* {x min, y min, x max, y max}
constexpr UINT TRKM_SETCIRCLERATIO = WM_USER + 4;  // lParam const double*
constexpr UINT TRKM_GETVALUE = WM_USER + 5;        // lParam POINT*
constexpr UINT TRKM_SETVALUE = WM_USER + 6;        // wParam x, lParam y (clamped)
constexpr UINT TRKM_ADDSPOT = WM_USER + 7;         // lParam const TrackerSpot*
constexpr UINT TRKM_CLEARSPOTS = WM_USER + 8;
constexpr UINT TRKM_GETSPOTCOUNT = WM_USER + 9;
constexpr UINT TRKM_GETSPOT = WM_USER + 10;        // wParam index, lParam TrackerSpot*; FALSE when none
constexpr UINT TRKM_GETLIMITS = WM_USER + 11;      // wParam 0 axes / 1 circle, lParam RECT* as above
constexpr UINT TRKM_GETCIRCLERATIO = WM_USER + 12; // lParam double*

// Notification codes to the parent.
constexpr UINT TRN_CHANGE = 0x0400;  // WM_COMMAND
constexpr UINT TRN_RELEASE = 0x0402; // WM_NOTIFY

struct TrackerSpot {
    int x = 0;
    int y = 0;
    int kind = 0;
    COLORREF colour = 0;
    friend bool operator==(const TrackerSpot&, const TrackerSpot&) = default;
};

class CTrackerCtl : public CWnd {
public:
    static constexpr LPCTSTR kClassName = "Tracker";
    static constexpr int kBorder = 2;
    static constexpr size_t kMaxSpots = 4096;
    static constexpr int kSpotKindRing = 1;
    static constexpr int kSpotKindDot = 2;

    CTrackerCtl();
    ~CTrackerCtl() override;

    // Registers the "Tracker" window class once; true when it is there.
    static bool RegisterWindowClass();

    BOOL SetXLimits(int minimum, int maximum);
    BOOL SetYLimits(int minimum, int maximum);
    void SetCircleLimits(int xMin, int xMax, int yMin, int yMax);
    void SetCircleRatio(double ratio);
    // Limits as {x min, y min, x max, y max}.
    CRect GetLimits() const;
    CRect GetCircleLimits() const;
    double GetCircleRatio() const;

    void GetValue(int& x, int& y) const;
    void SetValue(int x, int y);

    void AddSpot(int x, int y, int kind, COLORREF colour);
    void ClearSpots();
    int GetSpotCount() const;
    std::vector<TrackerSpot> GetSpots() const;

    // Client point of a value / nearest value of a client point, for any tracker window (a window
    // of another class gives (0, 0)).
    static POINT PointOf(HWND tracker, int x, int y);
    static POINT ValueAt(HWND tracker, POINT client);

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
