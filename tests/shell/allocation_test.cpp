// After start-up nothing allocates: a long session of presses, tool switches, verdict boxes and
// paints runs on fixed tables alone. Every allocation of this process is counted, through
// operator new and malloc alike.

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "program.h"

extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);
extern "C" void __libc_free(void*);

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void count() {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1);
}
}  // namespace

extern "C" void* malloc(std::size_t size) {
    count();
    return __libc_malloc(size);
}
extern "C" void* calloc(std::size_t n, std::size_t size) {
    count();
    return __libc_calloc(n, size);
}
extern "C" void* realloc(void* p, std::size_t size) {
    count();
    return __libc_realloc(p, size);
}
extern "C" void free(void* p) {
    __libc_free(p);
}

void* operator new(std::size_t size) {
    count();
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

namespace test {
namespace {

using w32::MouseButton;
using w32::testing::Session;

class Allocations : public Program {};

TEST_F(Allocations, NoneAfterTheFirstPaint) {
    std::string tree;
    for (int i = 1; i <= 31; ++i)
        tree += std::to_string(i * 7 % 50) + " ";
    treeFile(tree);
    session.watch(nullptr);
    session.then([](Session&) {
        allocations = 0;
        counting = true;
    });
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
    session.then([](Session&) { counting = false; });
    EXPECT_EQ(run(), 0);
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
}

}  // namespace
}  // namespace test
