#include "platform/framework/gdi/CDC.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/framework/IconImage.h"
#include "platform/framework/TextLayout.h"
#include "platform/framework/WinUser.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CFont.h"
#include "platform/framework/gdi/CPen.h"
#include "platform/framework/gdi/CRgn.h"
#include "platform/framework/gdi/FontEngine.h"
#include "platform/framework/gdi/GdiHandleTable.h"
#include "platform/framework/gdi/HandleSlots.h"

namespace {

struct Registry {
    HandleSlots<CDC*> contexts;
    CDC::ColorFormat screen;
    long long totalFills = 0;
};

Registry& TheRegistry()
{
    static Registry* registry = new Registry;  // outlives static contexts
    return *registry;
}

std::uintptr_t IdOf(HDC handle) { return reinterpret_cast<std::uintptr_t>(handle); }

// The quarter turn nearest to an escapement in tenths of a degree: 0..3, counter-clockwise.
int QuarterTurns(LONG escapement)
{
    const long long e = ((static_cast<long long>(escapement) % 3600) + 3600) % 3600;
    return static_cast<int>(((e + 450) / 900) % 4);
}

// A pixel covered by `color` at `alpha` (0 leaves it, 255 replaces it).
inline void Blend(std::uint32_t& pixel, std::uint32_t color, unsigned alpha)
{
    if (alpha >= 255) {
        pixel = color & 0xFFFFFFu;
        return;
    }
    if (alpha == 0)
        return;
    // Each channel is (s * alpha + d * (255 - alpha) + 127) / 255, rounded to nearest. The three
    // channels go through together in 16-bit lanes of one 64-bit word (no lane exceeds 65152, so
    // none carries into the next), and x / 255 is (x + 1 + (x >> 8)) >> 8, exact for every x a
    // lane can hold.
    constexpr std::uint64_t kLanes = 0x000000FF00FF00FFull;
    auto spread = [](std::uint32_t p) {
        return (static_cast<std::uint64_t>(p) & 0xFFu) | (static_cast<std::uint64_t>(p) & 0xFF00u) << 8 |
               (static_cast<std::uint64_t>(p) & 0xFF0000u) << 16;
    };
    std::uint64_t x = spread(color) * alpha + spread(pixel) * (255u - alpha) + 0x0000007F007F007Full;
    x = ((x + 0x0000000100010001ull + ((x >> 8) & kLanes)) >> 8) & kLanes;
    pixel = static_cast<std::uint32_t>((x & 0xFFu) | (x >> 8 & 0xFF00u) | (x >> 16 & 0xFF0000u));
}

#if defined(__SSE2__)
// Four pixels at once, each exactly as Blend does it: `color` holds the four colours, `alpha` their
// alphas (0..255, one to a 32-bit lane). Eight 16-bit lanes take two pixels' channels; the sums and
// the division by 255 fit them as they fit the lanes of Blend.
inline void BlendFour(std::uint32_t* out, __m128i color, __m128i alpha)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out));
    __m128i a8 = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 8));
    a8 = _mm_or_si128(a8, _mm_slli_epi32(a8, 16));
    auto half = [&](__m128i s, __m128i d, __m128i a) {
        const __m128i x = _mm_add_epi16(
            _mm_add_epi16(_mm_mullo_epi16(s, a), _mm_mullo_epi16(d, _mm_sub_epi16(_mm_set1_epi16(255), a))),
            _mm_set1_epi16(127));
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, _mm_set1_epi16(1)), _mm_srli_epi16(x, 8)), 8);
    };
    const __m128i low = half(_mm_unpacklo_epi8(color, zero), _mm_unpacklo_epi8(pixels, zero), _mm_unpacklo_epi8(a8, zero));
    const __m128i high =
        half(_mm_unpackhi_epi8(color, zero), _mm_unpackhi_epi8(pixels, zero), _mm_unpackhi_epi8(a8, zero));
    const __m128i blended = _mm_and_si128(_mm_packus_epi16(low, high), _mm_set1_epi32(0x00FFFFFF));
    const __m128i untouched = _mm_cmpeq_epi32(alpha, zero);  // alpha 0 leaves a pixel as it is
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                     _mm_or_si128(_mm_and_si128(untouched, pixels), _mm_andnot_si128(untouched, blended)));
}
#endif

// Four pixels of an icon (0xAARRGGBB) over out[0..3].
inline void BlendFourArgb(std::uint32_t* out, const std::uint32_t* argb)
{
#if defined(__SSE2__)
    const __m128i color = _mm_loadu_si128(reinterpret_cast<const __m128i*>(argb));
    BlendFour(out, color, _mm_srli_epi32(color, 24));
#else
    for (int k = 0; k < 4; ++k)
        Blend(out[k], argb[k], argb[k] >> 24);
#endif
}

// One colour over out[0..3] at four coverages (a glyph's).
inline void BlendFourCoverage(std::uint32_t* out, std::uint32_t color, const std::uint8_t* coverage)
{
#if defined(__SSE2__)
    int four;
    std::memcpy(&four, coverage, sizeof four);
    const __m128i zero = _mm_setzero_si128();
    const __m128i alpha = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(four), zero), zero);
    BlendFour(out, _mm_set1_epi32(static_cast<int>(color)), alpha);
#else
    for (int k = 0; k < 4; ++k)
        Blend(out[k], color, coverage[k]);
#endif
}

}  // namespace

CDC::CDC() = default;

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC handle)
{
    CDC** dc = TheRegistry().contexts.Find(IdOf(handle));
    return dc ? *dc : nullptr;
}

void CDC::RegisterHandle()
{
    m_hDC = reinterpret_cast<HDC>(TheRegistry().contexts.Add(this));
}

void CDC::InitState()
{
    // Stock objects live as long as the process: looked up once (and never destroyed, for contexts
    // that static objects delete at exit).
    static const State* const initial = [] {
        auto* s = new State;
        s->penHandle = GdiHandleTable::Stock(BLACK_PEN);
        s->pen = GdiHandleTable::Find(s->penHandle);
        s->brushHandle = GdiHandleTable::Stock(WHITE_BRUSH);
        s->brush = GdiHandleTable::Find(s->brushHandle);
        s->fontHandle = GdiHandleTable::Stock(SYSTEM_FONT);
        s->font = GdiHandleTable::Find(s->fontHandle);
        return s;
    }();
    // A context used again usually still holds the stock objects: kept as they are, not taken anew.
    auto stock = [](GdiObjectRef& held, const GdiObjectRef& initialOne) {
        return held == initialOne ? std::move(held) : initialOne;
    };
    GdiObjectRef pen = std::move(m_state.pen), brush = std::move(m_state.brush), font = std::move(m_state.font);
    static const State* const blank = new State;  // copied member by member, not built and moved
    m_state = *blank;
    m_state.pen = stock(pen, initial->pen);
    m_state.brush = stock(brush, initial->brush);
    m_state.font = stock(font, initial->font);
    m_state.penHandle = initial->penHandle;
    m_state.brushHandle = initial->brushHandle;
    m_state.fontHandle = initial->fontHandle;
    m_saved.clear();
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    if (IsCreated())
        return FALSE;
    RegisterHandle();
    InitState();
    m_memory = true;
    m_format = dc ? dc->m_format : TheRegistry().screen;
    // The one-pixel default bitmap is private to the context, so painting before a bitmap is
    // selected touches nothing shared.
    auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Bitmap);
    d->scale = dc ? dc->GetDeviceScale() : 1;
    d->surface = std::make_shared<Surface>(d->scale, d->scale);
    m_state.bitmap = d;
    m_state.bitmapHandle = m_defaultBitmap = GdiHandleTable::Add(d, nullptr);
    return TRUE;
}

