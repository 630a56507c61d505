#include "program.h"

#include <stdlib.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <fstream>

#include "shell/main_window.h"

namespace test {

void Program::SetUp() {
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    previous_ = cwd;
    char pattern[] = "/tmp/heaptree-test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    ASSERT_EQ(chdir(folder_.c_str()), 0);
    session.watch(this);
}

void Program::TearDown() {
    unlink((folder_ + "/Pemrak.in").c_str());
    rmdir(folder_.c_str());
    if (!previous_.empty()) {
        EXPECT_EQ(chdir(previous_.c_str()), 0);
    }
}

void Program::treeFile(const std::string& contents) {
    std::ofstream out(folder_ + "/Pemrak.in", std::ios::binary);
    out << contents;
}

int Program::run() {
    return session.run(WinMain);
}

void Program::messageBoxOpened(const char* caption, const char* text) {
    lines.push_back(std::string("box ") + caption + "|" + text);
}

void Program::beeped() {
    lines.push_back("beep");
}

void Program::statusTextChanged(HWND statusBar, int part, const char* text) {
    if (statusBar == hwndStatus && part == 1) lines.push_back(std::string("prompt ") + text);
}

POINT nodeCentre(int node) {
    // The halving layout: the root at (500, 50), each level 100 lower, the step halving from 240.
    if (node == 1) return {500, 50};
    POINT parent = nodeCentre(node / 2);
    int depth = 0;
    for (int i = node; i > 1; i /= 2)
        ++depth;
    int step = 480;
    for (int d = 0; d < depth; ++d)
        step /= 2;
    return {parent.x + (node % 2 ? step : -step), 50 + 100 * depth};
}

}  // namespace test
