#include "platform/instrument/PropertyRuntime.h"

#include "platform/instrument/VEXPropertyTable.h"

VEXPropertyTag* getPropertyHandleFromSymbol(const char* symbol)
{
    return VEXPropertyTable::Instance().Find(symbol);
}

double vexPropertyGetLastTransferVal(VEXPropertyTag* handle)
{
    return handle ? handle->lastTransferValue : 0.0;
}

void vexPropertySetLastTransferVal(VEXPropertyTag* handle, double value)
{
    if (handle) handle->lastTransferValue = value;
}

bool vexZephyrMaldiESIInstrument()
{
    return VEXPropertyTable::Instance().IsMaldiEsiModel();
}