BOOL CDC::AttachSurface(std::shared_ptr<Surface> surface, const CRect& area, int scale, const CRect* clip)
{
    if (IsCreated() || !surface || scale < 1 || scale > kMaxScale)
        return FALSE;
    RegisterHandle();
    InitState();
    m_memory = false;
    m_attached = std::move(surface);
    m_area = area;
    m_area.NormalizeRect();
    m_scale = scale;
    m_format = TheRegistry().screen;
    if (clip) {
        m_state.hasClip = true;
        m_state.clip = *clip;
        m_state.clip.NormalizeRect();
    }
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!IsCreated())
        return FALSE;
    CDC* removed = nullptr;
    TheRegistry().contexts.Remove(IdOf(m_hDC), removed);
    // The private default bitmap dies with the context (a selected user bitmap stays its owner's).
    if (m_defaultBitmap)
        GdiHandleTable::Remove(m_defaultBitmap);
    m_defaultBitmap = nullptr;
    m_hDC = nullptr;
    InitState();  // what it holds given back (bar the stock objects, which never go)
    m_attached.reset();
    m_memory = false;
    m_scale = 1;
    return TRUE;
}

std::shared_ptr<Surface> CDC::GetSurface() const
{
    if (!IsCreated())
        return nullptr;
    if (m_memory)
        return m_state.bitmap ? m_state.bitmap->surface : nullptr;
    return m_attached;
}

int CDC::GetDeviceScale() const
{
    if (!IsCreated())
        return 1;
    if (m_memory)
        return m_state.bitmap ? m_state.bitmap->scale : 1;
    return m_scale;
}

// --- capabilities ---------------------------------------------------------------------------------

int CDC::GetDeviceCaps(int index) const
{
    switch (index) {
    case TECHNOLOGY: return m_bPrinting ? DT_RASPRINTER : DT_RASDISPLAY;
    case HORZRES: return DeviceBounds().Width();
    case VERTRES: return DeviceBounds().Height();
    case BITSPIXEL: return m_format.bitsPerPixel;
    case PLANES: return m_format.planes;
    case NUMCOLORS: return m_format.bitsPerPixel <= 8 ? 1 << m_format.bitsPerPixel : -1;
    case RASTERCAPS: {
        int caps = RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT;
        if (m_format.palette)
            caps |= RC_PALETTE;
        return caps;
    }
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case SIZEPALETTE: return m_format.palette ? 1 << std::min(m_format.bitsPerPixel, 8) : 0;
    default: return 0;
    }
}

void CDC::SetColorFormat(int bitsPerPixel, BOOL palette)
{
    m_format.bitsPerPixel = std::clamp(bitsPerPixel, 1, 32);
    m_format.planes = 1;
    m_format.palette = palette != FALSE;
}

void CDC::SetScreenColorFormat(int bitsPerPixel, BOOL palette)
{
    CDC::ColorFormat& f = TheRegistry().screen;
    f.bitsPerPixel = std::clamp(bitsPerPixel, 1, 32);
    f.planes = 1;
    f.palette = palette != FALSE;
}

CDC::ColorFormat CDC::GetScreenColorFormat() { return TheRegistry().screen; }

// --- state ----------------------------------------------------------------------------------------

int CDC::SaveDC()
{
    if (!IsCreated())
        return 0;
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int savedDC)
{
    const int levels = static_cast<int>(m_saved.size());
    if (!IsCreated() || savedDC == 0)
        return FALSE;
    const int level = savedDC > 0 ? savedDC : levels + 1 + savedDC;
    if (level < 1 || level > levels)
        return FALSE;
    m_state = m_saved[static_cast<std::size_t>(level - 1)];
    m_saved.resize(static_cast<std::size_t>(level - 1));
    return TRUE;
}

// --- objects --------------------------------------------------------------------------------------

HGDIOBJ CDC::Select(GdiObjectKind kind, HGDIOBJ handle)
{
    if (!IsCreated() || !handle)
        return nullptr;
    const GdiObjectData* data = GdiHandleTable::Peek(handle);
    if (!data || data->kind != kind)
        return nullptr;
    // The context holds what it has selected; selecting it again takes no new hold.
    auto hold = [&](GdiObjectRef& held) {
        if (held.get() != data)
            held = GdiHandleTable::Find(handle);
    };
    HGDIOBJ previous = nullptr;
    switch (kind) {
    case GdiObjectKind::Pen:
        previous = m_state.penHandle;
        hold(m_state.pen);
        m_state.penHandle = handle;
        break;
    case GdiObjectKind::Brush:
        previous = m_state.brushHandle;
        hold(m_state.brush);
        m_state.brushHandle = handle;
        break;
    case GdiObjectKind::Font:
        previous = m_state.fontHandle;
        hold(m_state.font);
        m_state.fontHandle = handle;
        break;
    case GdiObjectKind::Bitmap:
        if (!m_memory)
            return nullptr;
        previous = m_state.bitmapHandle;
        hold(m_state.bitmap);
        m_state.bitmapHandle = handle;
        break;
    case GdiObjectKind::Region: return nullptr;
    }
    return previous;
}

