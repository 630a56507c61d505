#pragma once

// The file the tree is read from, in the current directory.
inline constexpr const char* treeFileName = "Pemrak.in";

// Fills HeapTree from the tree file: its integers in level order, each node at its fixed
// position. Expects the state as the program starts; never tells the user anything.
void LoadTree();
