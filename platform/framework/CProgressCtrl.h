#pragma once
// Wrapper of a standard progress bar ("msctls_progress32"; see ProgressControl for its behaviour).

#include "platform/framework/CWnd.h"
#include "platform/framework/ProgressControl.h"

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The 16-bit form keeps limits of 0..65535.
    void SetRange(short lower, short upper);
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
    int SetPos(int pos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(pos))); }
    int OffsetPos(int delta) { return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(delta))); }
    int SetStep(int step) { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step))); }
    int StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
    COLORREF SetBarColor(COLORREF color)
    {
        return static_cast<COLORREF>(SendMessage(PBM_SETBARCOLOR, 0, static_cast<LPARAM>(color)));
    }
    COLORREF GetBarColor() const { return static_cast<COLORREF>(SendMessage(PBM_GETBARCOLOR)); }
    COLORREF SetBkColor(COLORREF color)
    {
        return static_cast<COLORREF>(SendMessage(PBM_SETBKCOLOR, 0, static_cast<LPARAM>(color)));
    }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(SendMessage(PBM_GETBKCOLOR)); }
};
