#include "win32/base/observer.h"

namespace w32 {

namespace {
Observer* current = nullptr;
}

void setObserver(Observer* o) {
    current = o;
}
Observer* observer() {
    return current;
}

}  // namespace w32
