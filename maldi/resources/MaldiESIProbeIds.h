#pragma once
// Template and control ids of the "ESI Probe Adjust" panel (CESIProbeControlDlg); its icon buttons
// use the icon ids of MaldiResourceIds.h.

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_ESI_PROBE_CONTROL = 14144;   // "ESI Probe Adjust"
constexpr UINT IDC_SOURCE_POSITION = 14195;     // probe position indicator
constexpr UINT IDC_STEP_SIZE_ONE = 41588;       // "Step Size" radio buttons: 1, 5 and 50 units a step
constexpr UINT IDC_STEP_SIZE_FIVE = 41589;
constexpr UINT IDC_STEP_SIZE_FIFTY = 41590;

} // namespace maldi::res
