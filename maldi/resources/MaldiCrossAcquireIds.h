#pragma once
// Template and control ids of the crosshair "Maldi Acquisition" panel (CMaldiCrossAcquireControlDlg);
// its icon buttons use the icon ids of MaldiResourceIds.h.

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_CROSS_ACQUIRE_CONTROL = 14194; // "Maldi Acquisition"
constexpr UINT IDC_TRACKER = 14197;             // crosshair tracker: the laser's position in the well
constexpr UINT IDC_CROSS_COLLISION_ENERGY = 43065; // instrument edit box "CE"

} // namespace maldi::res
