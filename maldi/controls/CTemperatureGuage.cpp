#include "maldi/controls/CTemperatureGuage.h"

#include <algorithm>

namespace {

constexpr COLORREF kCold = 0x008000;    // green
constexpr COLORREF kHot = 0x0000FF;     // red
constexpr COLORREF kTextOnBar = 0xFFFFFF;
constexpr COLORREF kBackground = 0x000000;

} // namespace

CTemperatureGuage::CTemperatureGuage() = default;

CTemperatureGuage::~CTemperatureGuage()
{
    m_font.DeleteObject();
}

void CTemperatureGuage::Initialise()
{
    LOGFONT lf;
    lf.lfWeight = FW_BOLD;
    CFont::SetFaceName(lf, "Arial");
    if (!m_font.GetSafeHandle()) m_font.CreateFontIndirect(&lf);
    SetFont(&m_font, TRUE);

    SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(m_nLowerLimit), static_cast<LPARAM>(m_nUpperLimit));
    SendMessage(PBM_SETPOS, static_cast<WPARAM>(m_nTemperature));
    SendMessage(PBM_SETSTEP, static_cast<WPARAM>(m_nStep));
    SetBkColor(kBackground);
    UpdateHotTemperature();
}

void CTemperatureGuage::SetTemperatureLimits(int lower, int upper)
{
    m_nLowerLimit = lower;
    m_nUpperLimit = upper;
    SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
    UpdateHotTemperature();
}

void CTemperatureGuage::SetTemperature(int temperature)
{
    m_nTemperature = std::min(temperature, m_nUpperLimit);
    SendMessage(PBM_SETPOS, static_cast<WPARAM>(m_nTemperature));
    UpdateHotTemperature();
}

void CTemperatureGuage::SetHotTemperature(int hotTemperature)
{
    m_nHotTemperature = hotTemperature;
    UpdateHotTemperature();
}

void CTemperatureGuage::UpdateHotTemperature()
{
    const COLORREF color = m_nTemperature < m_nHotTemperature ? kCold : kHot;
    SetGradientColors(color, color);
    SetTextColor(kTextOnBar, color);
    DisplayTemperature();
    if (GetSafeHwnd()) Invalidate(TRUE);
}

void CTemperatureGuage::DisplayTemperature()
{
    CString text;
    text.Format("%d \xB0" "C", m_nTemperature);
    SetTextFormat(text, PBS_SHOW_TEXTONLY);
}
