#pragma once
// The dialog manager's record of one dialog window.

#include "platform/framework/CSize.h"
#include "platform/framework/CString.h"
#include "platform/framework/ResourceId.h"
#include "platform/framework/WinUser.h"

class DialogState {
public:
    DLGPROC proc = nullptr;
    LPARAM initParam = 0;
    bool hasDefId = false;
    WORD defId = 0;
    bool ended = false;
    INT_PTR result = 0;
    CSize baseUnits{6, 13};
    CString fontName;
    int pointSize = 8;
    ResourceId templateId;
};
