#include "platform/framework/ClassicLook.h"

#include <algorithm>
#include <vector>

#include "platform/framework/CWnd.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/DialogState.h"
#include "platform/framework/IconImage.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/CFont.h"
#include "platform/framework/gdi/GdiFunctions.h"
#include "platform/framework/gdi/PaintFunctions.h"
#include "platform/framework/gdi/PaintManager.h"

namespace {

WindowManager& wm()
{
    return WindowManager::Get();
}

bool hasCaption(DWORD style)
{
    return (style & WS_CAPTION) == WS_CAPTION;
}

int frameWidth(DWORD style, DWORD exStyle)
{
    if (style & WS_THICKFRAME) return 4;
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return 3;
    if (style & WS_BORDER) return 1;
    return 0;
}

HICON captionIcon(const WindowRecord& rec)
{
    if (rec.smallIcon) return rec.smallIcon;
    if (rec.bigIcon) return rec.bigIcon;
    return rec.windowClass ? rec.windowClass->icon : nullptr;
}

bool isIcon(const WindowRecord& rec)
{
    return (rec.style & WS_MINIMIZE) && !rec.IsChild();
}

// A minimised window: the desktop around its icon, the caption in the strip below.
void drawIconTitle(CDC& dc, const WindowRecord& rec)
{
    CRect r(0, 0, rec.rect.Width(), rec.rect.Height());
    dc.FillSolidRect(&r, ::GetSysColor(COLOR_DESKTOP));
    CRect title(r.left, r.bottom - WindowManager::kIconTitleHeight + 2, r.right, r.bottom);
    const bool active = wm().Active() == rec.handle;
    if (active) dc.FillSolidRect(&title, ::GetSysColor(COLOR_ACTIVECAPTION));
    ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_HIGHLIGHTTEXT));
    dc.DrawText(rec.text, &title, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

// Whether the class's own painting covers every pixel of the window: a dialog's background, a push
// button's face.
bool classCovers(const WindowRecord& rec)
{
    if (rec.windowClass->name == DialogManager::kClassName) return rec.dialog && !rec.dialog->proc;
    const DWORD type = rec.style & BS_TYPEMASK;
    return rec.windowClass->name == "Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// A child that paints every pixel of its window when it paints (see the header).
bool coversItsWindow(const WindowRecord& rec)
{
    if (!rec.IsVisible() || !rec.IsChild() || (rec.exStyle & WS_EX_TRANSPARENT) || !rec.windowClass ||
        !WindowManager::NonClientInsets(rec.style, rec.exStyle).IsRectNull())
        return false;
    if (rec.object && rec.object->CoversItsWindow()) return true;
    if (!classCovers(rec)) return false;
    if (rec.proc == rec.windowClass->proc) return true;
    return rec.object && rec.object->LeavesPaintingToClass();
}

// The rectangles, in the window's client coordinates, of the windows that cover parts of it: its
// children and the windows above it among its siblings.
std::vector<CRect> coveredParts(HWND hwnd)
{
    std::vector<CRect> parts;
    const WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return parts;
    const CRect client = wm().ClientRectOnScreen(hwnd);
    auto add = [&](HWND other) {
        const WindowRecord* r = wm().Find(other);
        CRect part;
        if (r && coversItsWindow(*r) && part.IntersectRect(&r->rect, &client)) {
            part.OffsetRect(-client.left, -client.top);
            parts.push_back(part);
        }
    };
    for (HWND child : rec->children) add(child);
    if (const WindowRecord* parent = rec->IsChild() ? wm().Find(rec->parent) : nullptr) {
        for (HWND sibling : parent->children) {  // topmost first
            if (sibling == hwnd) break;
            add(sibling);
        }
    }
    return parts;
}

// What of `rect` lies outside all the holes, as rectangles.
std::vector<CRect> subtract(const CRect& rect, const std::vector<CRect>& holes)
{
    std::vector<CRect> pieces{rect};
    for (const CRect& hole : holes) {
        std::vector<CRect> next;
        for (const CRect& p : pieces) {
            CRect cut;
            if (!cut.IntersectRect(&p, &hole)) {
                next.push_back(p);
                continue;
            }
            // Bands above and below the hole, then left and right of it within its rows.
            const CRect around[] = {CRect(p.left, p.top, p.right, cut.top), CRect(p.left, cut.bottom, p.right, p.bottom),
                                    CRect(p.left, cut.top, cut.left, cut.bottom),
                                    CRect(cut.right, cut.top, p.right, cut.bottom)};
            for (const CRect& a : around)
                if (!a.IsRectEmpty()) next.push_back(a);
        }
        pieces = std::move(next);
    }
    return pieces;
}

bool closeGreyed(const WindowRecord& rec)
{
    if (!rec.systemMenu) return false;
    return (::GetMenuState(rec.systemMenu, SC_CLOSE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) != 0;
}

enum class Glyph { Close, Minimise, Maximise };

// A glyph centred in a caption button, in one colour, shifted by (dx, dy).
void drawGlyph(CDC& dc, Glyph glyph, const CRect& button, COLORREF color, int dx, int dy)
{
    const int cx = button.left + button.Width() / 2 + dx;
    const int cy = button.top + button.Height() / 2 + dy;
    const int s = std::max(2, (button.Height() - 6) / 2); // half size of the glyph
    switch (glyph) {
    case Glyph::Close:
        for (int i = -s; i < s; ++i) {
            dc.FillSolidRect(cx + i - 1, cy + i, 2, 1, color);
            dc.FillSolidRect(cx - i - 2, cy + i, 2, 1, color);
        }
        break;
    case Glyph::Minimise:
        dc.FillSolidRect(cx - s, cy + s - 2, 2 * s - 1, 2, color);
        break;
    case Glyph::Maximise:
        dc.FillSolidRect(cx - s, cy - s, 2 * s, 2, color);
        dc.FillSolidRect(cx - s, cy - s, 1, 2 * s, color);
        dc.FillSolidRect(cx + s - 1, cy - s, 1, 2 * s, color);
        dc.FillSolidRect(cx - s, cy + s - 1, 2 * s, 1, color);
        break;
    }
}

void drawCaptionButton(CDC& dc, const CRect& button, Glyph glyph, bool greyed)
{
    CRect r = button;
    dc.FillSolidRect(&r, ::GetSysColor(COLOR_3DFACE));
    dc.DrawEdge(&r, EDGE_RAISED, BF_RECT);
    if (greyed) {
        drawGlyph(dc, glyph, button, ::GetSysColor(COLOR_3DHIGHLIGHT), 1, 1);
        drawGlyph(dc, glyph, button, ::GetSysColor(COLOR_3DSHADOW), 0, 0);
    } else {
        drawGlyph(dc, glyph, button, ::GetSysColor(COLOR_BTNTEXT), 0, 0);
    }
}

void drawScrollBar(CDC& dc, CRect area, bool vertical)
{
    dc.FillSolidRect(&area, ::GetSysColor(COLOR_SCROLLBAR));
    const int side = vertical ? area.Width() : area.Height();
    CRect first = vertical ? CRect(area.left, area.top, area.right, area.top + side)
                           : CRect(area.left, area.top, area.left + side, area.bottom);
    CRect last = vertical ? CRect(area.left, area.bottom - side, area.right, area.bottom)
                          : CRect(area.right - side, area.top, area.right, area.bottom);
    for (CRect b : {first, last}) {
        dc.FillSolidRect(&b, ::GetSysColor(COLOR_3DFACE));
        dc.DrawEdge(&b, EDGE_RAISED, BF_RECT);
    }
}

} // namespace

HFONT ClassicLook::CaptionFont()
{
    static HFONT font = [] {
        LOGFONT lf;
        CFont::DefaultLogFont(lf);
        lf.lfWeight = FW_BOLD;
        return ::CreateFontIndirect(&lf);
    }();
    return font;
}

void ClassicLook::SelectWindowFont(HWND hwnd, CDC& dc)
{
    HFONT font = reinterpret_cast<HFONT>(::SendMessage(hwnd, WM_GETFONT, 0, 0));
    if (font) {
        ::SelectObject(dc.GetSafeHdc(), font);
    } else {
        ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(SYSTEM_FONT));
    }
}

CRect ClassicLook::CaptionRect(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || !hasCaption(rec->style) || isIcon(*rec)) return CRect();
    const int frame = frameWidth(rec->style, rec->exStyle);
    const int height = (rec->exStyle & WS_EX_TOOLWINDOW) ? 15 : 18;
    return CRect(frame, frame, std::max(frame, rec->rect.Width() - frame), frame + height);
}

