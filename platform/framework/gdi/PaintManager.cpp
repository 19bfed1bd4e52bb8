#include "platform/framework/gdi/PaintManager.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/framework/AutomationError.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/GdiFunctions.h"

namespace {

WindowManager& wm()
{
    return WindowManager::Get();
}

// More paint messages than this for one render means a window keeps invalidating itself.
constexpr int kMaxPaintsPerRender = 10000;

int clampSide(int side, int scale)
{
    return std::clamp(side, 0, Surface::kMaxDimension / scale);
}

} // namespace

bool PaintManager::FrameState::operator==(const FrameState& o) const
{
    return style == o.style && exStyle == o.exStyle && text == o.text && size == o.size && active == o.active &&
           closeEnabled == o.closeEnabled && icon == o.icon && font == o.font;
}

PaintManager& PaintManager::Get()
{
    static PaintManager* manager = new PaintManager; // outlives every static window object
    return *manager;
}

PaintManager::PaintManager()
{
    wm().AddDestroyListener([this](HWND hwnd) { forget(hwnd); });
}

void PaintManager::Reset()
{
    m_images.clear();
    m_spare.reset();
    m_scales.clear();
    m_defaultScale = 1;
    m_frames.clear();
    m_owned.clear();
    m_spareContexts.clear();
    m_painting.clear();
}

void PaintManager::forget(HWND hwnd)
{
    // The image of a closed window is kept for the next window of its size, whose image it becomes
    // without the cost of new memory (only one; shared images are not taken).
    auto it = m_images.find(hwnd);
    if (it != m_images.end() && it->second && it->second.use_count() == 1) m_spare = std::move(it->second);
    m_images.erase(hwnd);
    m_scales.erase(hwnd);
    m_frames.erase(hwnd);
    if (size_t i = paintingIndex(hwnd); i < m_painting.size()) m_painting.erase(m_painting.begin() + static_cast<long>(i));
}

// --- images -------------------------------------------------------------------------------------------

void PaintManager::SetDefaultScale(int scale)
{
    if (scale < 1 || scale > CDC::kMaxScale)
        throw std::invalid_argument("default scale " + std::to_string(scale) + " is not one of 1 to " +
                                    std::to_string(CDC::kMaxScale));
    m_defaultScale = scale;
}

int PaintManager::scaleOf(HWND topLevel) const
{
    auto it = m_scales.find(topLevel);
    return it == m_scales.end() ? m_defaultScale : it->second;
}

