#include "bench/hostile_cases.h"

#include <unistd.h>

#include "bench/program_driver.h"
#include "tests/shell/hostile_files.h"

namespace bench {
namespace {

using test::kHugeFileSize;

const HostileCase cases[] = {
    {"digits_100MB", [](const std::string& p) { test::WriteFilled(p, "", '7', kHugeFileSize, ""); },
     1},
    {"zeros_100MB_then_numbers",
     [](const std::string& p) { test::WriteFilled(p, "", '0', kHugeFileSize, "5 3 8"); }, 3},
    {"blanks_100MB_then_numbers",
     [](const std::string& p) { test::WriteFilled(p, "", ' ', kHugeFileSize, "5 3 8"); }, 3},
    {"nul_bytes_100MB",
     [](const std::string& p) { test::WriteFilled(p, "", '\0', kHugeFileSize, ""); }, 1},
    {"noise_100MB_after_numbers",
     [](const std::string& p) { test::WriteNoise(p, "5 3 8 ", kHugeFileSize); }, 3},
    {"directory", [](const std::string& p) { test::MakeDirectory(p); }, 1},
    {"fifo", [](const std::string& p) { test::MakeFifo(p); }, 1},
    {"dangling_link", [](const std::string& p) { test::MakeLink(p, "nowhere"); }, 1},
};

int current = -1;
std::string currentFolder;

}  // namespace

std::span<const HostileCase> HostileCases() {
    return cases;
}

const std::string& HostileFolder(int index) {
    if (index != current) {
        RemoveHostileFolder();
        currentFolder = MakeFolder("heaptree-bench-hostile");
        cases[index].make(currentFolder + "/Pemrak.in");
        current = index;
    }
    return currentFolder;
}

void RemoveHostileFolder() {
    if (current >= 0) RemoveFolder(currentFolder);
    current = -1;
    currentFolder.clear();
}

}  // namespace bench
