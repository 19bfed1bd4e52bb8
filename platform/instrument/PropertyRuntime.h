#pragma once
// The property runtime's free functions, working on VEXPropertyTable::Instance().
//
// A null handle is tolerated everywhere: reading it gives 0.0 and writing it does nothing, as
// callers are expected to test the handle but a forgotten test must not crash the host.

#include "platform/instrument/VEXPropertyTag.h"

// The handle of a symbol the instrument knows; null for an unknown, empty or null symbol.
VEXPropertyTag* getPropertyHandleFromSymbol(const char* symbol);

// The value last transferred for the property; status codes are small integers kept as doubles.
double vexPropertyGetLastTransferVal(VEXPropertyTag* handle);

// Overwrites the value locally so the next read sees it before the instrument answers.
void vexPropertySetLastTransferVal(VEXPropertyTag* handle, double value);

// True when the connected instrument is the MALDI/ESI model.
bool vexZephyrMaldiESIInstrument();
