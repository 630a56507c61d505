// The tallest tree that fits, and the refusal of a taller one.

#include <unistd.h>

#include <cstdio>
#include <string>

#include "model/heap_tree.h"
#include "program.h"
#include "win32/display/headless/headless_display.h"
#include "win32/user/system.h"

using w32::testing::Session;

namespace test {
namespace {

std::string numbers(int count) {
    std::string s;
    for (int i = 1; i <= count; ++i)
        s += std::to_string(i) + " ";
    return s;
}

class Drawing : public Program {};

TEST_F(Drawing, SixtyThreeNodesAreDrawnDownToTheLastOne) {
    treeFile(numbers(63));
    session.then([](Session& s) {
        EXPECT_EQ(HeapTree.nodeCount, 63);
        POINT last = nodeCentre(63);
        EXPECT_EQ(last.x, 965);
        EXPECT_EQ(Session::pixel(s.mainWindow(), last.x, last.y + 10), kWhite);
    });
    EXPECT_EQ(run(), 0);
}

// What the refused program leaves behind, checked as the process ends.
Session* refused = nullptr;

void reportRefusal(int status, void*) {
    HWND main = refused->mainWindow();
    int dark = 0;
    for (int y = 100; y < 120; ++y)
        for (int x = 100; x < 1000; ++x)
            if (Session::pixel(main, x, y) == kBlack) ++dark;
    std::fprintf(stderr, "status %d after %u ms, %s message, tree %s\n", status,
                 w32::display().now(), dark > 500 ? "with" : "without",
                 Session::pixel(main, 500, 59) == kWhite ? "drawn" : "not drawn");
}

TEST_F(Drawing, SixtyFourNodesShowTheRefusalAndEndAfterFiveSeconds) {
    treeFile(numbers(64));
    EXPECT_EXIT(
        {
            refused = &session;
            on_exit(reportRefusal, nullptr);
            run();
        },
        testing::ExitedWithCode(0), "status 0 after 5000 ms, with message, tree not drawn");
}

}  // namespace
}  // namespace test
