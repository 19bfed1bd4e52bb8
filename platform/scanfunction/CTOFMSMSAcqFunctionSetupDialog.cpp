#include "platform/scanfunction/CTOFMSMSAcqFunctionSetupDialog.h"

#include "platform/framework/DDX.h"

IMPLEMENT_DYNAMIC(CTOFMSMSAcqFunctionSetupDialog, CTOFMSAcqFunctionSetupDialog)

CTOFMSMSAcqFunctionSetupDialog::CTOFMSMSAcqFunctionSetupDialog(UINT templateId, CWnd* parent)
    : CTOFMSAcqFunctionSetupDialog(templateId, parent)
{
}

CTOFMSMSAcqFunctionSetupDialog::CTOFMSMSAcqFunctionSetupDialog(LPCTSTR templateName, CWnd* parent)
    : CTOFMSAcqFunctionSetupDialog(templateName, parent)
{
}

void CTOFMSMSAcqFunctionSetupDialog::DoDataExchange(CDataExchange* dx)
{
    CTOFMSAcqFunctionSetupDialog::DoDataExchange(dx);
    if (HasControl(IDC_TOF_PRECURSOR_UNIT_RESOLUTION))
        DDX_Check(dx, IDC_TOF_PRECURSOR_UNIT_RESOLUTION, m_nPrecursorUnitResolution);
}
