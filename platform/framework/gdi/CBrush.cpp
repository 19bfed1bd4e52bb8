#include "platform/framework/gdi/CBrush.h"

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Brush);
    d->brushColor = color;
    return CreateFromData(std::move(d));
}

COLORREF CBrush::GetColor() const
{
    GdiObjectRef d = Data();
    if (!d || d->kind != GdiObjectKind::Brush || d->brushStyle == BS_NULL)
        return CLR_INVALID;
    return d->brushColor;
}

CBrush* CBrush::FromHandle(HBRUSH handle)
{
    CGdiObject* o = CGdiObject::FromHandle(handle);
    return o && o->GetObjectType() == OBJ_BRUSH ? static_cast<CBrush*>(o) : nullptr;
}
