#pragma once

// The thread's queue of posted messages, a fixed ring. A full queue refuses the post, as Win32's
// does at its limit. The quit request is kept apart: GetMessageA hands it out only once every
// posted message is gone.

#include <windows.h>

namespace w32::user {

constexpr int kMaxQueuedMessages = 256;

bool postMessage(const MSG& message);
bool popMessage(MSG& message);
void requestQuit(int exitCode);
bool takeQuit(int& exitCode);
void clearQueue();

// The time stamp for the messages that are being made now.
void setMessageTime(DWORD time);
DWORD messageTime();

}  // namespace w32::user