CPen* CDC::SelectObject(CPen* pen)
{
    if (!pen)
        return nullptr;
    return CPen::FromHandle(static_cast<HPEN>(Select(GdiObjectKind::Pen, pen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    if (!brush)
        return nullptr;
    return CBrush::FromHandle(static_cast<HBRUSH>(Select(GdiObjectKind::Brush, brush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* font)
{
    if (!font)
        return nullptr;
    return CFont::FromHandle(static_cast<HFONT>(Select(GdiObjectKind::Font, font->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!bitmap)
        return nullptr;
    return CBitmap::FromHandle(static_cast<HBITMAP>(Select(GdiObjectKind::Bitmap, bitmap->m_hObject)));
}

int CDC::SelectObject(CRgn* region) { return SelectClipRgn(region); }

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    if (!object)
        return nullptr;
    return CGdiObject::FromHandle(SelectObject(object->m_hObject));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ handle)
{
    const GdiObjectData* data = GdiHandleTable::Peek(handle);
    if (!data || data->kind == GdiObjectKind::Region)
        return nullptr;
    return Select(data->kind, handle);
}

CGdiObject* CDC::SelectStockObject(int index)
{
    HGDIOBJ h = GdiHandleTable::Stock(index);
    return h ? CGdiObject::FromHandle(SelectObject(h)) : nullptr;
}

CPen* CDC::GetCurrentPen() const
{
    return IsCreated() ? CPen::FromHandle(static_cast<HPEN>(m_state.penHandle)) : nullptr;
}
CBrush* CDC::GetCurrentBrush() const
{
    return IsCreated() ? CBrush::FromHandle(static_cast<HBRUSH>(m_state.brushHandle)) : nullptr;
}
CFont* CDC::GetCurrentFont() const
{
    return IsCreated() ? CFont::FromHandle(static_cast<HFONT>(m_state.fontHandle)) : nullptr;
}
CBitmap* CDC::GetCurrentBitmap() const
{
    return m_memory ? CBitmap::FromHandle(static_cast<HBITMAP>(m_state.bitmapHandle)) : nullptr;
}

// --- coordinates ----------------------------------------------------------------------------------

CPoint CDC::SetWindowOrg(int x, int y)
{
    CPoint old = m_state.windowOrg;
    m_state.windowOrg = CPoint(x, y);
    return old;
}

CPoint CDC::GetWindowOrg() const { return m_state.windowOrg; }

CPoint CDC::OffsetWindowOrg(int dx, int dy)
{
    return SetWindowOrg(m_state.windowOrg.x + dx, m_state.windowOrg.y + dy);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    CPoint old = m_state.viewportOrg;
    m_state.viewportOrg = CPoint(x, y);
    return old;
}

CPoint CDC::GetViewportOrg() const { return m_state.viewportOrg; }

CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    return SetViewportOrg(m_state.viewportOrg.x + dx, m_state.viewportOrg.y + dy);
}

void CDC::LPtoDP(LPPOINT points, int count) const
{
    for (int i = 0; points && i < count; ++i)
        points[i] = ToDevice(points[i].x, points[i].y);
}

void CDC::LPtoDP(LPRECT rect) const
{
    if (rect)
        *rect = ToDevice(*rect);
}

void CDC::DPtoLP(LPPOINT points, int count) const
{
    const CPoint d = ToDevice(0, 0);
    for (int i = 0; points && i < count; ++i) {
        points[i].x -= d.x;
        points[i].y -= d.y;
    }
}

void CDC::DPtoLP(LPRECT rect) const
{
    if (!rect)
        return;
    const CPoint d = ToDevice(0, 0);
    CRect r(*rect);
    r.OffsetRect(-d.x, -d.y);
    *rect = r;
}

// --- clipping -------------------------------------------------------------------------------------

CRect CDC::DeviceBounds() const
{
    if (!IsCreated())
        return CRect();
    // Asked for by every fill: no division at scale 1.
    const int scale = GetDeviceScale();
    auto units = [scale](int pixels) { return scale == 1 ? pixels : pixels / scale; };
    if (m_memory) {
        Surface* s = m_state.bitmap ? m_state.bitmap->surface.get() : nullptr;
        return s ? CRect(0, 0, units(s->Width()), units(s->Height())) : CRect();
    }
    if (!m_attached)
        return CRect();
    CRect visible;
    const CRect surface(0, 0, units(m_attached->Width()), units(m_attached->Height()));
    visible.IntersectRect(&m_area, &surface);
    visible.OffsetRect(-m_area.left, -m_area.top);
    return visible;
}

CRect CDC::VisibleDevice() const
{
    CRect clip = DeviceBounds();
    if (m_state.hasClip)
        clip.IntersectRect(&clip, &m_state.clip);
    return clip;
}

CDC::Canvas CDC::GetCanvas() const
{
    Canvas c;
    if (!IsCreated())
        return c;
    c.surface = m_memory ? (m_state.bitmap ? m_state.bitmap->surface.get() : nullptr) : m_attached.get();
    c.scale = GetDeviceScale();
    if (!m_memory)
        c.offset = CPoint(m_area.left * c.scale, m_area.top * c.scale);
    c.clip = VisibleDevice();
    if (c.scale != 1)
        c.clip = CRect(c.clip.left * c.scale, c.clip.top * c.scale, c.clip.right * c.scale, c.clip.bottom * c.scale);
    return c;
}

int CDC::SelectClipRgn(CRgn* region)
{
    if (!IsCreated())
        return RGN_ERROR;
    if (!region) {
        m_state.hasClip = false;
    } else {
        GdiObjectRef d = GdiHandleTable::Find(region->m_hObject);
        if (!d || d->kind != GdiObjectKind::Region)
            return RGN_ERROR;
        m_state.hasClip = true;
        m_state.clip = d->rect;
    }
    return VisibleDevice().IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    if (!IsCreated())
        return RGN_ERROR;
    CRect r(left, top, right, bottom);
    r.NormalizeRect();
    r = ToDevice(r);
    if (m_state.hasClip) {
        CRect c;
        c.IntersectRect(&m_state.clip, &r);
        m_state.clip = c;
    } else {
        const CRect bounds = DeviceBounds();
        m_state.clip.IntersectRect(&bounds, &r);
        m_state.hasClip = true;
    }
    return VisibleDevice().IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(LPCRECT rect)
{
    return rect ? IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom) : RGN_ERROR;
}

int CDC::GetClipBox(LPRECT rect) const
{
    if (!IsCreated())
        return RGN_ERROR;
    CRect box = VisibleDevice();
    if (box.IsRectEmpty())
        box.SetRectEmpty();
    else
        DPtoLP(&box);
    if (rect)
        *rect = box;
    return box.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

BOOL CDC::PtVisible(int x, int y) const { return VisibleDevice().PtInRect(ToDevice(x, y)); }

BOOL CDC::RectVisible(LPCRECT rect) const
{
    if (!rect)
        return FALSE;
    CRect r(*rect);
    r.NormalizeRect();
    r = ToDevice(r);
    CRect clip = VisibleDevice();
    return CRect().IntersectRect(&r, &clip);
}

// --- colours and modes ----------------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF color)
{
    const COLORREF old = m_state.textColor;
    m_state.textColor = color & 0xFFFFFF;
    return old;
}
COLORREF CDC::GetTextColor() const { return m_state.textColor; }

COLORREF CDC::SetBkColor(COLORREF color)
{
    const COLORREF old = m_state.bkColor;
    m_state.bkColor = color & 0xFFFFFF;
    return old;
}
COLORREF CDC::GetBkColor() const { return m_state.bkColor; }

int CDC::SetBkMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    const int old = m_state.bkMode;
    m_state.bkMode = mode;
    return old;
}
int CDC::GetBkMode() const { return m_state.bkMode; }

UINT CDC::SetTextAlign(UINT flags)
{
    const UINT old = m_state.textAlign;
    m_state.textAlign = flags;
    return old;
}
UINT CDC::GetTextAlign() const { return m_state.textAlign; }

// --- filling --------------------------------------------------------------------------------------

void CDC::CountFill(int fills)
{
    m_fillCount += fills;
    TheRegistry().totalFills += fills;
}

long long CDC::GetTotalFillCount() { return TheRegistry().totalFills; }

void CDC::FillDevice(const Canvas& canvas, CRect r, COLORREF color)
{
    if (!canvas.surface)
        return;
    // The rectangle normalised, scaled and clipped, written out here: a gradient makes hundreds of
    // fills.
    const LONG s = canvas.scale;
    const LONG left = std::max(std::min(r.left, r.right) * s, canvas.clip.left);
    const LONG right = std::min(std::max(r.left, r.right) * s, canvas.clip.right);
    const LONG top = std::max(std::min(r.top, r.bottom) * s, canvas.clip.top);
    const LONG bottom = std::min(std::max(r.top, r.bottom) * s, canvas.clip.bottom);
    if (left >= right || top >= bottom)
        return;
    const std::uint32_t p = Surface::ToPixel(color);
    const int w = static_cast<int>(right - left), h = static_cast<int>(bottom - top);
    CountPixels(static_cast<long long>(w) * h);
    std::uint32_t* first = canvas.surface->Row(static_cast<int>(top + canvas.offset.y)) + left + canvas.offset.x;
    const std::size_t stride = static_cast<std::size_t>(canvas.surface->Width());
    // Strips a pixel or two wide (a gradient is hundreds of them) get a loop of their own width:
    // the general one would leave its inner loop after a pixel or two, mispredicted each time.
    switch (w) {
    case 1:
        for (int y = 0; y < h; ++y, first += stride)
            first[0] = p;
        return;
    case 2:
        for (int y = 0; y < h; ++y, first += stride)
            first[0] = first[1] = p;
        return;
    case 3:
        for (int y = 0; y < h; ++y, first += stride)
            first[0] = first[1] = first[2] = p;
        return;
    default:
        break;
    }
    for (int y = 0; y < h; ++y, first += stride)
        Surface::FillRun(first, static_cast<std::size_t>(w), p);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    if (!rect)
        return;
    m_state.bkColor = color & 0xFFFFFF;
    CountFill();
    FillDevice(GetCanvas(), ToDevice(*rect), color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    const CRect r(x, y, x + cx, y + cy);
    FillSolidRect(&r, color);
}

void CDC::FillSolidRects(const RECT* rects, const COLORREF* colors, int count)
{
    if (!rects || !colors || count <= 0)
        return;
    m_state.bkColor = colors[count - 1] & 0xFFFFFF;
    CountFill(count);
    const Canvas canvas = GetCanvas();
    if (!canvas.surface)
        return;
    // While the strips cover the same rows without a gap, each is written into the first of those
    // rows only; the row is copied to the others at the end, or as soon as a strip of another shape
    // comes, from which on each is filled whole.
    const CPoint o = ToDevice(0, 0);
    const CRect clip = canvas.clip;
    const LONG s = canvas.scale;
    LONG top = 0, bottom = 0, left = 0, right = 0;
    std::uint32_t* row = nullptr;
    int i = 0;
    for (; i < count; ++i) {
        const RECT& d = rects[i];
        const LONG l = std::max((std::min(d.left, d.right) + o.x) * s, clip.left);
        const LONG r = std::min((std::max(d.left, d.right) + o.x) * s, clip.right);
        const LONG t = std::max((std::min(d.top, d.bottom) + o.y) * s, clip.top);
        const LONG b = std::min((std::max(d.top, d.bottom) + o.y) * s, clip.bottom);
        if (l >= r || t >= b)
            continue;  // nothing of it shows
        if (!row) {
            top = t, bottom = b, left = l, right = r;
            row = canvas.surface->Row(static_cast<int>(top + canvas.offset.y)) + canvas.offset.x;
        } else if (t != top || b != bottom || l > right || r < left) {
            break;
        }
        left = std::min(left, l);
        right = std::max(right, r);
        Surface::FillRun(row + l, static_cast<std::size_t>(r - l), Surface::ToPixel(colors[i]));
    }
    if (row) {
        CountPixels(static_cast<long long>(right - left) * (bottom - top));
        const std::size_t bytes = static_cast<std::size_t>(right - left) * sizeof(std::uint32_t);
        for (LONG y = top + 1; y < bottom; ++y)
            std::memcpy(canvas.surface->Row(static_cast<int>(y + canvas.offset.y)) + canvas.offset.x + left, row + left,
                        bytes);
    }
    for (; i < count; ++i)
        FillDevice(canvas, ToDevice(rects[i]), colors[i]);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    if (!rect || !brush)
        return;
    const GdiObjectData* d = GdiHandleTable::Peek(brush->m_hObject);
    if (!d || d->kind != GdiObjectKind::Brush)
        return;
    CountFill();
    if (d->brushStyle == BS_NULL)
        return;
    // Brush fills take the rectangle as given: an inverted one fills nothing.
    CRect r(*rect);
    if (r.IsRectEmpty())
        return;
    FillDevice(GetCanvas(), ToDevice(r), d->brushColor);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    if (!rect || !brush)
        return;
    const CRect r(*rect);
    if (r.IsRectEmpty())
        return;
    const CRect sides[4] = {CRect(r.left, r.top, r.right, r.top + 1), CRect(r.left, r.bottom - 1, r.right, r.bottom),
                            CRect(r.left, r.top, r.left + 1, r.bottom), CRect(r.right - 1, r.top, r.right, r.bottom)};
    for (const CRect& s : sides)
        FillRect(&s, brush);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (rect)
        Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    if (cx <= 0 || cy <= 0)
        return;
    // The bottom-right colour owns the top-right and bottom-left corners.
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags)
{
    if (!rect)
        return FALSE;
    CRect r(*rect);
    const Canvas canvas = GetCanvas();
    // The edge colours are the system's, so a scheme change reaches every edge.
    const COLORREF kFace = ::GetSysColor(COLOR_3DFACE);
    const COLORREF kHighlight = ::GetSysColor(COLOR_3DHIGHLIGHT);
    const COLORREF kLight = ::GetSysColor(COLOR_3DLIGHT);
    const COLORREF kShadow = ::GetSysColor(COLOR_3DSHADOW);
    const COLORREF kDarkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    auto ring = [&](COLORREF tl, COLORREF br) {
        if (r.IsRectEmpty())
            return;
        if (flags & BF_LEFT)
            FillDevice(canvas, ToDevice(CRect(r.left, r.top, r.left + 1, r.bottom)), tl);
        if (flags & BF_TOP)
            FillDevice(canvas, ToDevice(CRect(r.left, r.top, r.right, r.top + 1)), tl);
        if (flags & BF_RIGHT)
            FillDevice(canvas, ToDevice(CRect(r.right - 1, r.top, r.right, r.bottom)), br);
        if (flags & BF_BOTTOM)
            FillDevice(canvas, ToDevice(CRect(r.left, r.bottom - 1, r.right, r.bottom)), br);
        r.DeflateRect((flags & BF_LEFT) ? 1 : 0, (flags & BF_TOP) ? 1 : 0, (flags & BF_RIGHT) ? 1 : 0,
                      (flags & BF_BOTTOM) ? 1 : 0);
    };
    const UINT outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
    const UINT inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
    if (flags & BF_MONO) {
        if (outer)
            ring(kDarkShadow, kDarkShadow);
        if (inner)
            ring(kHighlight, kHighlight);
    } else if (flags & BF_FLAT) {
        if (outer)
            ring(kShadow, kShadow);
        if (inner)
            ring(kFace, kFace);
    } else {
        if (outer == BDR_RAISEDOUTER)
            ring(kLight, kDarkShadow);
        else if (outer == BDR_SUNKENOUTER)
            ring(kShadow, kHighlight);
        if (inner == BDR_RAISEDINNER)
            ring(kHighlight, kShadow);
        else if (inner == BDR_SUNKENINNER)
            ring(kDarkShadow, kLight);
    }
    CountFill();
    if ((flags & BF_MIDDLE) && !r.IsRectEmpty())
        FillDevice(canvas, ToDevice(r), kFace);
    if (flags & BF_ADJUST)
        *rect = r;
    return TRUE;
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop)
{
    return BitBlt(x, y, width, height, nullptr, 0, 0, rop);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    if (!IsCreated())
        return FALSE;
    const bool usesSource = rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT;
    const bool known = usesSource || rop == PATCOPY || rop == BLACKNESS || rop == WHITENESS || rop == DSTINVERT;
    if (!known || (usesSource && (!source || !source->IsCreated())))
        return FALSE;
    if (width <= 0 || height <= 0)
        return TRUE;
    const Canvas dst = GetCanvas();
    if (!dst.surface)
        return FALSE;

    if (!usesSource) {
        if (rop == PATCOPY) {
            CountFill();
            if (m_state.brush && m_state.brush->brushStyle != BS_NULL)
                FillDevice(dst, ToDevice(CRect(x, y, x + width, y + height)), m_state.brush->brushColor);
        } else if (rop == BLACKNESS || rop == WHITENESS) {
            CountFill();
            FillDevice(dst, ToDevice(CRect(x, y, x + width, y + height)),
                       rop == BLACKNESS ? RGB(0, 0, 0) : RGB(255, 255, 255));
        } else {
            CRect r = ToDevice(CRect(x, y, x + width, y + height));
            const CRect visible = VisibleDevice();
            if (!r.IntersectRect(&r, &visible))
                return TRUE;
            r = CRect(r.left * dst.scale, r.top * dst.scale, r.right * dst.scale, r.bottom * dst.scale);
            r.OffsetRect(dst.offset);
            for (int row = r.top; row < r.bottom; ++row)
                for (int col = r.left; col < r.right; ++col)
                    dst.surface->Row(row)[col] ^= 0xFFFFFFu;
        }
        return TRUE;
    }

    const Canvas src = source->GetCanvas();
    if (!src.surface)
        return FALSE;
    const CPoint d0 = ToDevice(x, y);
    const CPoint s0 = source->ToDevice(xSrc, ySrc);
    const CRect srcBounds = source->DeviceBounds();
    // Destination device rectangle whose source pixels exist.
    CRect r(d0.x, d0.y, d0.x + width, d0.y + height);
    CRect fromSource(srcBounds);
    fromSource.OffsetRect(d0.x - s0.x, d0.y - s0.y);
    const CRect visible = VisibleDevice();
    if (!r.IntersectRect(&r, &fromSource) || !r.IntersectRect(&r, &visible))
        return TRUE;
    if (src.scale != dst.scale)
        return CopyScaled(dst, r, src, CPoint(s0.x - d0.x, s0.y - d0.y), rop);
    // From here on in surface pixels.
    const int scale = dst.scale;
    const int dx = (s0.x - d0.x) * scale + src.offset.x;
    const int dy = (s0.y - d0.y) * scale + src.offset.y;
    r = CRect(r.left * scale, r.top * scale, r.right * scale, r.bottom * scale);
    const int w = r.Width();
    CountPixels(static_cast<long long>(w) * r.Height());
    const std::size_t rowBytes = static_cast<std::size_t>(w) * sizeof(std::uint32_t);
    auto sourceRow = [&](int row) { return src.surface->Row(row + dy) + r.left + dx; };
    auto destinationRow = [&](int row) { return dst.surface->Row(row + dst.offset.y) + r.left + dst.offset.x; };
    // Source and destination may share a surface (scrolling a window's image): the source block is
    // then copied first, so that no pixel is read after it was written.
    std::vector<std::uint32_t> block;
    if (src.surface == dst.surface) {
        block.resize(static_cast<std::size_t>(w) * r.Height());
        for (int row = r.top; row < r.bottom; ++row)
            std::memcpy(&block[static_cast<std::size_t>(row - r.top) * w], sourceRow(row), rowBytes);
    }
    auto in = [&](int row) {
        return block.empty() ? sourceRow(row) : &block[static_cast<std::size_t>(row - r.top) * w];
    };
    for (int row = r.top; row < r.bottom; ++row) {
        std::uint32_t* out = destinationRow(row);
        const std::uint32_t* from = in(row);
        switch (rop) {
        case SRCCOPY: std::memcpy(out, from, rowBytes); break;
        case SRCPAINT: for (int i = 0; i < w; ++i) out[i] |= from[i]; break;
        case SRCAND: for (int i = 0; i < w; ++i) out[i] &= from[i]; break;
        default: for (int i = 0; i < w; ++i) out[i] ^= from[i]; break;
        }
    }
    return TRUE;
}

BOOL CDC::CopyScaled(const Canvas& dst, const CRect& r, const Canvas& src, CPoint shift, DWORD rop)
{
    // Each destination pixel takes the source pixel under it (nearest neighbour). A surface shared
    // by both sides is read from a copy.
    Surface copy;
    const Surface* from = src.surface;
    if (src.surface == dst.surface) {
        copy = *src.surface;
        from = &copy;
    }
    const int ds = dst.scale, ss = src.scale;
    CountPixels(static_cast<long long>(r.Width()) * ds * r.Height() * ds);
    for (int py = r.top * ds; py < r.bottom * ds; ++py) {
        const int sy = (py / ds + shift.y) * ss + (py % ds) * ss / ds + src.offset.y;
        std::uint32_t* out = dst.surface->Row(py + dst.offset.y) + dst.offset.x;
        const std::uint32_t* in = from->Row(sy);
        for (int px = r.left * ds; px < r.right * ds; ++px) {
            const std::uint32_t p = in[(px / ds + shift.x) * ss + (px % ds) * ss / ds + src.offset.x];
            switch (rop) {
            case SRCCOPY: out[px] = p; break;
            case SRCPAINT: out[px] |= p; break;
            case SRCAND: out[px] &= p; break;
            default: out[px] ^= p; break;
            }
        }
    }
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    const Canvas c = GetCanvas();
    const CPoint d = ToDevice(x, y);
    if (!c.surface || !c.clip.PtInRect(CPoint(d.x * c.scale, d.y * c.scale)))
        return CLR_INVALID;
    FillDevice(c, CRect(d.x, d.y, d.x + 1, d.y + 1), color);
    return color & 0xFFFFFF;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const Canvas c = GetCanvas();
    const CPoint d = ToDevice(x, y);
    if (!c.surface || !c.clip.PtInRect(CPoint(d.x * c.scale, d.y * c.scale)))
        return CLR_INVALID;
    return c.surface->GetPixel(d.x * c.scale + c.offset.x, d.y * c.scale + c.offset.y);
}

// --- lines and shapes -----------------------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y)
{
    const CPoint old = m_state.currentPos;
    m_state.currentPos = CPoint(x, y);
    return old;
}

CPoint CDC::GetCurrentPosition() const { return m_state.currentPos; }

void CDC::PlotPen(const Canvas& canvas, int x, int y, COLORREF color, int width)
{
    const int before = (width - 1) / 2;
    FillDevice(canvas, CRect(x - before, y - before, x - before + width, y - before + width), color);
}

BOOL CDC::LineTo(int x, int y)
{
    if (!IsCreated())
        return FALSE;
    const CPoint from = ToDevice(m_state.currentPos.x, m_state.currentPos.y);
    const CPoint to = ToDevice(x, y);
    m_state.currentPos = CPoint(x, y);
    if (!m_state.pen || m_state.pen->penStyle == PS_NULL)
        return TRUE;
    const Canvas canvas = GetCanvas();
    const COLORREF color = m_state.pen->penColor;
    const int width = m_state.pen->penWidth;
    int x0 = from.x, y0 = from.y;
    const int dx = std::abs(to.x - x0), sx = x0 < to.x ? 1 : -1;
    const int dy = -std::abs(to.y - y0), sy = y0 < to.y ? 1 : -1;
    int err = dx + dy;
    while (x0 != to.x || y0 != to.y) {
        PlotPen(canvas, x0, y0, color, width);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count)
{
    if (!points || count < 2)
        return FALSE;
    const CPoint saved = m_state.currentPos;
    MoveTo(points[0]);
    for (int i = 1; i < count; ++i)
        LineTo(points[i]);
    m_state.currentPos = saved;
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!IsCreated())
        return FALSE;
    CRect r(left, top, right, bottom);
    r.NormalizeRect();
    const Canvas canvas = GetCanvas();
    const bool pen = m_state.pen && m_state.pen->penStyle != PS_NULL;
    const bool brush = m_state.brush && m_state.brush->brushStyle != BS_NULL;
    if (!pen) {
        if (brush) {
            CountFill();
            FillDevice(canvas, ToDevice(CRect(r.left, r.top, r.right - 1, r.bottom - 1)), m_state.brush->brushColor);
        }
        return TRUE;
    }
    const int w = std::min({m_state.pen->penWidth, std::max(r.Width() / 2, 1), std::max(r.Height() / 2, 1)});
    if (brush) {
        CountFill();
        FillDevice(canvas, ToDevice(CRect(r.left + w, r.top + w, r.right - w, r.bottom - w)), m_state.brush->brushColor);
    }
    const COLORREF c = m_state.pen->penColor;
    FillDevice(canvas, ToDevice(CRect(r.left, r.top, r.right, r.top + w)), c);
    FillDevice(canvas, ToDevice(CRect(r.left, r.bottom - w, r.right, r.bottom)), c);
    FillDevice(canvas, ToDevice(CRect(r.left, r.top, r.left + w, r.bottom)), c);
    FillDevice(canvas, ToDevice(CRect(r.right - w, r.top, r.right, r.bottom)), c);
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT rect)
{
    return rect ? Rectangle(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    if (!IsCreated())
        return FALSE;
    CRect r(left, top, right, bottom);
    r.NormalizeRect();
    if (r.IsRectEmpty())
        return TRUE;
    const Canvas canvas = GetCanvas();
    const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
    const double a = r.Width() / 2.0, b = r.Height() / 2.0;
    auto inside = [&](int x, int y) {
        if (x < r.left || x >= r.right || y < r.top || y >= r.bottom)
            return false;
        const double u = (x + 0.5 - cx) / a, v = (y + 0.5 - cy) / b;
        return u * u + v * v <= 1.0;
    };
    const bool pen = m_state.pen && m_state.pen->penStyle != PS_NULL;
    const bool brush = m_state.brush && m_state.brush->brushStyle != BS_NULL;
    if (brush)
        CountFill();
    // The inside of each row is one run of pixels (the shape is convex). A pixel is on the edge when
    // a neighbour is outside: the ends of its run and whatever lies beyond the runs above and below.
    struct Run {
        int left = 0, right = 0;  // empty when equal
    };
    auto runOf = [&](int y) {
        Run run;
        if (y < r.top || y >= r.bottom)
            return run;
        int left = r.left, right = r.right;
        while (left < right && !inside(left, y))
            ++left;
        while (right > left && !inside(right - 1, y))
            --right;
        return Run{left, right};
    };
    auto fill = [&](int left, int right, int y, COLORREF color) {
        if (left < right)
            FillDevice(canvas, ToDevice(CRect(left, y, right, y + 1)), color);
    };
    Run above, here = runOf(r.top);
    for (int y = r.top; y < r.bottom; ++y) {
        const Run below = runOf(y + 1);
        if (here.left < here.right) {
            const int innerLeft = std::max({here.left + 1, above.left, below.left});
            const int innerRight = std::min({here.right - 1, above.right, below.right});
            if (innerLeft >= innerRight) {
                if (pen)
                    fill(here.left, here.right, y, m_state.pen->penColor);
                else if (brush)
                    fill(here.left, here.right, y, m_state.brush->brushColor);
            } else {
                const COLORREF edge = pen ? m_state.pen->penColor : (brush ? m_state.brush->brushColor : 0);
                if (pen || brush) {
                    fill(here.left, innerLeft, y, edge);
                    fill(innerRight, here.right, y, edge);
                }
                if (brush)
                    fill(innerLeft, innerRight, y, m_state.brush->brushColor);
            }
        }
        above = here;
        here = below;
    }
    return TRUE;
}

BOOL CDC::Ellipse(LPCRECT rect)
{
    return rect ? Ellipse(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::DrawIconImage(int x, int y, int width, int height, const std::uint32_t* argb)
{
    if (!IsCreated() || !argb || width <= 0 || height <= 0)
        return FALSE;
    const Canvas c = GetCanvas();
    if (!c.surface)
        return FALSE;
    if (c.scale == 1) {
        BlendPixels(c, ToDevice(x, y), width, height, argb);
        return TRUE;
    }
    if (static_cast<long long>(width) * c.scale > Surface::kMaxDimension ||
        static_cast<long long>(height) * c.scale > Surface::kMaxDimension)
        return FALSE;
    std::vector<std::uint32_t> enlarged(static_cast<std::size_t>(width) * height * c.scale * c.scale);
    std::uint32_t* out = enlarged.data();
    for (int row = 0; row < height * c.scale; ++row)
        for (int col = 0; col < width * c.scale; ++col)
            *out++ = argb[static_cast<std::size_t>(row / c.scale) * width + col / c.scale];
    BlendPixels(c, ToDevice(x, y), width * c.scale, height * c.scale, enlarged.data());
    return TRUE;
}

void CDC::BlendPixels(const Canvas& c, CPoint device, int width, int height, const std::uint32_t* argb)
{
    const CPoint d0(device.x * c.scale, device.y * c.scale);
    CRect r(d0.x, d0.y, d0.x + width, d0.y + height);
    if (!r.IntersectRect(&r, &c.clip))
        return;
    CountPixels(static_cast<long long>(r.Width()) * r.Height());
    std::uint32_t* out = c.surface->Row(r.top + c.offset.y) + c.offset.x;
    const std::size_t stride = static_cast<std::size_t>(c.surface->Width());
    for (int row = r.top; row < r.bottom; ++row, out += stride) {
        const std::uint32_t* in = argb + static_cast<std::size_t>(row - d0.y) * width;
        int col = r.left;
        // Most pixels of an icon are clear or opaque, in runs: four at a time while they are.
        for (; col + 4 <= r.right; col += 4) {
            const std::uint32_t* p = in + (col - d0.x);
            if (((p[0] | p[1] | p[2] | p[3]) >> 24) == 0)
                continue;
            if (((p[0] & p[1] & p[2] & p[3]) >> 24) == 255) {
                for (int k = 0; k < 4; ++k)
                    out[col + k] = p[k] & 0xFFFFFFu;
                continue;
            }
            BlendFourArgb(out + col, p);
        }
        for (; col < r.right; ++col) {
            const std::uint32_t p = in[col - d0.x];
            Blend(out[col], p, p >> 24);
        }
    }
}

// --- text -----------------------------------------------------------------------------------------

namespace {

FontInstance& Realise(GdiObjectData* font, int scale)
{
    FontEngine& engine = FontEngine::Get();
    if (font) {
        // A font is realised once per scale: finding it by its description builds a file name.
        if (scale < 0 || static_cast<std::size_t>(scale) >= font->realised.size())
            return engine.Instance(font->logFont, scale);
        GdiObjectData::Realised& kept = font->realised[static_cast<std::size_t>(scale)];
        if (!kept.instance || kept.generation != engine.Generation())
            kept = {engine.Generation(), &engine.Instance(font->logFont, scale)};
        return *kept.instance;
    }
    LOGFONT lf;
    CFont::DefaultLogFont(lf);
    return engine.Instance(lf, scale);
}

} // namespace

FontInstance& CDC::CurrentFontInstance(int scale) const
{
    return Realise(m_state.font.get(), scale);
}

FontInstance& CDC::FontInstanceOf(HFONT font, int scale)
{
    GdiObjectData* data = font ? GdiHandleTable::Peek(font) : nullptr;
    if (!data || data->kind != GdiObjectKind::Font) data = GdiHandleTable::Peek(GdiHandleTable::Stock(SYSTEM_FONT));
    return Realise(data, scale);
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const
{
    FontInstance& font = CurrentFontInstance();
    const int width = !text ? 0 : font.Width(text, count < 0 ? static_cast<int>(std::strlen(text)) : count);
    return CSize(width, font.Height());
}

CSize CDC::GetTextExtent(const CString& text) const
{
    return GetTextExtent(text.str().data(), text.GetLength());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC metrics) const
{
    if (!metrics)
        return FALSE;
    FontInstance& font = CurrentFontInstance();
    const LOGFONT* lf = m_state.font ? &m_state.font->logFont : nullptr;
    *metrics = TEXTMETRIC();
    metrics->tmHeight = font.Height();
    metrics->tmAscent = font.Ascent();
    metrics->tmDescent = font.Descent();
    metrics->tmInternalLeading = std::max(font.Height() - font.EmPixels(), 0);
    metrics->tmAveCharWidth = font.AverageCharWidth();
    metrics->tmMaxCharWidth = font.MaxCharWidth();
    metrics->tmWeight = lf && lf->lfWeight >= FW_SEMIBOLD ? FW_BOLD : FW_NORMAL;
    metrics->tmItalic = lf ? lf->lfItalic : 0;
    metrics->tmCharSet = ANSI_CHARSET;
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    return TextOut(x, y, text.str().data(), text.GetLength());
}

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count)
{
    if (!IsCreated())
        return FALSE;
    const int n = !text ? 0 : count < 0 ? static_cast<int>(std::strlen(text)) : count;
    FontInstance& font = CurrentFontInstance();
    const int turns = m_state.font ? QuarterTurns(m_state.font->logFont.lfEscapement) : 0;
    const UINT align = m_state.textAlign;
    const bool updateCp = (align & TA_UPDATECP) != 0;

    const int width = font.Width(text, n);
    const int height = font.Height();
    const int ascent = font.Ascent();

    // Text space: u along the baseline, v down across it, (0, 0) at the reference point.
    int u0 = 0;
    switch (align & TA_CENTER) {
    case TA_RIGHT: u0 = -width; break;
    case TA_CENTER: u0 = -(width / 2); break;
    default: break;
    }
    int v0 = 0;
    switch (align & TA_BASELINE) {
    case TA_BOTTOM: v0 = -height; break;
    case TA_BASELINE: v0 = -ascent; break;
    default: break;
    }
    const CPoint ref = updateCp ? ToDevice(m_state.currentPos.x, m_state.currentPos.y) : ToDevice(x, y);
    if (updateCp) {
        // The current position moves to the far end of the run, along the baseline.
        const int advance = (align & TA_CENTER) == TA_RIGHT ? -width : (align & TA_CENTER) == TA_CENTER ? 0 : width;
        static const int du[4][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
        m_state.currentPos.x += du[turns][0] * advance;
        m_state.currentPos.y += du[turns][1] * advance;
    }

    // A text-space pixel (u, v) lands on this pixel, for a reference point in the same units.
    auto devicePixel = [&](CPoint at, int u, int v) {
        switch (turns) {
        case 1: return CPoint(at.x + v, at.y - u - 1);
        case 2: return CPoint(at.x - u - 1, at.y - v - 1);
        case 3: return CPoint(at.x - v - 1, at.y + u);
        default: return CPoint(at.x + u, at.y + v);
        }
    };
    auto deviceRect = [&](CPoint at, int ua, int va, int ub, int vb) {
        CPoint a = devicePixel(at, ua, va), b = devicePixel(at, ub - 1, vb - 1);
        CRect r(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
        return r;
    };

    const Canvas canvas = GetCanvas();
    if (!canvas.surface)
        return FALSE;
    if (m_state.bkMode == OPAQUE && width > 0 && height > 0)
        FillDevice(canvas, deviceRect(ref, u0, v0, u0 + width, v0 + height), m_state.bkColor);

    // Glyphs are drawn in surface pixels: at a larger scale from the font at scale times the size,
    // each one at its scale-1 pen position and baseline enlarged.
    const int scale = canvas.scale;
    FontInstance& drawn = scale == 1 ? font : CurrentFontInstance(scale);
    const CPoint at(ref.x * scale, ref.y * scale);
    const std::uint32_t color = Surface::ToPixel(m_state.textColor);
    const std::uint32_t solid[4] = {color, color, color, color};
    const std::size_t stride = static_cast<std::size_t>(canvas.surface->Width());
    int pen = u0;
    for (int i = 0; i < n; ++i) {
        const char32_t code = CString::CodePointOf(static_cast<unsigned char>(text[i]));
        const GlyphImage& g = drawn.Glyph(code);
        if (g.width > 0) {
            const int gu = pen * scale + g.left;
            const int gv = (v0 + ascent) * scale - g.top;
            // Glyphs wholly outside the clip are skipped; upright ones go row by row.
            CRect box = deviceRect(at, gu, gv, gu + g.width, gv + g.rows);
            CRect visible;
            if (visible.IntersectRect(&box, &canvas.clip))
                CountPixels(static_cast<long long>(visible.Width()) * visible.Height());
            if (!visible.IsRectEmpty() && turns == 0) {
                const std::uint8_t* cov =
                    &g.coverage[static_cast<std::size_t>(visible.top - box.top) * g.width + (visible.left - box.left)];
                std::uint32_t* out = canvas.surface->Row(visible.top + canvas.offset.y) + canvas.offset.x + visible.left;
                const int w = visible.Width();
                for (int y = visible.top; y < visible.bottom; ++y, cov += g.width, out += stride) {
                    int k = 0;
                    // Four pixels at a time: none covered, all covered (a stem at a larger size), or
                    // blended.
                    for (; k + 4 <= w; k += 4) {
                        std::uint32_t four;
                        std::memcpy(&four, cov + k, sizeof four);
                        if (four == 0xFFFFFFFFu)
                            std::memcpy(out + k, solid, sizeof solid);
                        else if (four)
                            BlendFourCoverage(out + k, color, cov + k);
                    }
                    for (; k < w; ++k)
                        if (cov[k])
                            Blend(out[k], color, cov[k]);
                }
            } else if (!visible.IsRectEmpty()) {
                for (int row = 0; row < g.rows; ++row) {
                    const std::uint8_t* cov = &g.coverage[static_cast<std::size_t>(row) * g.width];
                    for (int col = 0; col < g.width; ++col) {
                        if (!cov[col])
                            continue;
                        const CPoint p = devicePixel(at, gu + col, gv + row);
                        if (!canvas.clip.PtInRect(p))
                            continue;
                        Blend(canvas.surface->Row(p.y + canvas.offset.y)[p.x + canvas.offset.x], color, cov[col]);
                    }
                }
            }
        }
        pen += scale == 1 ? g.advance : font.Advance(code);
    }
    return TRUE;
}

// --- icons, focus rectangles, formatted text ------------------------------------------------------

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    return DrawIconEx(x, y, icon, 0, 0);
}

BOOL CDC::DrawIconEx(int x, int y, HICON icon, int cx, int cy)
{
    if (!icon || icon->width <= 0 || icon->height <= 0 ||
        icon->argb.size() < static_cast<std::size_t>(icon->width) * static_cast<std::size_t>(icon->height))
        return FALSE;
    if (cx <= 0)
        cx = icon->width;
    if (cy <= 0)
        cy = icon->height;
    const Canvas c = GetCanvas();
    if (!IsCreated() || !c.surface)
        return FALSE;
    if (static_cast<long long>(cx) * c.scale > Surface::kMaxDimension ||
        static_cast<long long>(cy) * c.scale > Surface::kMaxDimension)
        return FALSE;
    const CPoint device = ToDevice(x, y);
    // At a larger scale the icon's large picture, if it has one, is what gets fitted.
    const IconImage* source = icon;
    if (c.scale > 1 && icon->large && icon->large->width > 0 && icon->large->height > 0 &&
        icon->large->argb.size() >= static_cast<std::size_t>(icon->large->width) * icon->large->height)
        source = icon->large.get();
    const int tw = cx * c.scale, th = cy * c.scale;
    if (tw == source->width && th == source->height) {
        BlendPixels(c, device, tw, th, source->argb.data());
        return TRUE;
    }
    cx = tw;
    cy = th;
    // A few sizes of each icon are kept (a caption's small icon, a button's); a caller drawing
    // one at ever new sizes only makes the cache start again.
    constexpr std::size_t kFittedSizes = 8;
    const auto key = std::make_tuple(source != icon, cx, cy);
    if (auto it = icon->fitted.find(key); it != icon->fitted.end()) {
        BlendPixels(c, device, cx, cy, it->second.data());
        return TRUE;
    }
    if (icon->fitted.size() >= kFittedSizes)
        icon->fitted.clear();
    // Each target pixel averages the source pixels it covers (premultiplied, so transparent
    // pixels do not darken the edges); enlarging repeats pixels.
    std::vector<std::uint32_t>& scaled = icon->fitted[key];
    scaled.resize(static_cast<std::size_t>(cx) * static_cast<std::size_t>(cy));
    for (int ty = 0; ty < cy; ++ty) {
        const int y0 = ty * source->height / cy;
        const int y1 = std::max(y0 + 1, (ty + 1) * source->height / cy);
        for (int tx = 0; tx < cx; ++tx) {
            const int x0 = tx * source->width / cx;
            const int x1 = std::max(x0 + 1, (tx + 1) * source->width / cx);
            unsigned long long a = 0, r = 0, g = 0, b = 0, n = 0;
            for (int sy = y0; sy < y1; ++sy) {
                for (int sx = x0; sx < x1; ++sx) {
                    const std::uint32_t p = source->Pixel(sx, sy);
                    const unsigned pa = p >> 24;
                    a += pa;
                    r += ((p >> 16) & 0xFFu) * pa;
                    g += ((p >> 8) & 0xFFu) * pa;
                    b += (p & 0xFFu) * pa;
                    ++n;
                }
            }
            std::uint32_t out = 0;
            if (a > 0) {
                out = static_cast<std::uint32_t>((a + n / 2) / n) << 24 |
                      static_cast<std::uint32_t>((r + a / 2) / a) << 16 |
                      static_cast<std::uint32_t>((g + a / 2) / a) << 8 | static_cast<std::uint32_t>((b + a / 2) / a);
            }
            scaled[static_cast<std::size_t>(ty) * cx + tx] = out;
        }
    }
    BlendPixels(c, device, cx, cy, scaled.data());
    return TRUE;
}

void CDC::DrawFocusRect(LPCRECT rect)
{
    if (!IsCreated() || !rect)
        return;
    CRect r(*rect);
    r.NormalizeRect();
    if (r.IsRectEmpty())
        return;
    const Canvas c = GetCanvas();
    if (!c.surface)
        return;
    const CRect visible = VisibleDevice();
    auto invert = [&](int x, int y) {
        const CPoint d = ToDevice(x, y);
        if (!visible.PtInRect(d))
            return;
        const std::uint32_t p = c.surface->Row(d.y * c.scale + c.offset.y)[d.x * c.scale + c.offset.x];
        FillDevice(c, CRect(d.x, d.y, d.x + 1, d.y + 1), Surface::ToColorRef(p) ^ 0x00FFFFFFu);
    };
    // Every other pixel along the outline, clockwise, so corners are never inverted twice.
    int i = 0;
    for (int x = r.left; x < r.right; ++x, ++i)
        if (i % 2 == 0)
            invert(x, r.top);
    for (int y = r.top + 1; y < r.bottom; ++y, ++i)
        if (i % 2 == 0)
            invert(r.right - 1, y);
    if (r.Height() > 1)
        for (int x = r.right - 2; x >= r.left; --x, ++i)
            if (i % 2 == 0)
                invert(x, r.bottom - 1);
    if (r.Width() > 1)
        for (int y = r.bottom - 2; y > r.top; --y, ++i)
            if (i % 2 == 0)
                invert(r.left, y);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return DrawText(text.str().data(), text.GetLength(), rect, format);
}

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format)
{
    if (!IsCreated() || !rect)
        return 0;
    std::string s;
    if (text)
        s.assign(text, count < 0 ? std::strlen(text) : static_cast<std::size_t>(count));
    if (!(format & DT_NOPREFIX)) {
        std::string stripped;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '&' && i + 1 < s.size())
                ++i;  // the mnemonic marker goes; "&&" leaves one '&'
            stripped += s[i];
        }
        s = std::move(stripped);
    }
    const CRect box(*rect);
    const int lineHeight = GetTextExtent("", 0).cy;
    auto measure = [this](const char* p, int n) { return GetTextExtent(p, n).cx; };

    struct Shown {
        std::string text;
        int width = 0;
    };
    std::vector<Shown> lines;
    if (format & DT_SINGLELINE) {
        for (char& c : s)
            if (c == '\r' || c == '\n')
                c = ' ';
        lines.push_back(Shown{s, 0});
    } else if (!s.empty()) {
        // The controls' own line breaking, so a static and an edit wrap the same text alike.
        const int wrap = (format & DT_WORDBREAK) ? std::max(box.Width(), 1) : 0;
        for (const TextLayout::Line& l :
             TextLayout::Wrap(static_cast<HFONT>(m_state.fontHandle), CString(s.c_str()), wrap)) {
            std::string t = s.substr(static_cast<std::size_t>(l.start), static_cast<std::size_t>(l.length));
            // Blanks hanging past a soft break are not drawn.
            if (l.next == l.start + l.length && l.next < static_cast<int>(s.size()))
                while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
                    t.pop_back();
            lines.push_back(Shown{t, 0});
        }
    }
    if (s.empty())
        lines.clear();

    int widest = 0;
    for (Shown& line : lines) {
        line.width = measure(line.text.data(), static_cast<int>(line.text.size()));
        if ((format & DT_END_ELLIPSIS) && line.width > box.Width()) {
            std::string cut = line.text;
            while (!cut.empty() && measure((cut + "...").data(), static_cast<int>(cut.size()) + 3) > box.Width())
                cut.pop_back();
            line.text = cut + "...";
            line.width = measure(line.text.data(), static_cast<int>(line.text.size()));
        }
        widest = std::max(widest, line.width);
    }
    const int height = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }

    int y = box.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_BOTTOM)
            y = box.bottom - lineHeight;
        else if (format & DT_VCENTER)
            y = box.top + (box.Height() - lineHeight) / 2;
    }
    const int saved = SaveDC();
    if (!(format & DT_NOCLIP))
        IntersectClipRect(&box);
    SetTextAlign(TA_LEFT | TA_TOP);
    for (const Shown& line : lines) {
        int x = box.left;
        if (format & DT_RIGHT)
            x = box.right - line.width;
        else if (format & DT_CENTER)
            x = box.left + (box.Width() - line.width) / 2;
        TextOut(x, y, line.text.data(), static_cast<int>(line.text.size()));
        y += lineHeight;
    }
    RestoreDC(saved);
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)))
        return y - box.top;
    return height;
}
