#pragma once

// What a scripted session watches: the moments a student would notice that are not pixels.
// Nothing in the core depends on whether anyone watches.

#include <windows.h>

namespace w32 {

class Observer {
  public:
    virtual ~Observer() = default;
    virtual void messageBoxOpened(const char* /*caption*/, const char* /*text*/) {}
    virtual void beeped() {}
    virtual void statusTextChanged(HWND /*statusBar*/, int /*part*/, const char* /*text*/) {}
};

void setObserver(Observer* observer);
Observer* observer();

}  // namespace w32
