#pragma once

// The predefined window classes.

namespace w32::controls {

// "Button" and the message box's own class: there before any program window exists.
bool registerSystemClasses();

// "msctls_statusbar32": registered by InitCommonControlsEx, as the common controls library does.
bool registerCommonControls();

}  // namespace w32::controls
