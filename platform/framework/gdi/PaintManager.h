#pragma once
// Where windows paint: one image per top-level window, the window contexts that paint into it,
// the paint cycle (BeginPaint / EndPaint) and rendering for screenshots. PaintFunctions.h
// describes the rules; this is the machinery behind them, one instance per process (Get).
//
// An image is made when a window first paints, and made again (the whole tree invalidated) when
// the window's size or the image's scale changes. An image is drawn at the default scale (1) until
// Render asks for another (see CDC for what a scale is); it keeps the scale last asked for, so a
// front end rendering at scale 2 repaints only what changed. The frame of a window (WM_NCPAINT) is
// drawn again when what it shows changed since it was last drawn (text, styles, size, activation,
// icon, the close box's state) or when a parent painted over it.

#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"
#include "platform/framework/gdi/PaintFunctions.h"
#include "platform/framework/gdi/Surface.h"

class CDC;
struct WindowRecord;

class PaintManager {
public:
    static PaintManager& Get();

    // Sets up an uncreated context as the window's (client area, or whole window). FALSE for an
    // unknown window or a context that already exists.
    bool OpenWindowDC(CDC& dc, HWND hwnd, bool wholeWindow);
    // The paint cycle into a caller's uncreated context (CPaintDC) or, with a null context, into
    // one the window system owns until EndPaint.
    HDC BeginPaint(CDC* dc, HWND hwnd, PAINTSTRUCT& paint);
    BOOL EndPaint(HWND hwnd, const PAINTSTRUCT& paint);
    // Whether the context is the one a paint cycle of the window (BeginPaint to EndPaint) opened:
    // what it paints is followed in the same pass by every window above it that it touches.
    bool IsPaintContext(HWND hwnd, HDC dc) const;

    // Contexts owned by the window system (GetDC, GetWindowDC).
    HDC GetDC(HWND hwnd, bool wholeWindow);
    int ReleaseDC(HWND hwnd, HDC dc);
    size_t OpenContexts() const { return m_owned.size(); }

    // The image of a top-level window, made or resized on demand; null for a non-window.
    std::shared_ptr<Surface> WindowImage(HWND topLevel);
    // Paints everything pending in the window's tree (frames, update regions), parents first, by
    // sending WM_NCPAINT and WM_PAINT. A hidden top-level window is painted as if shown.
    void PaintPending(HWND topLevel);
    // A copy of a top-level window's image (of the top-level window containing `hwnd`) after
    // PaintPending, at `scale` surface pixels per screen pixel; a child window's render is its part
    // of that image. A scale outside 1..CDC::kMaxScale throws std::invalid_argument.
    Surface Render(HWND hwnd, int scale = 1);

    // Whether the frame of a window needs drawing, and marking it drawn (the default WM_NCPAINT
    // handling and PaintPending do that).
    bool FrameNeedsPaint(HWND hwnd) const;
    void FramePainted(HWND hwnd);
    void InvalidateFrame(HWND hwnd);

    // The scale a window's image is drawn at until Render asks for another (1 unless a front end
    // drawing at a larger scale sets it, so that new windows paint at its scale from the start);
    // a scale outside 1..CDC::kMaxScale throws std::invalid_argument.
    void SetDefaultScale(int scale);
    int DefaultScale() const { return m_defaultScale; }

    // Forgets every image and context record (window system reset).
    void Reset();

private:
    PaintManager();
    struct FrameState {
        DWORD style = 0;
        DWORD exStyle = 0;
        CString text;
        CSize size;
        bool active = false;
        bool closeEnabled = true;
        HICON icon = nullptr;
        HFONT font = nullptr;
        bool operator==(const FrameState& o) const;
    };
    FrameState frameStateOf(HWND hwnd) const;
    void forget(HWND hwnd);
    void invalidateOverlapped(HWND hwnd, const CRect& paintedOnScreen);
    bool needsPaint(const WindowRecord& rec) const;
    HWND nextToPaint(HWND hwnd, bool isTop) const;
    // The windows of a tree that paint, in the order they paint: parents first, then children from
    // the bottom of the z-order up; hidden windows and an icon's children left out.
    void paintOrder(HWND hwnd, bool isTop, std::vector<HWND>& order) const;
    // Whether a window is still one of the painted windows of the top-level tree.
    bool stillPainted(HWND hwnd, HWND topLevel) const;
    void sendPaint(HWND hwnd);

    std::unordered_map<HWND, std::shared_ptr<Surface>> m_images;
    int scaleOf(HWND topLevel) const;

    std::unordered_map<HWND, int> m_scales;  // images drawn at a scale other than the default
    int m_defaultScale = 1;
    std::shared_ptr<Surface> m_spare;  // a closed window's image, for the next window of its size
    std::unordered_map<HWND, FrameState> m_frames;
    // The contexts of GetDC and BeginPaint until released (a few at a time, so searched in
    // order), and released ones kept for the next, which saves making one for every paint.
    std::vector<std::unique_ptr<CDC>> m_owned;
    std::vector<std::unique_ptr<CDC>> m_spareContexts;
    std::unique_ptr<CDC> newContext();
    static constexpr size_t kSpareContexts = 8;
    std::vector<std::pair<HWND, HDC>> m_painting;  // open paint cycles
    size_t paintingIndex(HWND hwnd) const;  // m_painting.size() when the window is not painting
    std::shared_ptr<Surface> m_screen;
};
