#include "platform/framework/gdi/CBitmap.h"

#include "platform/framework/gdi/CDC.h"

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    const int scale = dc ? dc->GetDeviceScale() : 1;
    if (m_hObject || width < 0 || height < 0 || static_cast<long long>(width) * scale > Surface::kMaxDimension ||
        static_cast<long long>(height) * scale > Surface::kMaxDimension)
        return FALSE;
    if (width == 0 || height == 0)
        width = height = 1;
    auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Bitmap);
    d->surface = std::make_shared<Surface>(width * scale, height * scale);
    d->scale = scale;
    return CreateFromData(std::move(d));
}

BOOL CBitmap::CreateFromSurface(std::shared_ptr<Surface> surface)
{
    if (!surface)
        return FALSE;
    auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Bitmap);
    d->surface = std::move(surface);
    return CreateFromData(std::move(d));
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    std::shared_ptr<Surface> s = GetSurface();
    if (!s || !info)
        return 0;
    info->bmType = 0;
    const int scale = Data()->scale;
    info->bmWidth = s->Width() / scale;
    info->bmHeight = s->Height() / scale;
    info->bmWidthBytes = info->bmWidth * 4;
    info->bmPlanes = 1;
    info->bmBitsPixel = 32;
    info->bmBits = nullptr;
    return static_cast<int>(sizeof(BITMAP));
}

CSize CBitmap::GetSize() const
{
    std::shared_ptr<Surface> s = GetSurface();
    return s ? CSize(s->Width() / Data()->scale, s->Height() / Data()->scale) : CSize(0, 0);
}

std::shared_ptr<Surface> CBitmap::GetSurface() const
{
    GdiObjectRef d = Data();
    return d && d->kind == GdiObjectKind::Bitmap ? d->surface : nullptr;
}

CBitmap* CBitmap::FromHandle(HBITMAP handle)
{
    CGdiObject* o = CGdiObject::FromHandle(handle);
    return o && o->GetObjectType() == OBJ_BITMAP ? static_cast<CBitmap*>(o) : nullptr;
}
