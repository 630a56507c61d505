// The presentation operations: how the exercise model reaches the student.

#include "shell/presentation.h"

#include <commctrl.h>

#include "shell/main_window.h"

void ShowVerdict(const char* caption, const char* text) {
    // The box copies the text before it waits: a paint meanwhile reuses the model's work buffer.
    MessageBoxA(hwndMain, text, caption, MB_OK);
}

void ErrorBeep() {
    MessageBeep(MB_ICONHAND);
}

void SetPrompt(const char* text) {
    SendMessageA(hwndStatus, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text));
}

void RepaintTree() {
    InvalidateRect(hwndMain, &treeArea, TRUE);
}
