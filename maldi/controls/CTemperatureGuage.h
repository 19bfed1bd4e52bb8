#pragma once
// A temperature shown as a solid bar with the value written over it ("20 °C"): green below the hot
// mark, red from it upward, on black. The range is the temperature limits; a temperature above the
// upper limit is shown as the upper limit, one below the lower limit is kept as given (the bar is
// then empty while the text shows the value).
//
// Call Initialise once the control is attached to its window; the limits, the hot mark and the
// temperature may then be set in any order, each call recolouring and redrawing the gauge.

#include "maldi/controls/CProgressCtrlX.h"
#include "platform/framework/gdi/CFont.h"

class CTemperatureGuage : public CProgressCtrlX {
public:
    CTemperatureGuage();
    ~CTemperatureGuage() override;

    void Initialise();
    void SetTemperatureLimits(int lower, int upper);
    void SetTemperature(int temperature);
    void SetHotTemperature(int hotTemperature);

private:
    void UpdateHotTemperature();
    void DisplayTemperature();

    CFont m_font;
    int m_nStep = 1;
    int m_nLowerLimit = 0;
    int m_nUpperLimit = 180;
    int m_nTemperature = 20;
    int m_nHotTemperature = 45;
};
