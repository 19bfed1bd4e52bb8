#pragma once
// A device context: paints into a 32-bit pixel surface.
//
// Two kinds exist. A memory context (CreateCompatibleDC) paints into the bitmap selected into it
// (a 1 x 1 stock bitmap until one is). A surface context (AttachSurface) paints into an area of a
// surface, the way a window's context paints into its part of the screen image: device (0, 0) is the
// area's top-left corner and nothing is ever drawn outside the area.
//
// Coordinates: logical -> device = logical - window origin + viewport origin (no scaling). Clip
// regions are rectangles in device units and are not moved by either origin.
//
// Device scale: a context may paint into a surface that has `scale` pixels (1 to 4) for each device
// unit along each side (a window drawn at twice its size for a high-density screen). Everything a
// caller sees stays in device units (sizes, clip boxes, capabilities, text metrics, GetPixel of the
// block's top-left pixel), so the layout is the same at every scale; only the pixels are finer.
// Fills, frames, edges, pen widths and the blocks of lines and ellipses grow by the scale (an
// exact enlargement of the scale-1 picture); text is rendered by FreeType at scale times the pixel
// size, each glyph placed at its scale-1 pen position and baseline times the scale, so it stays
// crisp and ends where the scale-1 text ends. Icons with a `large` picture are drawn from it; other
// icons and bitmaps of a smaller scale are enlarged pixel by pixel (nearest neighbour). A memory
// context draws at the scale of its bitmap; CreateCompatibleDC and CreateCompatibleBitmap take the
// scale of the context they are compatible with. All painting state
// (origins, clip, selected objects, colours, modes, alignment, current position) lives in one record
// that SaveDC pushes and RestoreDC pops (DCStateSaver does both around a scope).
//
// Defaults: black text on a white opaque background, TA_LEFT | TA_TOP, black pen, white brush, the
// stock dialog font (CFont::DefaultLogFont). Like the framework's, FillSolidRect and Draw3dRect leave
// the background colour set to the colour they filled with.
//
// Device capabilities report 32 bits per pixel, one plane, no palette and 96 pixels per inch. A test
// can make a context report a 4-bit or a palette display (SetColorFormat, or SetScreenColorFormat for
// every context created afterwards); the pixels stay 32-bit. A memory context takes its format from
// the context it is made compatible with.
//
// Text: TextOut draws Windows-1252 bytes as their Unicode characters, anti-aliased in the text colour
// over what is there; in OPAQUE mode the text cell (extent width x font height) is first filled
// with the background colour. Escapements are drawn at the nearest quarter turn (0, 900, 1800,
// 2700), the whole run turning about the reference point, glyph bitmaps turned exactly so a turned
// string is the same pixels as the level one. Underline and strike-out are not drawn.
// GetTextExtent is the unturned size: advance widths summed (no kerning) by the font height.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/framework/CPoint.h"
#include "platform/framework/CRect.h"
#include "platform/framework/CSize.h"
#include "platform/framework/CString.h"
#include "platform/framework/gdi/GdiObjectData.h"
#include "platform/framework/gdi/GdiTypes.h"
#include "platform/framework/gdi/Surface.h"

class CGdiObject;
class CPen;
class CBrush;
class CFont;
class CBitmap;
class CRgn;
class FontInstance;

class CDC {
public:
    struct ColorFormat {
        int bitsPerPixel = 32;
        int planes = 1;
        bool palette = false;
    };

    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    BOOL m_bPrinting = FALSE;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    // Null for handles of destroyed contexts.
    static CDC* FromHandle(HDC handle);

    // --- creation -------------------------------------------------------------------------------
    // A memory context with the other context's colour format (the screen's when null).
    // FALSE when this context already exists.
    BOOL CreateCompatibleDC(CDC* dc);
    // A context painting into an area of a surface (clipped to the surface). The area is in device
    // units: at a scale above 1 the surface has `scale` pixels per unit (see above); scales outside
    // 1..kMaxScale are refused (FALSE). A clip (device units, relative to the area) starts the
    // context clipped as SelectClipRgn with a region of that rectangle would.
    static constexpr int kMaxScale = 4;
    BOOL AttachSurface(std::shared_ptr<Surface> surface, const CRect& area, int scale = 1, const CRect* clip = nullptr);
    // Back to the state of a new, uncreated context. TRUE when there was one.
    BOOL DeleteDC();
    // The surface painted into (the selected bitmap's for a memory context); may be null.
    std::shared_ptr<Surface> GetSurface() const;
    // Surface pixels per device unit along each side (1 for an uncreated context).
    int GetDeviceScale() const;

