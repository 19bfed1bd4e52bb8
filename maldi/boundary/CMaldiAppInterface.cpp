#include "maldi/boundary/CMaldiAppInterface.h"

// Defined here so the virtual table has one home, in this library.
CMaldiAppInterface::~CMaldiAppInterface() = default;
