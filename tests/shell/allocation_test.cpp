// After start-up nothing allocates: a long session of presses, tool switches, verdict boxes and
// paints runs on fixed tables alone.

#include "allocation_counter.h"
#include "program.h"

namespace test {
namespace {

using w32::MouseButton;
using w32::testing::Session;

class Allocations : public Program {};

TEST_F(Allocations, NoneAfterTheFirstPaint) {
    if (!canCountAllocations()) GTEST_SKIP() << "the sanitizer owns the allocator";
    std::string tree;
    for (int i = 1; i <= 31; ++i)
        tree += std::to_string(i * 7 % 50) + " ";
    treeFile(tree);
    session.watch(nullptr);
    long allocations = -1;
    session.then([](Session&) { startCountingAllocations(); });
    // A deterministic walk over every kind of press: tools, nodes, misses, commands, boxes.
    const char* tools[] = {"Elim. ultima frunza", "Schimba(tata,desc)", "Anulare actiune"};
    const char* commands[] = {"Verif. Heap", "Mem. inf. rad.", "Vezi rezultat"};
    unsigned seed = 12345;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int i = 0; i < 1000; ++i) {
        switch (next(6)) {
            case 0:
                session.clickOn(tools[next(3)]);
                break;
            case 1:
                session.clickOn(commands[next(3)]).wait(1000).key(VK_RETURN);
                break;
            case 2: {
                POINT p = nodeCentre(1 + static_cast<int>(next(31)));
                session.click(p.x, p.y);
                break;
            }
            case 3:
                session.click(static_cast<int>(next(1214)), static_cast<int>(next(635)));
                break;
            case 4:
                session.click(static_cast<int>(next(1214)), static_cast<int>(next(635)),
                              MouseButton::Right);
                break;
            case 5:
                session.key(VK_RETURN);
                break;
        }
        session.wait(1000);
    }
    session.then([&](Session&) { allocations = stopCountingAllocations(); });
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(allocations, 0);
}

}  // namespace
}  // namespace test
