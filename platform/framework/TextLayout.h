#pragma once
// Measuring and breaking the text of controls in the font they paint with, so that what a
// control counts (an edit's wrapped lines, a list view's string widths, a combo box's item height)
// is exactly what it draws. Widths are the painting library's: advance widths summed, no kerning.
//
// Lines (Wrap): a hard break is "\n" (a "\r" before it is not part of the line). With a positive
// width, a line that would grow wider breaks after the blanks that follow its last whole word
// (blanks hang past the right edge and never break a line themselves); a word wider than the whole
// line breaks between characters. Every line holds at least one character, so any width terminates.

#include <vector>

#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

class TextLayout {
public:
    struct Line {
        int start = 0;  // index of the first character
        int length = 0; // characters shown (no line break, no "\r")
        int next = 0;   // index where the following line starts
    };

    // The font a window paints with: its own (WM_GETFONT), else the dialog font (null).
    static HFONT FontOf(HWND hwnd);
    // Null stands for the dialog font.
    static int Width(HFONT font, const char* text, int count);
    static int Width(HFONT font, const CString& text) { return Width(font, text.GetString(), text.GetLength()); }
    // Height of a line of text (ascent + descent).
    static int LineHeight(HFONT font);
    static std::vector<Line> Wrap(HFONT font, const CString& text, int width);
};
