#include "platform/framework/TextLayout.h"

#include <array>

#include "platform/framework/WinUser.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/FontInstance.h"

namespace {

// The painting library's own measurements of a font, each character's width looked up once.
class Measure {
public:
    explicit Measure(HFONT font) : m_font(CDC::FontInstanceOf(font)) { m_widths.fill(-1); }
    int Char(unsigned char c)
    {
        int& w = m_widths[c];
        if (w < 0) w = m_font.Advance(CString::CodePointOf(c));
        return w;
    }
    int Height() const { return m_font.Height(); }

private:
    FontInstance& m_font;
    std::array<int, 256> m_widths{};
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

HFONT TextLayout::FontOf(HWND hwnd)
{
    return reinterpret_cast<HFONT>(::SendMessage(hwnd, WM_GETFONT, 0, 0));
}

int TextLayout::Width(HFONT font, const char* text, int count)
{
    if (!text || count <= 0) return 0;
    return CDC::FontInstanceOf(font).Width(text, count);
}

int TextLayout::LineHeight(HFONT font)
{
    return CDC::FontInstanceOf(font).Height();
}

std::vector<TextLayout::Line> TextLayout::Wrap(HFONT font, const CString& text, int width)
{
    std::vector<Line> lines;
    const char* s = text.GetString();
    const int n = text.GetLength();
    Measure m(font);
    int start = 0;
    while (true) {
        int hard = start;
        while (hard < n && s[hard] != '\n') ++hard;
        int end = hard; // end of the visible part of this hard line
        if (end > start && s[end - 1] == '\r') --end;
        // Soft breaks inside [start, end).
        int lineStart = start;
        while (width > 0 && lineStart < end) {
            int x = 0;
            int breakAt = -1; // index after the blanks that follow the last whole word
            int i = lineStart;
            bool broke = false;
            for (; i < end; ++i) {
                char c = s[i];
                if (isBlank(c)) {
                    x += m.Char(static_cast<unsigned char>(c));
                    if (i + 1 < end && !isBlank(s[i + 1]) && i + 1 > lineStart) breakAt = i + 1;
                    continue;
                }
                int w = m.Char(static_cast<unsigned char>(c));
                if (x + w > width && i > lineStart) {
                    int at = breakAt > lineStart ? breakAt : i;
                    int shown = at;
                    lines.push_back(Line{lineStart, shown - lineStart, at});
                    lineStart = at;
                    broke = true;
                    break;
                }
                x += w;
            }
            if (!broke) break;
        }
        lines.push_back(Line{lineStart, end - lineStart, hard < n ? hard + 1 : n});
        if (hard >= n) break;
        start = hard + 1;
    }
    return lines;
}
