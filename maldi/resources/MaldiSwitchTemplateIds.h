#pragma once
// Template and control ids of the "Acqusition Template" page of the MS/MS switch sheet (CMaldiMSMSSwitchTemplatePage).

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_MSMS_SWITCH_TEMPLATE_PAGE = 121;        // "Acqusition Template"
constexpr UINT IDC_SW_START_MASS = 37289;
constexpr UINT IDC_SW_SET_MASS_OFFSET = 41649;
constexpr UINT IDC_SW_MAX_DURATION = 41654;
constexpr UINT IDC_SW_INTENSITY_THRESHOLD = 15087;
constexpr UINT IDC_SW_TOP_PERCENTAGE = 37305;
constexpr UINT IDC_SW_COMPLETE_AFTER_TIME = 15091;
constexpr UINT IDC_SW_USE_NOT_CONSIDER_TOP = 41647;
constexpr UINT IDC_SW_USE_COMPLETE_AFTER = 41648;
constexpr UINT IDC_SW_AUTO_MASS_RANGE = 41650;
constexpr UINT IDC_SW_MANUAL_MASS_RANGE = 41651;
constexpr UINT IDC_SW_AUTO_ACQ_TIME = 41652;
constexpr UINT IDC_SW_MANUAL_ACQ_TIME = 41653;
constexpr UINT IDC_SW_CONSERVE_PUSHER = 41655;

} // namespace maldi::res
