#include "platform/instrument/CInstMonClient.h"

#include "platform/instrument/PropertyRuntime.h"

bool CInstMonClient::ReadMonitoredValue(const char* symbol, double& value) const
{
    VEXPropertyTag* handle = getPropertyHandleFromSymbol(symbol);
    if (!handle) return false;
    value = vexPropertyGetLastTransferVal(handle);
    return true;
}
