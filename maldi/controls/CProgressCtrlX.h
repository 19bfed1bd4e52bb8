#pragma once
// The owner-drawn gradient progress bar of the tool windows.
//
// It subclasses a standard progress control, which keeps the range, the position and the step
// (set them with PBM_SETRANGE32, PBM_SETPOS, PBM_SETSTEP as for the standard control), and paints
// everything itself: a gradient of any number of colours (or a bar brush) over a background colour
// (or brush), inside inner borders, with a text in one colour over the bar and another beside it.
// Extra style bits select the text and the bar's behaviour (PBS_SHOW..., PBS_TIED_TEXT ...).
//
// Snake mode: a bar of fixed length (the tail size, in position units) whose head is the position.
// Steps and deltas always move it forward; its head runs up to a tail size past the upper limit
// (the standard control keeps upper as its position meanwhile) and then starts again from the
// lower limit, drawn from the other end (the reverse bit toggles), so it bounces between the ends.
//
// Property changes take effect at the next paint; none repaints by itself. The brushes belong to
// the caller and must outlive their use. The tooltip is created on first use, inactive until
// SetTooltipText activates it.
//
// An empty range (upper not above lower), or borders that leave no room inside, draw only the
// background. Text formats take at most one
// integer: each %d, %i, %u, %x, %X or %o (with flags, width and precision) prints the value,
// "%%" prints a percent sign, and any other conversion is drawn as written.

#include "platform/framework/CDWordArray.h"
#include "platform/framework/CProgressCtrl.h"
#include "platform/framework/CToolTipCtrl.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CDC.h"

// Style bits of the control beyond the standard progress styles.
constexpr DWORD PBS_SHOW_PERCENT = 0x0100;
constexpr DWORD PBS_SHOW_POSITION = 0x0200;
constexpr DWORD PBS_SHOW_TEXTONLY = 0x0300;
constexpr DWORD PBS_TEXTMASK = 0x0300;
constexpr DWORD PBS_TIED_TEXT = 0x1000;
constexpr DWORD PBS_RUBBER_BAR = 0x2000;
constexpr DWORD PBS_REVERSE = 0x4000;
constexpr DWORD PBS_SNAKE = 0x8000;

class CProgressCtrlX : public CProgressCtrl {
public:
    // One paint pass, handed to every drawing operation.
    class CDrawInfo {
    public:
        CDC* pDC = nullptr;
        DWORD dwStyle = 0;
        CRect rcClient;      // client rectangle less the borders
        int nCurPos = 0;
        int nLower = 0;
        int nUpper = 0;
    };

    CProgressCtrlX();
    ~CProgressCtrlX() override;

    BOOL PreTranslateMessage(MSG* msg) override;

    // --- gradient and colours ------------------------------------------------------------------
    void SetGradientColors(COLORREF start, COLORREF end);
    void GetGradientColors(COLORREF& start, COLORREF& end) const;
    // count colours: first, second and count - 2 more COLORREF arguments. A count below 2 is taken
    // as 2.
    void SetGradientColorsX(int count, COLORREF first, COLORREF second, ...);
    const CDWordArray& GetGradientColorsX() const { return m_ardwGradColors; }
    void SetBarBrush(CBrush* brush) { m_pbrBar = brush; }
    CBrush* GetBarBrush() const { return m_pbrBar; }
    void SetBkColor(COLORREF color) { m_clrBk = color; }
    COLORREF GetBkColor() const { return m_clrBk; }
    void SetBkBrush(CBrush* brush) { m_pbrBk = brush; }
    CBrush* GetBkBrush() const { return m_pbrBk; }
    void SetTextColor(COLORREF onBar, COLORREF onBk = static_cast<COLORREF>(-1));
    COLORREF GetTextColor() const { return m_clrTextOnBar; }
    COLORREF GetTextColorOnBk() const { return m_clrTextOnBk; }

    // --- text and style ------------------------------------------------------------------------
    void SetTextFormat(LPCTSTR format, DWORD flags);
    void SetShowPercent(BOOL show = TRUE);
    DWORD GetShowPercent() const { return GetStyle() & PBS_SHOW_PERCENT; }
    void HideText();
    void SetTiedText(BOOL tied = TRUE);
    DWORD GetTiedText() const { return GetStyle() & PBS_TIED_TEXT; }
    void SetRubberBar(BOOL rubber = TRUE);
    DWORD GetRubberBar() const { return GetStyle() & PBS_RUBBER_BAR; }
    void SetReverse(BOOL reverse = TRUE);
    DWORD GetReverse() const { return GetStyle() & PBS_REVERSE; }
    // Snake on also turns the rubber bar on; off turns both off.
    void SetSnake(BOOL snake = TRUE);
    DWORD GetSnake() const { return GetStyle() & PBS_SNAKE; }
    void SetSnakeTail(int tailSize) { m_nTailSize = tailSize; }
    int GetSnakeTail() const { return m_nTailSize; }
    void SetBorders(const CRect& borders) { m_rcBorders = borders; }
    const CRect& GetBorders() const { return m_rcBorders; }

    // --- tooltip -------------------------------------------------------------------------------
    void InitToolTip();
    void SetTooltipText(const CString* text, BOOL activate = TRUE);
    void SetTooltipText(int stringId, BOOL activate = TRUE);
    // The tooltip itself (no window until first used).
    CToolTipCtrl& GetToolTip() { return m_tooltip; }

    // --- drawing (public for hosts that draw the bar elsewhere, e.g. when printing) -------------
    // A span in bar coordinates (left and right along the bar) as a rectangle of the client area.
    CRect ConvertToReal(const CDrawInfo& info, const CRect& span) const;

protected:
    // Drawing, overridable in this order.
    virtual void DrawMultiGradient(const CDrawInfo& info, const CRect& rcGrad, const CRect& rcBar);
    virtual void DrawGradient(const CDrawInfo& info, const CRect& rcGrad, const CRect& rcDraw, COLORREF start,
                              COLORREF end);
    virtual void DrawText(const CDrawInfo& info, const CRect& rcFull, const CRect& rcBar);
    virtual void DrawClippedText(const CDrawInfo& info, const CRect& rcClip, const CString& text, const CPoint& ptWOrg);
    // Moves the snake; FALSE (and nothing done) outside snake mode.
    virtual BOOL SetSnakePos(int& oldPos, int newPos, BOOL increment = FALSE);

    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnPaint();
    afx_msg LRESULT OnSetBarColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBkColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetStep(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetPos(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeltaPos(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnStepIt(WPARAM wParam, LPARAM lParam);

    // Paints the whole control into a context (an off-screen buffer or a printer).
    void Paint(CDC& dc, const CRect& rcClient);

private:
    CToolTipCtrl m_tooltip;
    CDWordArray m_ardwGradColors;
    CBrush* m_pbrBar = nullptr;
    COLORREF m_clrBk;
    CBrush* m_pbrBk = nullptr;
    COLORREF m_clrTextOnBar;
    COLORREF m_clrTextOnBk;
    int m_nTail = 0;
    int m_nTailSize = 40;
    int m_nStep = 10;
    CRect m_rcBorders;
    CBitmap m_offscreen;  // OnPaint's buffer, kept between paints
    CSize m_offscreenSize;
    int m_offscreenScale = 1;

    DECLARE_MESSAGE_MAP()
};
