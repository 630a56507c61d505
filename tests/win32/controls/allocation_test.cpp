// No heap allocation once the program runs: radio and push button clicks, status texts, message
// boxes opened and answered, and every paint in between.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "allocation_counter.h"
#include "harness.h"
#include "win32/testing/session.h"

using namespace controls_test;
using w32::testing::Session;

namespace {

int boxesAnswered = 0;

void onRequest(HWND main, WPARAM) {
    if (MessageBoxA(main, "Heap corect.\nRadacina inregistrata.", "Verificare", MB_OK) == IDOK)
        ++boxesAnswered;
}

TEST(Allocation, NoneAfterTheFirstPaint) {
    if (!test::canCountAllocations()) GTEST_SKIP() << "the sanitizer owns the allocator";
    long allocations = -1;
    Session s;
    s.then([](Session&) {
        clearLog();
        test::startCountingAllocations();
    });
    for (int round = 0; round < 5; ++round) {
        for (POINT p : kRadioCentre)
            s.click(p.x, p.y).wait(1000);
        for (POINT p : kButtonCentre)
            s.click(p.x, p.y).wait(1000);
        s.then([round](Session&) {
            char text[] = " Selectati varful 0";
            text[sizeof text - 2] = static_cast<char>('0' + round);
            SendMessageA(panel().status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text));
            EnableWindow(panel().buttons[round % 3], round % 2);
            InvalidateRect(mainWindow(), nullptr, TRUE);
            PostMessageA(mainWindow(), kRequest, 0, 0);
        });
        s.click(500, 300).wait(1000);  // into the box's loop
        s.key(round % 2 ? VK_RETURN : VK_ESCAPE);
        s.wait(1000);
    }
    s.then([&](Session&) { allocations = test::stopCountingAllocations(); });

    Scene scene;
    scene.build = buildPanel;
    scene.onRequest = onRequest;
    setScene(scene);
    s.run(testWinMain);

    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(boxesAnswered, 5) << "the script did what it meant to";
    EXPECT_GE(countOf(panel().actions, WM_COMMAND), 15);
    EXPECT_GE(countOf(mainWindow(), WM_PAINT), 5);
}

}  // namespace
