#include "platform/desktop/DesktopKeys.h"

#include <SDL2/SDL.h>

#include "platform/framework/WinUser.h"

UINT DesktopKeys::VirtualKey(int sym)
{
    if (sym >= SDLK_a && sym <= SDLK_z) return static_cast<UINT>('A' + (sym - SDLK_a));
    if (sym >= SDLK_0 && sym <= SDLK_9) return static_cast<UINT>('0' + (sym - SDLK_0));
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return VK_F1 + static_cast<UINT>(sym - SDLK_F1);
    switch (sym) {
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_EQUALS: return VK_OEM_PLUS;
    default: return 0;
    }
}

UINT DesktopKeys::ModifierKey(int sym)
{
    switch (sym) {
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    default: return 0;
    }
}

bool DesktopKeys::TypesText(int sym)
{
    // Space and the printable keys; Enter, Tab, Backspace and Escape are keys of their own.
    return sym >= SDLK_SPACE && sym < SDLK_DELETE;
}
