#pragma once

// How a button looks: push buttons with raised 3-D edges (sunken while pushed), radio buttons as
// a round mark left of their text, group boxes as an etched frame under their caption.

#include <windows.h>

namespace w32::controls {

enum class ButtonKind { Push, DefaultPush, Radio, AutoRadio, GroupBox };

ButtonKind buttonKind(DWORD style);

struct ButtonLook {
    ButtonKind kind = ButtonKind::Push;
    bool checked = false;
    bool pushed = false;
    bool enabled = true;
    HFONT font = nullptr;
};

// Draws the whole button, its text read from the window.
void paintButton(HWND hwnd, HDC hdc, const ButtonLook& look);

}  // namespace w32::controls
