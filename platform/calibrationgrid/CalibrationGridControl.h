#pragma once
// The embedded calibration grid control: a child window of the registered class kClassName that
// shows the aims of a square calibration search as an n x n grid of cells, the hits filled green
// and the aim about to be tried outlined in red. It answers the dispatch calls of
// CalibrationGridDispatch.h. A dialog template names kClassName for the control; Register() must
// have run before (the wrapper CCalibrationGrid does it when built).
//
// Aims are numbered from 0, row by row from the top left: aim a is row a / n, column a % n. The
// host chooses its own numbering; an aim outside 0 .. n*n-1 is refused (result FALSE): as a hit it
// changes nothing, as the current aim it leaves no aim current (the one after the last aim of a
// search shows no current cell).
//
// Sizes: n below 0 is refused; 0 shows an empty field; above kMaxGridSize the grid is limited to
// kMaxGridSize (finer cells than that cannot be told apart on the control), and aims are numbered
// on the limited grid. A new size forgets every hit and the current aim.
//
// Painting: a white field; the grid is as large a square as fits, centred, cells divided by light
// grey lines; hits filled kHitColour; the current aim framed in kCurrentColour (two pixels wide
// where the cells allow it).

#include <set>

#include "platform/framework/WinTypes.h"
#include "platform/framework/WinUser.h"
#include "platform/calibrationgrid/CalibrationGridDispatch.h"

class CDC;

class CalibrationGridControl {
public:
    static constexpr LPCTSTR kClassName = "MaldiCalibrationGrid";
    static constexpr int kMaxGridSize = 100;
    static constexpr COLORREF kHitColour = RGB(0, 160, 0);
    static constexpr COLORREF kCurrentColour = RGB(220, 0, 0);
    static constexpr COLORREF kLineColour = RGB(200, 200, 200);

    // Registers the window class (once per process; later calls do nothing).
    static void Register();
    // The control behind a window of the class (null for any other window).
    static CalibrationGridControl* FromHandle(HWND hwnd);

    int GridSize() const { return m_size; }
    const std::set<long>& Hits() const { return m_hits; }
    // -1 when no aim is current.
    long CurrentAim() const { return m_current; }
    // The cell of an aim in client pixels (empty for an aim outside the grid).
    RECT CellRect(long aim) const;

private:
    friend class ControlWindow; // makes the object with its window and paints it
    CalibrationGridControl() = default;
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Handle(HWND hwnd, CalibrationGridControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    static void Paint(HWND hwnd, CDC& dc);

    void Dispatch(CalibrationGridDispatch& call);
    bool OnGrid(long aim) const { return aim >= 0 && aim < static_cast<long>(m_size) * m_size; }
    void Draw(CDC& dc);

    HWND m_hwnd = nullptr;
    int m_size = 0;
    std::set<long> m_hits;
    long m_current = -1;
};
