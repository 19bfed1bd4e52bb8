#include "platform/tuning/HostMessageBox.h"

#include "platform/framework/WinUser.h"

int HostMessageBox(LPCTSTR text, LPCTSTR caption, UINT flags)
{
    return ::MessageBox(::GetActiveWindow(), text ? text : "", caption ? caption : "", flags);
}
