#pragma once
// The embedded laser pattern control: a child window of the registered class kClassName that holds
// an ordered list of points (pixels, laser state, laser width), lets the operator draw them and
// answers the dispatch calls of PatternDispatch.h. A dialog template names kClassName for the
// control; Register() must have run before (the wrapper CMaldiPatternCtrl does it when built).
//
// Coordinates: a point's pixels are relative to the middle of the control's client area, x to the
// right, y downwards. Well coordinates are pixels divided by the scale (kDefaultScale pixels per
// well unit until changed through dispatch id 19).
//
// Drawing: a left-button press adds a point where it lands, with the laser state and width set
// for new points (the control starts with the laser off and width 1). The window's own message
// PCM_ADDPOINT (wParam unused, lParam MAKELPARAM of the pixel x and y relative to the middle) does
// the same for a host or a test without a mouse.
//
// Undo: drawing a point, NewPattern and SetAllLaserWidths are the edits the operator makes, and
// each can be undone (the last kUndoDepth of them). SetAllLaserWidths with the width every point
// already has changes nothing and is no edit. The per-point setters are how a host fills a
// pattern; they record nothing, so an Undo after NewPattern plus setters brings back the pattern
// that was there before NewPattern.
// Modified: every change to the points (undo included) sets it; only ResetModified clears it.
// Setting the laser state or width for new points changes no point and is not a change.
//
// Painting: a white field with the axes through the middle in light grey; consecutive points are
// joined by a line, blue where the laser is off on arrival and red where it is on; each point is
// a disc of radius 1 + width (widths above 20 drawn as 20), filled red with the laser on and white with a
// black ring with it off.

#include <vector>

#include "platform/framework/WinTypes.h"
#include "platform/framework/WinUser.h"
#include "platform/patternctrl/PatternDispatch.h"

constexpr UINT PCM_ADDPOINT = WM_USER + 0x7A1;

class CDC;

class PatternControl {
public:
    static constexpr LPCTSTR kClassName = "MaldiPatternControl";
    static constexpr long kDefaultScale = 100;
    static constexpr size_t kMaxPoints = 100000;
    static constexpr size_t kUndoDepth = 100;
    static constexpr COLORREF kLaserOnColour = RGB(255, 0, 0);
    static constexpr COLORREF kLaserOffColour = RGB(0, 0, 255);

    struct Point {
        long x = 0;
        long y = 0;
        BOOL laser = FALSE;
        short width = 1;
        friend bool operator==(const Point&, const Point&) = default;
    };

    // Registers the window class (once per process; later calls do nothing).
    static void Register();
    // The control behind a window of the class (null for any other window).
    static PatternControl* FromHandle(HWND hwnd);

    const std::vector<Point>& Points() const { return m_points; }

private:
    friend class ControlWindow; // makes the object with its window and paints it
    PatternControl() = default;
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Handle(HWND hwnd, PatternControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    static void Paint(HWND hwnd, CDC& dc);

    void Dispatch(PatternDispatch& call);
    bool AddPoint(long x, long y);
    void Draw(CDC& dc);
    // Edits: record the points as they were (for Undo) and mark the pattern changed.
    void RecordUndo();
    void Changed();
    Point* At(long index);

    HWND m_hwnd = nullptr;
    std::vector<Point> m_points;
    std::vector<std::vector<Point>> m_undo;
    BOOL m_laser = FALSE;
    short m_width = 1;
    long m_scale = kDefaultScale;
    bool m_modified = false;
};