std::shared_ptr<Surface> PaintManager::WindowImage(HWND topLevel)
{
    WindowRecord* rec = wm().Find(topLevel);
    if (!rec || topLevel == wm().Desktop()) return nullptr;
    const int scale = scaleOf(topLevel);
    const int width = clampSide(rec->rect.Width(), scale) * scale;
    const int height = clampSide(rec->rect.Height(), scale) * scale;
    std::shared_ptr<Surface>& image = m_images[topLevel];
    if (image && image->Width() == width && image->Height() == height) return image;
    if (m_spare && m_spare->Width() == width && m_spare->Height() == height) {
        image = std::move(m_spare);
        image->Fill(::GetSysColor(COLOR_WINDOWFRAME));
    } else {
        image = std::make_shared<Surface>(width, height, ::GetSysColor(COLOR_WINDOWFRAME));
    }
    // A new image holds nothing: the whole tree paints again, frames included.
    ::RedrawWindow(topLevel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    std::vector<HWND> stack{topLevel};
    while (!stack.empty()) {
        HWND h = stack.back();
        stack.pop_back();
        m_frames.erase(h);
        for (HWND c : wm().Children(h)) stack.push_back(c);
    }
    return image;
}

// --- contexts -----------------------------------------------------------------------------------------

bool PaintManager::OpenWindowDC(CDC& dc, HWND hwnd, bool wholeWindow)
{
    if (dc.GetSafeHdc()) return false;
    if (!hwnd || hwnd == wm().Desktop()) {
        if (!m_screen)
            m_screen = std::make_shared<Surface>(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                                                 ::GetSysColor(COLOR_BACKGROUND));
        return dc.AttachSurface(m_screen, m_screen->Bounds()) != FALSE;
    }
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return false;
    const HWND top = wm().Root(hwnd);
    std::shared_ptr<Surface> image = WindowImage(top);
    WindowRecord* topRec = wm().Find(top);
    if (!image || !topRec) return false;
    const CPoint origin = topRec->rect.TopLeft();

    CRect area = wholeWindow ? CRect(rec->rect) : wm().ClientRectOnScreen(hwnd);
    CRect visible = area;
    bool shown = true;
    for (HWND h = hwnd; h && h != top;) {
        WindowRecord* r = wm().Find(h);
        if (!r) break;
        if (!r->IsVisible()) shown = false;
        h = r->IsChild() ? r->parent : nullptr;
        if (h) {
            CRect parentClient = wm().ClientRectOnScreen(h);
            visible.IntersectRect(&visible, &parentClient);
        }
    }
    if (!shown) visible.SetRectEmpty();
    area.OffsetRect(-origin.x, -origin.y);
    // The clip, relative to the area; nothing shows through an empty one.
    if (visible.IsRectEmpty()) visible.SetRectEmpty();
    else visible.OffsetRect(-origin.x - area.left, -origin.y - area.top);
    if (!dc.AttachSurface(image, area, scaleOf(top), &visible)) return false;
    // The window's font is what its painting speaks in unless it selects another.
    if (HFONT font = rec->font) ::SelectObject(dc.GetSafeHdc(), font);
    return true;
}

std::unique_ptr<CDC> PaintManager::newContext()
{
    if (m_spareContexts.empty()) return std::make_unique<CDC>();
    std::unique_ptr<CDC> dc = std::move(m_spareContexts.back());
    m_spareContexts.pop_back();
    return dc;
}

HDC PaintManager::GetDC(HWND hwnd, bool wholeWindow)
{
    std::unique_ptr<CDC> dc = newContext();
    if (!OpenWindowDC(*dc, hwnd, wholeWindow)) {
        m_spareContexts.push_back(std::move(dc));
        return nullptr;
    }
    m_owned.push_back(std::move(dc));
    return m_owned.back()->GetSafeHdc();
}

int PaintManager::ReleaseDC(HWND, HDC dc)
{
    auto it = std::find_if(m_owned.begin(), m_owned.end(),
                           [dc](const std::unique_ptr<CDC>& owned) { return dc && owned->GetSafeHdc() == dc; });
    if (it == m_owned.end()) return 0;
    std::unique_ptr<CDC> released = std::move(*it);
    m_owned.erase(it);
    released->DeleteDC();  // what was selected into it is let go now, as when it was destroyed
    if (m_spareContexts.size() < kSpareContexts) m_spareContexts.push_back(std::move(released));
    return 1;
}

// --- the paint cycle ---------------------------------------------------------------------------------

HDC PaintManager::BeginPaint(CDC* dc, HWND hwnd, PAINTSTRUCT& paint)
{
    paint = PAINTSTRUCT();
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || hwnd == wm().Desktop()) return nullptr;
    // A new image invalidates the whole tree: make it before taking the update region.
    WindowImage(wm().Root(hwnd));

    CRect update;
    bool erase = false;
    wm().TakeUpdate(hwnd, update, erase);

    if (FrameNeedsPaint(hwnd)) {
        wm().Send(hwnd, WM_NCPAINT, 1, 0);
        FramePainted(hwnd);
    }

    std::unique_ptr<CDC> owned;
    if (!dc) {
        owned = newContext();
        dc = owned.get();
    }
    if (!OpenWindowDC(*dc, hwnd, false)) {
        if (owned) m_spareContexts.push_back(std::move(owned));
        return nullptr;
    }
    dc->IntersectClipRect(&update);
    paint.hdc = dc->GetSafeHdc();
    paint.rcPaint = update;
    if (owned) m_owned.push_back(std::move(owned));
    if (size_t i = paintingIndex(hwnd); i < m_painting.size()) m_painting[i].second = paint.hdc;
    else m_painting.emplace_back(hwnd, paint.hdc);

    if (!update.IsRectEmpty()) {
        CRect onScreen = update;
        CRect client = wm().ClientRectOnScreen(hwnd);
        onScreen.OffsetRect(client.left, client.top);
        invalidateOverlapped(hwnd, onScreen);
    }
    if (erase) {
        paint.fErase = wm().Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint.hdc), 0) ? FALSE : TRUE;
    }
    return paint.hdc;
}

