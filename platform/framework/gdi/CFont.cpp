#include "platform/framework/gdi/CFont.h"

#include <cstring>

#include "platform/framework/gdi/CDC.h"

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont)
{
    if (!logFont)
        return FALSE;
    auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Font);
    d->logFont = *logFont;
    d->logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    return CreateFromData(std::move(d));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    SetFaceName(lf, faceName);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc)
{
    LOGFONT lf;
    lf.lfHeight = pointSize;
    lf.lfCharSet = DEFAULT_CHARSET;
    SetFaceName(lf, faceName);
    return CreatePointFontIndirect(&lf, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc)
{
    if (!logFont)
        return FALSE;
    LOGFONT lf = *logFont;
    const long long dpi = dc ? dc->GetDeviceCaps(LOGPIXELSY) : 96;
    // Tenths of a point to pixels, rounded half away from zero; always a character height.
    long long tenths = lf.lfHeight < 0 ? -static_cast<long long>(lf.lfHeight) : lf.lfHeight;
    long long px = (dpi * tenths + 360) / 720;
    lf.lfHeight = -static_cast<LONG>(px > 100000 ? 100000 : px);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* logFont) const
{
    GdiObjectRef d = Data();
    if (!d || d->kind != GdiObjectKind::Font || !logFont)
        return 0;
    *logFont = d->logFont;
    return static_cast<int>(sizeof(LOGFONT));
}

CFont* CFont::FromHandle(HFONT handle)
{
    CGdiObject* o = CGdiObject::FromHandle(handle);
    return o && o->GetObjectType() == OBJ_FONT ? static_cast<CFont*>(o) : nullptr;
}

void CFont::DefaultLogFont(LOGFONT& logFont)
{
    logFont = LOGFONT();
    logFont.lfHeight = -11;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    SetFaceName(logFont, "MS Shell Dlg");
}

void CFont::SetFaceName(LOGFONT& logFont, LPCTSTR faceName)
{
    std::memset(logFont.lfFaceName, 0, sizeof(logFont.lfFaceName));
    if (faceName)
        std::strncpy(logFont.lfFaceName, faceName, LF_FACESIZE - 1);
}
