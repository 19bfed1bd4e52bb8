#include "platform/platemodel/TargetPlate.h"

namespace {

CMaldiPlate* g_current = nullptr;  // user-interface thread only, like every window that reads it

}  // namespace

CMaldiPlate* TargetPlate()
{
    return g_current;
}

CMaldiPlate* SetTargetPlate(CMaldiPlate* plate)
{
    CMaldiPlate* previous = g_current;
    g_current = plate;
    return previous;
}
