#pragma once
// A page of a function-switch experiment that holds a list, one entry a line, in a multi-line edit
// (IDC_ENTRIES): the include and exclude mass lists, the adducts, the collision energies. The text
// is kept as the operator wrote it; what an entry means is the experiment's business.
//
// Constructed with the page's template and the string of its tab caption (0: the template's
// caption). The library's own templates are in QuadFSResources.

#include "platform/framework/CPropertyPage.h"

class CQuadFSListPage : public CPropertyPage {
    DECLARE_DYNAMIC(CQuadFSListPage)
public:
    static constexpr int IDC_ENTRIES = 10200;

    CQuadFSListPage(UINT templateId, UINT captionId);

    CString m_strEntries; // lines separated by "\r\n"

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