    // --- capabilities -----------------------------------------------------------------------------
    int GetDeviceCaps(int index) const;
    void SetColorFormat(int bitsPerPixel, BOOL palette);
    static void SetScreenColorFormat(int bitsPerPixel, BOOL palette);
    static ColorFormat GetScreenColorFormat();
    BOOL IsPrinting() const { return m_bPrinting; }
    void SetPrinting(BOOL printing) { m_bPrinting = printing; }

    // --- state ------------------------------------------------------------------------------------
    // Returns the new save level (1 for the first save), 0 on failure.
    int SaveDC();
    // A positive level restores that save (dropping later ones); -1 the last, -2 the one before...
    BOOL RestoreDC(int savedDC);

    // --- objects ----------------------------------------------------------------------------------
    // Each returns the object selected before (null for a null argument, an object of another kind
    // or a deleted handle, and leaves the selection unchanged). Selecting a bitmap works on memory
    // contexts only. Selecting a region is SelectClipRgn.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    int SelectObject(CRgn* region);
    CGdiObject* SelectObject(CGdiObject* object);
    HGDIOBJ SelectObject(HGDIOBJ handle);
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    // --- coordinates ------------------------------------------------------------------------------
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint GetWindowOrg() const;
    CPoint OffsetWindowOrg(int dx, int dy);
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    CPoint GetViewportOrg() const;
    CPoint OffsetViewportOrg(int dx, int dy);
    void LPtoDP(LPPOINT points, int count = 1) const;
    void LPtoDP(LPRECT rect) const;
    void DPtoLP(LPPOINT points, int count = 1) const;
    void DPtoLP(LPRECT rect) const;

    // --- clipping ---------------------------------------------------------------------------------
    // The region (device units) is copied; null removes the clip region.
    int SelectClipRgn(CRgn* region);
    // Intersects the clip with a rectangle in logical units.
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect);
    // The visible area in logical units: the clip region within the context's area.
    int GetClipBox(LPRECT rect) const;
    BOOL PtVisible(int x, int y) const;
    BOOL RectVisible(LPCRECT rect) const;

    // --- colours and text modes -------------------------------------------------------------------
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    // TRANSPARENT or OPAQUE; other values are refused (0 returned, mode unchanged).
    int SetBkMode(int mode);
    int GetBkMode() const;
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const;

    // --- filling and drawing (logical units) ------------------------------------------------------
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // Each rectangle filled with its colour, in order: the pixels, the fill count and the background
    // colour left behind are those of as many FillSolidRect calls. Strips side by side that cover
    // the same rows without a gap (a gradient) are written one row at a time, then that row copied.
    void FillSolidRects(const RECT* rects, const COLORREF* colors, int count);
    void FillRect(LPCRECT rect, CBrush* brush);
    void FrameRect(LPCRECT rect, CBrush* brush);
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    // Classic two-line edges (BDR_/EDGE_ and BF_ flags); BF_ADJUST shrinks the rectangle.
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    // PATCOPY, BLACKNESS, WHITENESS, DSTINVERT.
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    // SRCCOPY, SRCPAINT, SRCAND, SRCINVERT and the PatBlt operations. Source pixels outside the
    // source context's area are not copied. FALSE for other operations or a missing source.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF SetPixel(POINT point, COLORREF color) { return SetPixel(point.x, point.y, color); }
    // CLR_INVALID outside the visible area.
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    // Draws with the pen up to, not including, the end point, which becomes the current position.
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const POINT* points, int count);
    // Outline with the pen (inside the rectangle), inside with the brush. With the null pen the
    // filled area is one pixel smaller on the right and bottom, as the window system does.
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect);
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(LPCRECT rect);
    // Straight-alpha ARGB pixels (0xAARRGGBB, rows from the top), blended over the context.
    BOOL DrawIconImage(int x, int y, int width, int height, const std::uint32_t* argb);
    // An icon at its own size; DrawIconEx scales it to cx x cy (0 keeps the icon's size), averaging
    // the pixels it shrinks. FALSE for a null icon.
    BOOL DrawIcon(int x, int y, HICON icon);
    BOOL DrawIcon(POINT point, HICON icon) { return DrawIcon(point.x, point.y, icon); }
    BOOL DrawIconEx(int x, int y, HICON icon, int cx, int cy);
    // The dotted focus rectangle, drawn by inverting every other pixel of the outline (drawing it
    // twice removes it).
    void DrawFocusRect(LPCRECT rect);

    // --- text -------------------------------------------------------------------------------------
    // A negative count means the whole zero-terminated string.
    BOOL TextOut(int x, int y, LPCTSTR text, int count);
    BOOL TextOut(int x, int y, const CString& text);
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const;
    BOOL GetTextMetrics(LPTEXTMETRIC metrics) const;
    // The realised font a context measures with once the font is selected (a null or unknown
    // handle, or one that is not a font, measures in the default font, as selecting it would fail);
    // no context needed.
    static FontInstance& FontInstanceOf(HFONT font, int scale = 1);
    // Text formatted in a rectangle (DT_ flags): left, centred or right; top, centred or bottom for a
    // single line; lines broken at hard breaks and, with DT_WORDBREAK, at blanks (TextLayout; with
    // DT_EDITCONTROL too long words break between characters); DT_END_ELLIPSIS shortens a line that
    // does not fit to end in "..."; '&' marks a mnemonic (not drawn, "&&" draws one) unless
    // DT_NOPREFIX; clipped to the rectangle unless DT_NOCLIP. DT_CALCRECT draws nothing and sets the
    // rectangle's right and bottom to the text's extent. Lines are the font's height apart. Returns
    // the text's height (with DT_VCENTER or DT_BOTTOM: from the rectangle's top to the text's
    // bottom); 0 on failure.
    int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format);

    // --- counters ---------------------------------------------------------------------------------
    // Fill operations (solid, brush and pattern fills) by this context, and by all contexts.
    long GetFillCount() const { return m_fillCount; }
    void ResetFillCount() { m_fillCount = 0; }
    static long long GetTotalFillCount();
    // Surface pixels written by all contexts (fills, copies, icons, glyph boxes, lines): the pixel
    // work of a paint, against which its time can be judged.
    static long long GetTotalPixelsWritten() { return s_pixelsWritten; }

