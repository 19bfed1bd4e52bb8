#include "fuzz/session/UiFuzzWorld.h"

#include "platform/framework/IconImage.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "platform/platemodel/TargetPlate.h"

UiFuzzWorld::Fresh::Fresh()
{
    VEXPropertyTable::Instance().Reset();
}

UiFuzzWorld::UiFuzzWorld()
{
    m_icon = m_resources.Module().AddIcon(ResourceId(128u), IconImage::Solid(32, 32, 0xFF2060A0));
    SetTargetPlate(&m_plate);
}

UiFuzzWorld::~UiFuzzWorld()
{
    SetTargetPlate(nullptr);
    VEXPropertyTable::Instance().Reset();
}
