#pragma once
// The window of a message box, made of the window system's own dialog and standard controls: the
// caption, the icon of the flags (MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION,
// MB_ICONASTERISK) left of the text, the text, and the buttons of the flags (MessageBoxButtons)
// centred in a row below, the one MB_DEFBUTTONn names being the default button. The size follows
// the text: lines of at most about 60 characters in the 8-point dialog font.
//
// The desktop runs this window when a person answers a box; Render draws it headless, for a script
// that wants to see the box it answered. The window is made hidden and takes no focus: showing it,
// focusing its default button and destroying it belong to the caller of Create.
//
// A button press (Enter on the default button, Escape as Cancel; in a box without Cancel or No,
// Escape is OK) stores the button's id into `pressed`, when given; the pointer is also kept as the
// window's DWLP_USER value.

#include "platform/framework/MessageBoxRecord.h"
#include "platform/framework/WinUser.h"
#include "platform/framework/gdi/Surface.h"

class MessageBoxWindow {
public:
    static constexpr int kTextId = 0xFFFF;
    static constexpr int kIconId = 20;

    // Null when the window cannot be made.
    static HWND Create(const MessageBoxRecord& box, int* pressed = nullptr);
    // The id of the default button of a box of these flags.
    static int DefaultButton(UINT flags);
    // The box as it looks: the window made, rendered and destroyed again. Focus, activation and the
    // other windows stay as they were (so the caption is drawn as an inactive window's, and no
    // button shows the focus), and a message box responder may call it for the box it answers. An
    // empty image when the window cannot be made.
    static Surface Render(const MessageBoxRecord& box);
};
