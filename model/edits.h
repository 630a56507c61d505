#pragma once

// Tool codes as the shell reads them from the radio buttons; there is no 1.
inline constexpr int TOOL_NONE = 0;
inline constexpr int TOOL_REMOVE_LEAF = 2;
inline constexpr int TOOL_SWAP = 3;

// A press picks a node whose centre lies at most this far away: twice the drawn radius, so a
// press up to 12 pixels outside the circle still picks it.
inline constexpr double hitRadius = 24.0;

// The second press of a swap counts only up to this x, not up to the divider at 990: the right
// edge of the rightmost bottom node's disc serves a first press only.
inline constexpr int secondPickMaxX = 975;

// The node (1..nodeCount) that a press at (x, y) picks, or 0. Where several are in reach, the
// lowest index wins, whatever the distances.
int NodeAt(int x, int y);

// Carries out a left press in the main window with the given tool and always ends by asking for
// a repaint. x and y come from the message's low and high words, so they lie in 0..65535.
void HandleTreeClick(int tool, int x, int y);
