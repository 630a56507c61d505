#pragma once

// A broken internal contract (a full table, an impossible state) stops the process with a message.
// A failing API call is not a contract violation: it returns what Win32 returns.

namespace w32 {

[[noreturn]] void contractFailure(const char* file, int line, const char* message);

}  // namespace w32

#define W32_EXPECT(condition, message)                                         \
    do {                                                                       \
        if (!(condition)) ::w32::contractFailure(__FILE__, __LINE__, message); \
    } while (0)
