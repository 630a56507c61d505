#pragma once

// The system colours (GetSysColor): the classic names, today's default values.

#include <windows.h>

#include <optional>

namespace w32::gdi {

constexpr int kSystemColorCount = 31;  // indices 0..30; 25 is unused, as on Windows

// None for an index the system does not define.
std::optional<COLORREF> systemColor(int index);

}  // namespace w32::gdi
