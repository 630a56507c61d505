#pragma once

// The hostile tree files the start-up is measured with, each in a folder of its own.

#include <span>
#include <string>

namespace bench {

struct HostileCase {
    const char* name;
    void (*make)(const std::string& treeFile);  // makes Pemrak.in at that path
    int nodes;                                  // what the reading rules give
};

std::span<const HostileCase> HostileCases();

// The folder whose Pemrak.in is that case's. Made at the first call for the case; the folder of
// the case before is removed then, so that only one big file exists at a time.
const std::string& HostileFolder(int index);
void RemoveHostileFolder();

}  // namespace bench