BOOL PaintManager::EndPaint(HWND hwnd, const PAINTSTRUCT& paint)
{
    if (size_t i = paintingIndex(hwnd); i < m_painting.size() && m_painting[i].second == paint.hdc)
        m_painting.erase(m_painting.begin() + static_cast<long>(i));
    ReleaseDC(hwnd, paint.hdc);
    return TRUE;
}

bool PaintManager::IsPaintContext(HWND hwnd, HDC dc) const
{
    const size_t i = paintingIndex(hwnd);
    return dc && i < m_painting.size() && m_painting[i].second == dc;
}

size_t PaintManager::paintingIndex(HWND hwnd) const
{
    size_t i = 0;
    while (i < m_painting.size() && m_painting[i].first != hwnd) ++i;
    return i;
}

void PaintManager::invalidateOverlapped(HWND hwnd, const CRect& paintedOnScreen)
{
    auto touch = [&](HWND other) {
        WindowRecord* r = wm().Find(other);
        if (!r || !r->IsVisible()) return;
        CRect hit;
        if (!hit.IntersectRect(&r->rect, &paintedOnScreen)) return;
        InvalidateFrame(other);
        CRect client = wm().ClientRectOnScreen(other);
        if (hit.IntersectRect(&hit, &client)) {
            hit.OffsetRect(-client.left, -client.top);
            wm().Invalidate(other, &hit, true);
        }
    };
    // Invalidating changes no window's children.
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return;
    for (HWND child : rec->children) touch(child);
    if (WindowRecord* parent = rec->IsChild() ? wm().Find(rec->parent) : nullptr) {
        // Siblings above this one in z-order come first in the list.
        for (HWND sibling : parent->children) {
            if (sibling == hwnd) break;
            touch(sibling);
        }
    }
}

// --- frames -------------------------------------------------------------------------------------------

PaintManager::FrameState PaintManager::frameStateOf(HWND hwnd) const
{
    FrameState s;
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return s;
    s.style = rec->style;
    s.exStyle = rec->exStyle;
    s.size = rec->rect.Size();
    if (!rec->IsChild()) {
        s.text = rec->text;
        s.active = wm().Active() == hwnd;
        s.icon = rec->smallIcon ? rec->smallIcon : rec->bigIcon;
        s.font = rec->font;
        if (rec->systemMenu)
            s.closeEnabled = (::GetMenuState(rec->systemMenu, SC_CLOSE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
    }
    return s;
}

bool PaintManager::FrameNeedsPaint(HWND hwnd) const
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return false;
    if (WindowManager::NonClientInsets(rec->style, rec->exStyle).IsRectNull()) return false;
    auto it = m_frames.find(hwnd);
    return it == m_frames.end() || !(it->second == frameStateOf(hwnd));
}

void PaintManager::FramePainted(HWND hwnd)
{
    // A window without a frame has none to keep (FrameNeedsPaint asks its style first).
    WindowRecord* rec = wm().Find(hwnd);
    if (rec && !WindowManager::NonClientInsets(rec->style, rec->exStyle).IsRectNull())
        m_frames[hwnd] = frameStateOf(hwnd);
}

void PaintManager::InvalidateFrame(HWND hwnd)
{
    m_frames.erase(hwnd);
}

// --- rendering ----------------------------------------------------------------------------------------

bool PaintManager::needsPaint(const WindowRecord& rec) const
{
    return rec.invalid || FrameNeedsPaint(rec.handle);
}

HWND PaintManager::nextToPaint(HWND hwnd, bool isTop) const
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || (!isTop && !rec->IsVisible())) return nullptr;
    if (needsPaint(*rec)) return hwnd;
    if (isTop && (rec->style & WS_MINIMIZE)) return nullptr; // an icon: its children wait
    // Only looks: nothing here changes the tree.
    for (auto it = rec->children.rbegin(); it != rec->children.rend(); ++it) {
        if (HWND found = nextToPaint(*it, false)) return found;
    }
    return nullptr;
}

