// Start-up of the graphics side: the font libraries first, then the stock objects, whose fonts
// need them. Everything the drawing calls use exists after this; they never allocate.

#include "win32/gdi/gdi.h"
#include "win32/gdi/objects.h"
#include "win32/gdi/text.h"

namespace w32::gdi {

bool startup() {
    return startText() && startObjects();
}

}  // namespace w32::gdi
