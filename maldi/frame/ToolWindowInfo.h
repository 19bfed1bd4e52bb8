#pragma once
// What one tool window states about itself; the frame (ToolWindowFrame, CToolWindow) does the
// rest. Each window writes one of these as a constant next to its class:
//
//   constexpr ToolWindowInfo kProbeAdjustInfo{
//       .templateId = 14144, .caption = "ESI Probe Adjust", .contractAmount = 60,
//       .swallowedKeys = ToolWindowKeys::Tab | ToolWindowKeys::Enter | ToolWindowKeys::Escape,
//       .exchangeBeforeFiltering = true, .greyClose = true, .setIcon = true, .topmost = true,
//       .expandButton = ExpandButtonKind::IconButton, .initialExpandState = 1};

#include "platform/framework/WinTypes.h"

// Key-down messages a tool window swallows before its dialog handling sees them.
namespace ToolWindowKeys {
constexpr UINT None = 0;
constexpr UINT Tab = 0x01;
constexpr UINT Enter = 0x02;
constexpr UINT Escape = 0x04;
constexpr UINT Arrows = 0x08; // left, up, right and down
} // namespace ToolWindowKeys

// Where the base dialog's own initialisation (the first data exchange, the base's bindings) runs
// in the frame's initialisation order (CToolWindow::InitialiseFrame).
enum class BaseInitialisation {
    First,        // before anything of the frame: the controls are attached when the buttons are set up
    AfterButtons, // once the frame's window set-up and every button are done
};

enum class ExpandButtonKind {
    None,       // no lower part to fold away
    IconButton, // control 14181: icon 14181 while contracted, 125 while expanded; tooltip 19
    TwoState,   // control 14167: its own icon 14167, checked while expanded; tooltip 6
};

struct ToolWindowInfo {
    UINT templateId = 0;
    // The window's caption; the frame gives it to the window when it initialises, so that the
    // window reads the same whichever template supplied it.
    LPCTSTR caption = nullptr;
    // Pixels of the window's bottom folded away while contracted.
    int contractAmount = 0;
    UINT swallowedKeys = ToolWindowKeys::None;
    // Move every control's value into the members (UpdateData(TRUE)) for every message, before
    // the keys are filtered.
    bool exchangeBeforeFiltering = false;
    // Grey the system menu's Close item: the caption's close box does nothing.
    bool greyClose = false;
    // Set the stored icon as the window's big and small icon; drawn while the window is minimised.
    bool setIcon = false;
    // Topmost, placed without moving, sizing, redrawing or activating the window.
    bool topmost = false;
    ExpandButtonKind expandButton = ExpandButtonKind::None;
    // Before creation: 0 (not set) or 1 (contracted). Initialisation contracts every tool window
    // that has an expand button.
    int initialExpandState = 0;
    BaseInitialisation baseInitialisation = BaseInitialisation::First;
};
