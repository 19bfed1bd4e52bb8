#include "maldi/dialogs/MaldiPatternFile.h"

#include "platform/auditfile/CFileDialogS.h"
#include "platform/instrument/PropertyRuntime.h"
#include "platform/tuning/CMSDefinitions.h"

CString MaldiPatternFile::DefaultName()
{
    return CMSDefinitions::GetDefaultMaldiPatternFilename();
}

bool MaldiPatternFile::IsUserSelectable()
{
    return !vexZephyrMaldiESIInstrument();
}

bool MaldiPatternFile::Browse(CWnd* parent, CString& name)
{
    CFileDialogS dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter, parent,
                        kInitialFolder);
    if (dialog.DoModal() != IDOK) return false;
    name = dialog.GetPathName();
    return true;
}
