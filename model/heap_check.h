#pragma once

// The ids of the three command buttons, as WM_COMMAND carries them.
inline constexpr int IDC_VERIFY_HEAP = 1;
inline constexpr int IDC_RECORD_ROOT = 2;
inline constexpr int IDC_SHOW_RESULT = 3;

// True when no child of HeapTree is greater than its parent; equal values pass.
bool IsHeap();

// Puts the root value in front of the result text and marks the current node count as recorded.
// Checks nothing: HandleCommand calls it only for a heap whose count is not yet recorded.
void RecordRoot();

// Answers a command button with one verdict; id is the low word of WM_COMMAND's wParam. Any
// other id does nothing.
void HandleCommand(unsigned id);
