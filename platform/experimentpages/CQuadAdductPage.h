#pragma once
// The list page of adduct masses to recognise (see CQuadFSListPage).

#include "platform/experimentpages/CQuadFSListPage.h"

class CQuadAdductPage : public CQuadFSListPage {
public:
    // The page's template and its tab caption string.
    CQuadAdductPage(UINT templateId, UINT captionId) : CQuadFSListPage(templateId, captionId) {}
};
