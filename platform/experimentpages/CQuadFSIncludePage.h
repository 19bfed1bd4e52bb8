#pragma once
// The list page of precursor masses to include (see CQuadFSListPage).

#include "platform/experimentpages/CQuadFSListPage.h"

class CQuadFSIncludePage : public CQuadFSListPage {
public:
    // The page's template and its tab caption string.
    CQuadFSIncludePage(UINT templateId, UINT captionId) : CQuadFSListPage(templateId, captionId) {}
};
