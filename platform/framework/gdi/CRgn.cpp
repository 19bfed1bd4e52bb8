#include "platform/framework/gdi/CRgn.h"

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Region);
    d->rect = CRect(left, top, right, bottom);
    d->rect.NormalizeRect();
    return CreateFromData(std::move(d));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect)
{
    if (!rect)
        return FALSE;
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CRgn::SetRectRgn(int left, int top, int right, int bottom)
{
    GdiObjectRef d = Data();
    if (!d || d->kind != GdiObjectKind::Region)
        return FALSE;
    d->rect = CRect(left, top, right, bottom);
    d->rect.NormalizeRect();
    return TRUE;
}

int CRgn::GetRgnBox(LPRECT rect) const
{
    GdiObjectRef d = Data();
    if (!d || d->kind != GdiObjectKind::Region)
        return RGN_ERROR;
    CRect r = d->rect;
    if (r.IsRectEmpty())
        r.SetRectEmpty();
    if (rect)
        *rect = r;
    return r.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    GdiObjectRef d = Data();
    return d && d->kind == GdiObjectKind::Region && d->rect.PtInRect(POINT{x, y});
}

CRgn* CRgn::FromHandle(HRGN handle)
{
    CGdiObject* o = CGdiObject::FromHandle(handle);
    return o && o->GetObjectType() == OBJ_REGION ? static_cast<CRgn*>(o) : nullptr;
}
