#pragma once
// The experiment-page library's resource module: the templates of its list pages and their tab
// captions. Registered behind the modules already in the chain on first use.
//
// Template and caption pairs an instrument sheet passes to the list pages:
//   include 10127 / 10129 "Include", exclude 26506 / 10130 "Exclude", adducts 10125 / 10131
//   "Adducts"; the collision energy page uses 10128 and its template's caption.

#include "platform/framework/ResourceModule.h"

class QuadFSResources {
public:
    static constexpr UINT IDD_INCLUDE_PAGE = 10127;
    static constexpr UINT IDS_INCLUDE_CAPTION = 10129;
    static constexpr UINT IDD_EXCLUDE_PAGE = 26506;
    static constexpr UINT IDS_EXCLUDE_CAPTION = 10130;
    static constexpr UINT IDD_ADDUCT_PAGE = 10125;
    static constexpr UINT IDS_ADDUCT_CAPTION = 10131;
    static constexpr UINT IDD_COLLISION_ENERGY_PAGE = 10128;
    // The collision energy range dialog of a profile page (from and to mass 15041/15042, energy
    // check boxes 15067-15071, energy edits 15047, 15049, 15051, 15052, 15054).
    static constexpr UINT IDD_CE_RANGE_DIALOG = 10203;

    static ResourceModule& Module();
};
