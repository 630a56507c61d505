#pragma once

// Registered window classes, in a fixed table. Names compare without regard to case, as Win32's.

#include <windows.h>

namespace w32::user {

constexpr int kMaxClasses = 16;
constexpr int kMaxClassName = 256;

struct WindowClass {
    bool used = false;
    char name[kMaxClassName] = {};
    UINT style = 0;
    WNDPROC proc = nullptr;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HBRUSH background = nullptr;
};

// The index of the class with this name, or -1.
int findClass(const char* name);
const WindowClass& classAt(int index);
void clearClasses();

}  // namespace w32::user