void PaintManager::paintOrder(HWND hwnd, bool isTop, std::vector<HWND>& order) const
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || (!isTop && !rec->IsVisible())) return;
    order.push_back(hwnd);
    if (isTop && (rec->style & WS_MINIMIZE)) return;
    for (auto it = rec->children.rbegin(); it != rec->children.rend(); ++it) paintOrder(*it, false, order);
}

bool PaintManager::stillPainted(HWND hwnd, HWND topLevel) const
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return false;
    for (WindowRecord* r = rec; r->handle != topLevel;) {
        if (!r->IsVisible() || !r->IsChild()) return false;
        r = wm().Find(r->parent);
        if (!r) return false;
        if (r->handle == topLevel && (r->style & WS_MINIMIZE)) return false;
    }
    return true;
}

void PaintManager::sendPaint(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return;
    if (!rec->invalid) {
        // Only the frame is out of date.
        wm().Send(hwnd, WM_NCPAINT, 1, 0);
        FramePainted(hwnd);
        return;
    }
    wm().Send(hwnd, WM_PAINT, 0, 0);
    if (WindowRecord* r = wm().Find(hwnd)) {
        ++r->paintCount;
        wm().Validate(hwnd, nullptr);
        FramePainted(hwnd); // a window that painted without BeginPaint keeps the frame it has
    }
}

void PaintManager::PaintPending(HWND topLevel)
{
    if (!WindowImage(topLevel)) return;
    int count = 0;
    auto paint = [&](HWND h) {
        if (++count > kMaxPaintsPerRender) {
            throw AutomationError("painting did not settle: a window keeps invalidating itself while it paints");
        }
        sendPaint(h);
    };
    // One walk of the tree in paint order paints what is pending, as searching for the first window
    // to paint again after each paint would (painting a window invalidates only windows after it in
    // that order: its children and the siblings above it). What the walk cannot see, a window that
    // painting invalidated behind it, shown or created, is found by the searches that follow.
    std::vector<HWND> order;
    paintOrder(topLevel, true, order);
    for (HWND h : order) {
        WindowRecord* rec = wm().Find(h);
        if (rec && needsPaint(*rec) && stillPainted(h, topLevel)) paint(h);
    }
    while (HWND h = nextToPaint(topLevel, true)) paint(h);
}

Surface PaintManager::Render(HWND hwnd, int scale)
{
    if (scale < 1 || scale > CDC::kMaxScale)
        throw std::invalid_argument("render scale " + std::to_string(scale) + " is not one of 1 to " +
                                    std::to_string(CDC::kMaxScale));
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || hwnd == wm().Desktop()) return Surface();
    const HWND top = wm().Root(hwnd);
    if (scale == m_defaultScale) m_scales.erase(top);
    else m_scales[top] = scale;
    PaintPending(top);
    std::shared_ptr<Surface> image = WindowImage(top);
    WindowRecord* topRec = wm().Find(top);
    rec = wm().Find(hwnd);
    if (!image || !topRec || !rec) return Surface();
    if (top == hwnd) return *image;
    CRect part(rec->rect);
    part.OffsetRect(-topRec->rect.left, -topRec->rect.top);
    part = CRect(part.left * scale, part.top * scale, part.right * scale, part.bottom * scale);
    CRect bounds = image->Bounds();
    part.IntersectRect(&part, &bounds);
    Surface out(part.Width(), part.Height());
    for (int y = 0; y < part.Height(); ++y)
        std::copy_n(image->Row(part.top + y) + part.left, part.Width(), out.Row(y));
    return out;
}