CRect ClassicLook::CloseBoxRect(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    CRect caption = CaptionRect(hwnd);
    if (!rec || caption.IsRectEmpty() || !(rec->style & WS_SYSMENU)) return CRect();
    const int h = caption.Height() - 4;
    const int w = h + 2;
    return CRect(caption.right - 2 - w, caption.top + 2, caption.right - 2, caption.top + 2 + h);
}

CRect ClassicLook::MaximizeBoxRect(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    CRect close = CloseBoxRect(hwnd);
    if (!rec || close.IsRectEmpty() || !(rec->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) return CRect();
    close.OffsetRect(-close.Width() - 2, 0);
    return close;
}

CRect ClassicLook::MinimizeBoxRect(HWND hwnd)
{
    CRect max = MaximizeBoxRect(hwnd);
    max.OffsetRect(-max.Width(), 0);
    return max;
}

CRect ClassicLook::IconRect(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    CRect caption = CaptionRect(hwnd);
    if (!rec || caption.IsRectEmpty() || !(rec->style & WS_SYSMENU) || (rec->exStyle & WS_EX_TOOLWINDOW) ||
        !captionIcon(*rec))
        return CRect();
    const int size = 16;
    const int top = caption.top + (caption.Height() - size) / 2;
    return CRect(caption.left + 1, top, caption.left + 1 + size, top + size);
}

void ClassicLook::DrawFrame(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return;
    const CRect insets = WindowManager::NonClientInsets(rec->style, rec->exStyle);
    if (insets.IsRectNull()) return;
    CDC dc;
    if (!PaintManager::Get().OpenWindowDC(dc, hwnd, true)) return;
    const DWORD style = rec->style;
    const DWORD exStyle = rec->exStyle;
    CRect r(0, 0, rec->rect.Width(), rec->rect.Height());
    if (isIcon(*rec)) {
        drawIconTitle(dc, *rec);
        return;
    }

    const int frame = frameWidth(style, exStyle);
    if (frame == 1) {
        CBrush line(::GetSysColor(COLOR_WINDOWFRAME));
        dc.FrameRect(&r, &line);  // the line only: the window's inside is its own to paint
        r.DeflateRect(1, 1);
    } else if (frame > 1) {
        dc.DrawEdge(&r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        CBrush face(::GetSysColor(COLOR_3DFACE));
        for (int i = 2; i < frame; ++i) {
            dc.FrameRect(&r, &face);
            r.DeflateRect(1, 1);
        }
    }

    if (hasCaption(style)) {
        const CRect caption = CaptionRect(hwnd);
        const bool active = wm().Active() == hwnd;
        dc.FillSolidRect(&caption, ::GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        // The line between the caption and the client area.
        dc.FillSolidRect(caption.left, caption.bottom, caption.Width(), 1, ::GetSysColor(COLOR_3DFACE));
        int textLeft = caption.left + 3;
        int textRight = caption.right - 2;
        const CRect icon = IconRect(hwnd);
        if (!icon.IsRectEmpty()) {
            dc.DrawIconEx(icon.left, icon.top, captionIcon(*rec), icon.Width(), icon.Height());
            textLeft = icon.right + 2;
        }
        const CRect close = CloseBoxRect(hwnd);
        if (!close.IsRectEmpty()) {
            drawCaptionButton(dc, close, Glyph::Close, closeGreyed(*rec));
            textRight = close.left - 2;
            if (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
                const CRect max = MaximizeBoxRect(hwnd), min = MinimizeBoxRect(hwnd);
                drawCaptionButton(dc, max, Glyph::Maximise, !(style & WS_MAXIMIZEBOX));
                drawCaptionButton(dc, min, Glyph::Minimise, !(style & WS_MINIMIZEBOX));
                textRight = min.left - 2;
            }
        }
        CRect text(textLeft, caption.top, std::max(textLeft, textRight), caption.bottom);
        ::SelectObject(dc.GetSafeHdc(), CaptionFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(::GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        dc.DrawText(rec->text, &text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        r.top = caption.bottom + 1;
    }

    if (exStyle & WS_EX_CLIENTEDGE) dc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (exStyle & WS_EX_STATICEDGE) dc.DrawEdge(&r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    const int bar = ::GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_VSCROLL) {
        CRect area(r.right - bar, r.top, r.right, r.bottom - ((style & WS_HSCROLL) ? bar : 0));
        drawScrollBar(dc, area, true);
    }
    if (style & WS_HSCROLL) {
        CRect area(r.left, r.bottom - bar, r.right - ((style & WS_VSCROLL) ? bar : 0), r.bottom);
        drawScrollBar(dc, area, false);
    }
    if ((style & WS_VSCROLL) && (style & WS_HSCROLL))
        dc.FillSolidRect(r.right - bar, r.bottom - bar, bar, bar, ::GetSysColor(COLOR_3DFACE));
}

HBRUSH ClassicLook::DefaultControlColor(CDC& dc, UINT ctlColorMessage)
{
    const bool window = ctlColorMessage == WM_CTLCOLOREDIT || ctlColorMessage == WM_CTLCOLORLISTBOX;
    const int background = window ? COLOR_WINDOW : COLOR_3DFACE;
    dc.SetTextColor(::GetSysColor(window ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    dc.SetBkColor(::GetSysColor(background));
    return ::GetSysColorBrush(background);
}

HBRUSH ClassicLook::ControlColor(HWND control, CDC& dc, UINT ctlColorMessage)
{
    HWND parent = ::GetParent(control);
    HBRUSH brush = nullptr;
    if (parent) {
        brush = reinterpret_cast<HBRUSH>(::SendMessage(parent, ctlColorMessage, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                                       reinterpret_cast<LPARAM>(control)));
    }
    if (!brush || !CBrush::FromHandle(brush)) brush = DefaultControlColor(dc, ctlColorMessage);
    return brush;
}

void ClassicLook::DrawEtchedText(CDC& dc, LPCTSTR text, CRect rect, UINT format)
{
    const int mode = dc.SetBkMode(TRANSPARENT);
    const COLORREF old = dc.SetTextColor(::GetSysColor(COLOR_3DHIGHLIGHT));
    CRect shifted = rect;
    shifted.OffsetRect(1, 1);
    dc.DrawText(text, -1, &shifted, format);
    dc.SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
    dc.DrawText(text, -1, &rect, format);
    dc.SetTextColor(old);
    dc.SetBkMode(mode);
}

namespace {

LRESULT eraseIcon(CDC& dc)
{
    CRect box;
    dc.GetClipBox(&box);
    dc.FillSolidRect(&box, ::GetSysColor(COLOR_DESKTOP));
    return 1;
}

} // namespace

LRESULT ClassicLook::EraseDialog(HWND dialog, HDC hdc)
{
    CDC* dc = CDC::FromHandle(hdc);
    if (!dc) return 0;
    if (::IsIconic(dialog)) return eraseIcon(*dc);
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        ::SendMessage(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(dialog)));
    CBrush* b = brush ? CBrush::FromHandle(brush) : nullptr;
    if (!b) b = CBrush::FromHandle(::GetSysColorBrush(COLOR_3DFACE));
    CRect box;
    dc->GetClipBox(&box);
    FillBackground(dialog, *dc, box, static_cast<HBRUSH>(b->m_hObject));
    return 1;
}

void ClassicLook::FillBackground(HWND hwnd, CDC& dc, const CRect& rect, HBRUSH brush)
{
    // Holes are in client coordinates; a paint context has no origins set when it erases, but
    // the window's own painting may have moved them.
    std::vector<CRect> holes;
    if (PaintManager::Get().IsPaintContext(hwnd, dc.GetSafeHdc())) holes = coveredParts(hwnd);
    for (CRect& hole : holes) dc.DPtoLP(&hole);
    for (const CRect& piece : subtract(rect, holes)) ::FillRect(dc.GetSafeHdc(), &piece, brush);
}

bool ClassicLook::DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hwnd, &ps);
        WindowRecord* rec = wm().Find(hwnd);
        CDC* dc = CDC::FromHandle(hdc);
        HICON icon = rec && isIcon(*rec) ? (rec->bigIcon ? rec->bigIcon : rec->windowClass ? rec->windowClass->icon : nullptr) : nullptr;
        if (icon && dc) dc->DrawIcon(0, 0, icon);
        ::EndPaint(hwnd, &ps);
        return true;
    }
    case WM_NCPAINT:
        DrawFrame(hwnd);
        PaintManager::Get().FramePainted(hwnd);
        return true;
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
        CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        WindowRecord* rec = wm().Find(hwnd);
        if (!dc || !rec) return true;
        if (isIcon(*rec)) {
            result = eraseIcon(*dc);
            return true;
        }
        if (rec->dialog) {
            result = EraseDialog(hwnd, dc->GetSafeHdc());
            return true;
        }
        const auto value = reinterpret_cast<std::uintptr_t>(rec->windowClass ? rec->windowClass->background : nullptr);
        if (!value) return true;
        // A class background is a COLOR_ index plus one, or a brush.
        HBRUSH brush = value <= COLOR_GRADIENTINACTIVECAPTION + 1 ? ::GetSysColorBrush(static_cast<int>(value) - 1)
                                                                   : reinterpret_cast<HBRUSH>(value);
        CBrush* b = CBrush::FromHandle(brush);
        if (!b) return true;
        CRect box;
        dc->GetClipBox(&box);
        FillBackground(hwnd, *dc, box, brush);
        result = 1;
        return true;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        if (!dc) return true;
        result = reinterpret_cast<LRESULT>(DefaultControlColor(*dc, message));
        return true;
    }
    default:
        (void)lParam;
        return false;
    }
}
