#pragma once
// Template and control ids of the "Maldi Acquisition" panel (CMaldiAcquireControlDlg); its icon
// buttons use the icon ids of MaldiResourceIds.h.

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_ACQUIRE_CONTROL = 14142;     // "Maldi Acquisition"
constexpr UINT IDC_PLATE_SPOT_PROGRESS = 14195; // plate spot progress bar
constexpr UINT IDC_COLLISION_ENERGY = 43064;    // instrument edit box "CE"
constexpr UINT IDC_SPEED_SLIDER = 37316;        // plate speed slider
constexpr UINT IDC_SPEED_TEXT = 37318;          // the selected plate speed

} // namespace maldi::res
