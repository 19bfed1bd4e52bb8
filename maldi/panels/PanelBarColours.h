#pragma once
// The look every panel's gradient bar shares (the acquisition progress, the ESI probe position and
// the source swap indicator), as COLORREF values (0x00BBGGRR): a grey trough, a blue gradient, white
// text over the filled part and dark blue text over the trough.

#include "maldi/controls/CProgressCtrlX.h"

namespace PanelBar {

constexpr COLORREF kBackground = 0xC0C0C0;
constexpr COLORREF kGradientStart = 0x800000;
constexpr COLORREF kGradientEnd = 0xFF8000;
constexpr COLORREF kTextOnBar = 0xFFFFFF;
constexpr COLORREF kTextOnBackground = 0x7F0000;

inline void ApplyColours(CProgressCtrlX& bar)
{
    bar.SetBkColor(kBackground);
    bar.SetGradientColors(kGradientStart, kGradientEnd);
    bar.SetTextColor(kTextOnBar, kTextOnBackground);
}

} // namespace PanelBar
