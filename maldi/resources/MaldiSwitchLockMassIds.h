#pragma once
// Template and control ids of the "Lock Mass" page of the MS/MS switch sheet (CMaldiMSMSSwitchLockMassPage).

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_MSMS_SWITCH_LOCK_MASS_PAGE = 124;       // "Lock Mass"
constexpr UINT IDC_LM_USE_LOCK_MASS = 37329;
constexpr UINT IDC_LM_LOCK_MASS = 41641;
constexpr UINT IDC_LM_FIXED_ENERGY = 41642;
constexpr UINT IDC_LM_INTENSITY_THRESHOLD = 41643;
constexpr UINT IDC_LM_TOP_PERCENTAGE = 41644;
constexpr UINT IDC_LM_USE_NOT_CONSIDER_TOP = 41645;
constexpr UINT IDC_LM_COMPLETE_AFTER_TIME = 41600;
constexpr UINT IDC_LM_USE_COMPLETE_AFTER = 41596;
constexpr UINT IDC_LM_TUNE_PAGE_CE = 41663;
constexpr UINT IDC_LM_FIXED_CE = 41664;

} // namespace maldi::res
