#pragma once
// Template and control ids of the "Collision Energy" page of the MS/MS switch sheet
// (CMaldiMSMSSwitchCollisionEnergyPage). Its list controls (15001-15008) are the experiment-page
// library's list page ids, as on the "MS/MS Mass" page.

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_MSMS_SWITCH_CE_PAGE = 127;
constexpr UINT IDC_CE_USE_TUNE_PAGE = 41656;     // radio
constexpr UINT IDC_CE_USE_FIXED = 41657;         // radio
constexpr UINT IDC_CE_USE_PROFILE = 41661;       // radio
constexpr UINT IDC_CE_FIXED_ENERGY = 41662;      // edit, volts

} // namespace maldi::res
