#include "maldi/boundary/InstrumentProperty.h"

#include <cmath>

#include "platform/instrument/CInstCtlClient.h"
#include "platform/instrument/PropertyRuntime.h"

bool InstrumentProperty::IsKnown(LPCTSTR symbol)
{
    return getPropertyHandleFromSymbol(symbol) != nullptr;
}

bool InstrumentProperty::Read(LPCTSTR symbol, double& value)
{
    VEXPropertyTag* handle = getPropertyHandleFromSymbol(symbol);
    if (!handle) return false;
    value = vexPropertyGetLastTransferVal(handle);
    return true;
}

bool InstrumentProperty::ReadStatus(LPCTSTR symbol, BYTE& status)
{
    double value = 0.0;
    if (!Read(symbol, value)) return false;
    status = StatusByte(value);
    return true;
}

bool InstrumentProperty::SetLastTransfer(LPCTSTR symbol, double value)
{
    VEXPropertyTag* handle = getPropertyHandleFromSymbol(symbol);
    if (!handle) return false;
    vexPropertySetLastTransferVal(handle, value);
    return true;
}

bool InstrumentProperty::WriteSetting(CInstCtlClient* client, LPCTSTR symbol, double value)
{
    if (!client) return false;
    VEXPropertyTag* handle = getPropertyHandleFromSymbol(symbol);
    if (!handle) return false;
    client->VexSettingPropertyWriteRemote(handle, value);
    return true;
}

bool InstrumentProperty::SendCommand(CInstCtlClient* client, LPCTSTR symbol)
{
    if (!client) return false;
    VEXPropertyTag* handle = getPropertyHandleFromSymbol(symbol);
    if (!handle) return false;
    client->VexCommandPropertyWriteRemote(handle);
    return true;
}

BYTE InstrumentProperty::StatusByte(double value)
{
    if (!std::isfinite(value)) return 0;
    // Converting an out-of-range double to int is undefined, so take the low byte arithmetically:
    // the remainder modulo 256 of the truncated value, made non-negative, is the two's-complement
    // low byte of the integer.
    double low = std::fmod(std::trunc(value), 256.0);
    if (low < 0) low += 256.0;
    return static_cast<BYTE>(low);
}
