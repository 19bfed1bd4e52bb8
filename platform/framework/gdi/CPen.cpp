#include "platform/framework/gdi/CPen.h"

#include <algorithm>

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Pen);
    d->penStyle = style;
    d->penWidth = std::max(width, 1);
    d->penColor = color;
    return CreateFromData(std::move(d));
}

CPen* CPen::FromHandle(HPEN handle)
{
    CGdiObject* o = CGdiObject::FromHandle(handle);
    return o && o->GetObjectType() == OBJ_PEN ? static_cast<CPen*>(o) : nullptr;
}
