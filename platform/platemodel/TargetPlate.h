#pragma once
// The current target plate of the plate-model library: the plate the instrument is working with.
// The host owns the plate and names it with SetTargetPlate; the windows read it through
// TargetPlate(). Nothing is current until the host sets a plate, and null clears it again.
// The host must clear it before the plate it named is destroyed.

#include "platform/platemodel/CMaldiPlate.h"

// The current plate, or null when there is none.
CMaldiPlate* TargetPlate();

// Makes `plate` (not owned; may be null) the current plate and returns the previous one.
CMaldiPlate* SetTargetPlate(CMaldiPlate* plate);
