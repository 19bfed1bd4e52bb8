#pragma once
// The handle-level painting calls of the window system, for code that holds handles rather than
// objects (a window's HFONT from WM_GETFONT, stock objects). Handles made here belong to nobody
// until DeleteObject; CFont::FromHandle and friends wrap them.

#include "platform/framework/gdi/GdiTypes.h"

// Null for an unknown index.
HGDIOBJ GetStockObject(int index);
// FALSE for unknown handles and stock objects.
BOOL DeleteObject(HGDIOBJ handle);
// OBJ_* or 0 for an unknown handle.
DWORD GetObjectType(HGDIOBJ handle);
// Copies a font's LOGFONT, a brush's colour (as a COLORREF) or a bitmap's BITMAP into buffer;
// returns the bytes copied, 0 when the handle is unknown or the buffer too small.
int GetObject(HGDIOBJ handle, int size, void* buffer);
HBRUSH CreateSolidBrush(COLORREF color);
HFONT CreateFontIndirect(const LOGFONT* logFont);
// Null when the context is unknown or the object cannot be selected into it.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
int GetDeviceCaps(HDC dc, int index);
