#pragma once
// Template and control ids of the "Swap Source" panel (CMaldiProbeSwapControlDlg); its icon
// buttons use the icon ids of MaldiResourceIds.h.

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_PROBE_SWAP_CONTROL = 14146;  // "Swap Source"
constexpr UINT IDC_SOURCE_TEMPERATURE = 14103;  // source swap panel: temperature gauge
constexpr UINT IDC_PROBE_POSITION = 14195;      // source swap panel: probe position indicator
constexpr UINT IDC_SWAP_STATUS_LOG = 37317;     // source swap panel: status log

} // namespace maldi::res
