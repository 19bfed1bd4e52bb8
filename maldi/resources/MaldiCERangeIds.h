#pragma once
// Control ids of the collision energy range dialog (CMaldiCERangeDialog). Its template is the
// experiment-page library's (QuadFSResources::IDD_CE_RANGE_DIALOG).

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr int IDC_CE_RANGE_FROM_MASS = 15041;
constexpr int IDC_CE_RANGE_TO_MASS = 15042;
// Energies 1 to 5: the check box that gives one, and its edit.
constexpr int kCERangeChecks[5] = {15067, 15068, 15069, 15070, 15071};
constexpr int kCERangeEdits[5] = {15047, 15049, 15051, 15052, 15054};

} // namespace maldi::res
