#pragma once
// Templates and control ids of the "MS/MS Mass" page of the MS/MS switch sheet and its "Set Mass"
// dialog. The list controls (15001-15008) are the experiment-page library's list page ids.

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_MSMS_SWITCH_MASS_PAGE = 122;  // "MS/MS Mass"
constexpr UINT IDD_SET_MASS = 125;               // "Set Mass"

// "MS/MS Mass"
constexpr UINT IDC_SM_SINGLE_MASS = 41601;       // radio
constexpr UINT IDC_SM_SAMPLE_LIST_ENTRIES = 41602;
constexpr UINT IDC_SM_SAMPLE_LIST_FILE = 41598;
constexpr UINT IDC_SM_LIST_BELOW = 41599;
constexpr UINT IDC_SM_SINGLE_MASS_VALUE = 41640; // edit

// "Set Mass"
constexpr UINT IDC_SM_SET_MASS = 41600;
// Check boxes and value edits in the order LM, HM, timeout, stop intensity, CE1 ... CE5.
constexpr UINT kSetMassChecks[9] = {41596, 41597, 41603, 41604, 41605, 41606, 41607, 41608, 41609};
constexpr UINT kSetMassEdits[9] = {41534, 41535, 41536, 41537, 41538, 41539, 41610, 41611, 41612};

} // namespace maldi::res
