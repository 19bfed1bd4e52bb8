#pragma once
// A font: a LOGFONT, realised with FreeType when text is measured or drawn (FontEngine).
//
// Heights follow the window system: lfHeight < 0 is the character (em) height in pixels, > 0 the
// cell height (ascent + descent), 0 the default 8-point size (11-pixel characters, 13-pixel cell).
// Point sizes convert at 96 pixels per inch.

#include "platform/framework/gdi/CGdiObject.h"

class CDC;

class CFont : public CGdiObject {
public:
    CFont() = default;

    // FALSE for a null record or when a font is already held.
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName);
    // Size in tenths of a point (80 = 8 points).
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    // lfHeight of the record is in tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc = nullptr);

    // Size of the record copied, 0 without a font.
    int GetLogFont(LOGFONT* logFont) const;

    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT handle);

    // The font of a context that has none selected (the classic dialog font, 8 points).
    static void DefaultLogFont(LOGFONT& logFont);
    // Copies a face name into a LOGFONT, cut to fit.
    static void SetFaceName(LOGFONT& logFont, LPCTSTR faceName);
};
