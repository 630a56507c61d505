#include "win32/display/headless/headless_display.h"

namespace w32 {

const Display& defaultDisplay() {
    return headless::display();
}

}  // namespace w32
