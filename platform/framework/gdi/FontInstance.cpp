#include "platform/framework/gdi/FontInstance.h"

#include "platform/framework/CString.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {
long long g_renderedGlyphs = 0;
}  // namespace

long long FontInstance::RenderedGlyphCount() { return g_renderedGlyphs; }

FontInstance::FontInstance(FT_FaceRec_* face, SizeKind kind, int pixels, int widthPercent) : m_face(face)
{
    if (FT_New_Size(m_face, &m_size) != 0)
        throw std::runtime_error("FreeType could not create a font size");
    FT_Activate_Size(m_size);
    FT_Size_RequestRec req{};
    req.type = kind == SizeKind::CellHeight ? FT_SIZE_REQUEST_TYPE_REAL_DIM : FT_SIZE_REQUEST_TYPE_NOMINAL;
    req.height = static_cast<FT_Long>(pixels) * 64;
    req.width = kind == SizeKind::CharacterHeight && widthPercent != 100 ? req.height * widthPercent / 100 : 0;
    if (FT_Request_Size(m_face, &req) != 0) {
        FT_Done_Size(m_size);
        throw std::runtime_error("FreeType could not set a font size of " + std::to_string(pixels) + " pixels");
    }
    const FT_Size_Metrics& m = m_size->metrics;
    m_ascent = static_cast<int>((m.ascender + 63) >> 6);
    m_descent = static_cast<int>((-m.descender + 63) >> 6);
    m_emPixels = static_cast<int>(m.y_ppem);
    m_maxWidth = static_cast<int>((m.max_advance + 63) >> 6);
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_OS2));
    if (os2 && os2->xAvgCharWidth > 0)
        m_averageWidth = static_cast<int>((FT_MulFix(os2->xAvgCharWidth, m.x_scale) + 32) >> 6);
    else
        m_averageWidth = Advance(U'x');
}

FontInstance::~FontInstance()
{
    if (m_size)
        FT_Done_Size(m_size);
}

const GlyphImage& FontInstance::Glyph(char32_t codePoint)
{
    const GlyphImage** kept = codePoint < m_low.size() ? &m_low[codePoint] : nullptr;
    if (kept && *kept)
        return **kept;
    auto it = m_glyphs.find(codePoint);
    if (it == m_glyphs.end())
        it = m_glyphs.emplace(codePoint, Render(codePoint)).first;
    if (kept)
        *kept = &it->second;  // the map's elements stay where they are as it grows
    return it->second;
}

int FontInstance::Width(const char* text, int count)
{
    int width = 0;
    for (int i = 0; i < count; ++i)
        width += Advance(CString::CodePointOf(static_cast<unsigned char>(text[i])));
    return width;
}

GlyphImage FontInstance::Render(char32_t codePoint)
{
    GlyphImage g;
    ++g_renderedGlyphs;
    FT_Activate_Size(m_size);
    const FT_UInt index = FT_Get_Char_Index(m_face, codePoint);
    if (FT_Load_Glyph(m_face, index, FT_LOAD_DEFAULT) != 0)
        return g;
    FT_GlyphSlot slot = m_face->glyph;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return g;
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY || bm.width == 0 || bm.rows == 0)
        return g;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.rows = static_cast<int>(bm.rows);
    g.coverage.resize(static_cast<std::size_t>(g.width) * g.rows);
    const int pitch = std::abs(bm.pitch);
    for (int y = 0; y < g.rows; ++y) {
        // A negative pitch stores the rows bottom-up.
        const int srcRow = bm.pitch >= 0 ? y : g.rows - 1 - y;
        std::memcpy(&g.coverage[static_cast<std::size_t>(y) * g.width],
                    bm.buffer + static_cast<std::ptrdiff_t>(srcRow) * pitch, static_cast<std::size_t>(g.width));
    }
    return g;
}
