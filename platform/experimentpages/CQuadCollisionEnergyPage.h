#pragma once
// The list page of collision energies by precursor mass (see CQuadFSListPage), on the library's own
// template.

#include "platform/experimentpages/CQuadFSListPage.h"
#include "platform/experimentpages/QuadFSResources.h"

class CQuadCollisionEnergyPage : public CQuadFSListPage {
public:
    CQuadCollisionEnergyPage() : CQuadFSListPage(QuadFSResources::IDD_COLLISION_ENERGY_PAGE, 0) {}
};
