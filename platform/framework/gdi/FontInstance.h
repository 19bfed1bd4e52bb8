#pragma once
// One font face at one pixel size: its metrics and its rendered glyphs, cached by code point.
//
// Glyphs are hinted and rendered anti-aliased (8-bit coverage) by FreeType; advances are whole
// pixels, so text measurement is the plain sum of advances (no kerning) and depends only on the
// font file and the FreeType build.

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

struct FT_FaceRec_;
struct FT_SizeRec_;

struct GlyphImage {
    int left = 0;     // from the pen position to the first column
    int top = 0;      // from the baseline up to the first row
    int width = 0;
    int rows = 0;
    int advance = 0;  // whole pixels
    std::vector<std::uint8_t> coverage;  // width * rows, row by row from the top
};

class FontInstance {
public:
    enum class SizeKind { CharacterHeight, CellHeight };

    // Takes a new size object of the face; the face must outlive the instance. A character-height
    // instance may be drawn narrower than its height: widthPercent of the face's own widths.
    FontInstance(FT_FaceRec_* face, SizeKind kind, int pixels, int widthPercent = 100);
    ~FontInstance();
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;

    int Ascent() const { return m_ascent; }
    int Descent() const { return m_descent; }
    int Height() const { return m_ascent + m_descent; }
    // Nominal character (em) height in pixels, rounded.
    int EmPixels() const { return m_emPixels; }
    int AverageCharWidth() const { return m_averageWidth; }
    int MaxCharWidth() const { return m_maxWidth; }

    // A code point the face lacks renders as its missing-glyph box. Each glyph is loaded and
    // rendered once per instance; later calls return the cached image.
    const GlyphImage& Glyph(char32_t codePoint);
    // Glyphs loaded and rendered so far by every instance (a repaint that renders none shows zero
    // growth).
    static long long RenderedGlyphCount();
    int Advance(char32_t codePoint) { return Glyph(codePoint).advance; }
    // The width of a run of the window system's 8-bit characters: their advances summed.
    int Width(const char* text, int count);

private:
    GlyphImage Render(char32_t codePoint);

    FT_FaceRec_* m_face;
    FT_SizeRec_* m_size = nullptr;
    int m_ascent = 0;
    int m_descent = 0;
    int m_emPixels = 0;
    int m_averageWidth = 0;
    int m_maxWidth = 0;
    std::unordered_map<char32_t, GlyphImage> m_glyphs;
    std::array<const GlyphImage*, 256> m_low{};  // the glyphs of the first 256 code points, found without hashing
};
