#include "win32/user/message_queue.h"

namespace w32::user {

namespace {

MSG ring[kMaxQueuedMessages];
int head = 0;
int count = 0;
bool quitRequested = false;
int quitCode = 0;
DWORD currentTime = 0;

}  // namespace

bool postMessage(const MSG& message) {
    if (count == kMaxQueuedMessages) return false;
    ring[(head + count) % kMaxQueuedMessages] = message;
    ++count;
    return true;
}

bool popMessage(MSG& message) {
    if (count == 0) return false;
    message = ring[head];
    head = (head + 1) % kMaxQueuedMessages;
    --count;
    return true;
}

void requestQuit(int exitCode) {
    quitRequested = true;
    quitCode = exitCode;
}

bool takeQuit(int& exitCode) {
    if (!quitRequested) return false;
    quitRequested = false;
    exitCode = quitCode;
    return true;
}

void clearQueue() {
    head = count = 0;
    quitRequested = false;
    quitCode = 0;
}

void setMessageTime(DWORD time) {
    currentTime = time;
}
DWORD messageTime() {
    return currentTime;
}

}  // namespace w32::user
