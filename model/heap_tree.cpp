#include "model/heap_tree.h"

static_assert(sizeof(int) == 4, "node values, positions and counts are signed 32-bit");

HeapTreeState HeapTree;
