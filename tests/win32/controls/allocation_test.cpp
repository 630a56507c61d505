// No heap allocation once the program runs: radio and push button clicks, status texts, message
// boxes opened and answered, and every paint in between. operator new and malloc are replaced
// for this binary and count while a session is being watched.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "harness.h"
#include "win32/testing/session.h"

// AddressSanitizer brings its own allocator, which these replacements would bypass.
#if defined(__SANITIZE_ADDRESS__)
#define COUNT_ALLOCATIONS 0
#else
#define COUNT_ALLOCATIONS 1
#endif

namespace {
bool counting = false;
int allocations = 0;
}  // namespace

#if COUNT_ALLOCATIONS
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void __libc_free(void* p);
}

namespace {
void note() {
    if (counting) ++allocations;
}
}  // namespace

extern "C" {
void* malloc(std::size_t size) {
    note();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    note();
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) {
    note();
    return __libc_realloc(p, size);
}
void free(void* p) {
    __libc_free(p);
}
}

void* operator new(std::size_t size) {
    note();
    if (void* p = __libc_malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    __libc_free(p);
}
void operator delete[](void* p) noexcept {
    __libc_free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    __libc_free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    __libc_free(p);
}
#endif

using namespace controls_test;
using w32::testing::Session;

namespace {

int boxesAnswered = 0;

void onRequest(HWND main, WPARAM) {
    if (MessageBoxA(main, "Heap corect.\nRadacina inregistrata.", "Verificare", MB_OK) == IDOK)
        ++boxesAnswered;
}

TEST(Allocation, NoneAfterTheFirstPaint) {
    if (!COUNT_ALLOCATIONS) GTEST_SKIP() << "the sanitizer owns the allocator";
    Session s;
    s.then([](Session&) {
        clearLog();
        counting = true;
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
    s.then([](Session&) { counting = false; });

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