private:
    struct State {
        CPoint windowOrg;
        CPoint viewportOrg;
        bool hasClip = false;
        CRect clip;  // device units
        GdiObjectRef pen, brush, font, bitmap;
        HGDIOBJ penHandle = nullptr, brushHandle = nullptr, fontHandle = nullptr, bitmapHandle = nullptr;
        COLORREF textColor = RGB(0, 0, 0);
        COLORREF bkColor = RGB(255, 255, 255);
        int bkMode = OPAQUE;
        UINT textAlign = TA_LEFT | TA_TOP;
        CPoint currentPos;  // logical
    };
    // Where painting lands: device (0, 0) is surface (offset); clip is the visible area in device units.
    // Offset and clip are in surface pixels; scale is the surface's pixels per device unit.
    struct Canvas {
        Surface* surface = nullptr;
        CPoint offset;
        CRect clip;
        int scale = 1;
    };

    bool IsCreated() const { return m_hDC != nullptr; }
    void InitState();
    void RegisterHandle();
    Canvas GetCanvas() const;
    // The visible area in device units.
    CRect VisibleDevice() const;
    CRect DeviceBounds() const;
    CPoint ToDevice(int x, int y) const
    {
        return CPoint(x - m_state.windowOrg.x + m_state.viewportOrg.x, y - m_state.windowOrg.y + m_state.viewportOrg.y);
    }
    CRect ToDevice(const RECT& logical) const
    {
        CRect out(logical);
        out.OffsetRect(ToDevice(0, 0));
        return out;
    }
    void FillDevice(const Canvas& canvas, CRect deviceRect, COLORREF color);
    // Blends an image of surface pixels (width x height) with its top-left corner at a device point.
    void BlendPixels(const Canvas& canvas, CPoint device, int width, int height, const std::uint32_t* argb);
    BOOL CopyScaled(const Canvas& dst, const CRect& deviceRect, const Canvas& src, CPoint sourceShift, DWORD rop);
    void CountFill(int fills = 1);
    static void CountPixels(long long pixels) { s_pixelsWritten += pixels; }
    static inline long long s_pixelsWritten = 0;
    void PlotPen(const Canvas& canvas, int x, int y, COLORREF color, int width);
    FontInstance& CurrentFontInstance(int scale = 1) const;
    HGDIOBJ Select(GdiObjectKind kind, HGDIOBJ handle);

    State m_state;
    std::vector<State> m_saved;
    bool m_memory = false;
    HGDIOBJ m_defaultBitmap = nullptr;
    std::shared_ptr<Surface> m_attached;
    CRect m_area;  // surface contexts: the area of the surface, in device units
    int m_scale = 1;  // surface contexts
    ColorFormat m_format;
    long m_fillCount = 0;
};
