#pragma once
// The list page of precursor masses never to switch on (see CQuadFSListPage).

#include "platform/experimentpages/CQuadFSListPage.h"

class CQuadFSExcludePage : public CQuadFSListPage {
public:
    // The page's template and its tab caption string.
    CQuadFSExcludePage(UINT templateId, UINT captionId) : CQuadFSListPage(templateId, captionId) {}
};
