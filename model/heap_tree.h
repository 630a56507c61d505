#pragma once

// The one exercise state of the program, in static storage for the whole run.

// Slot 0 of the node table is never a node, so that index 0 can mean "no node" everywhere.
inline constexpr int nodeSlotCount = 100;
inline constexpr int maxNodeCount = nodeSlotCount - 1;

// A recorded root takes at most 13 characters: "-2147483648, ". Every node count from 99 down to
// 1 can be recorded once, so the result text is sized for all of them and never refuses a record.
inline constexpr int maxRecordLength = 13;
inline constexpr int resultTextSize = maxNodeCount * maxRecordLength + 1;

// The root record composes the whole new result text here, so it needs the same room.
inline constexpr int scratchTextSize = resultTextSize;

struct HeapTreeState {
    // Node i (1..nodeCount) has its parent at i/2 and its children at 2i and 2i+1.
    int value[nodeSlotCount];
    int x[nodeSlotCount];  // Centre in client pixels, fixed once loaded.
    int y[nodeSlotCount];
    int highlight[nodeSlotCount];  // 1 only while the drawing paints a pending first pick.
    int nodeCount;
    int firstPick;                      // First node of a swap in progress; 0 when none.
    char resultText[resultTextSize];    // Recorded roots, newest first, each followed by ", ".
    char scratchText[scratchTextSize];  // Means nothing from one operation to the next.
    bool rootRecorded[nodeSlotCount];   // Indexed by node count.
};

extern HeapTreeState HeapTree;
