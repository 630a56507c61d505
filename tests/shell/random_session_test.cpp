// Long random sessions: thousands of presses and releases of any mouse button anywhere in and
// around the window, keys, pauses short enough for double clicks, and message boxes answered by
// key or by their OK button, each seed its own session. After every single input, what must
// always hold is checked:
//
//   - the position of every slot stays as loaded;
//   - nodeCount never rises, and falls by at most one per input;
//   - values only move by a swap (two slots exchanged) or leave with the last leaf (its slot 0);
//   - firstPick is 0 or a node;
//   - the result text only grows at its front, and a recorded size stays recorded;
//   - every highlight flag, slot 0 included, is 0 between paints;
//   - nothing is allocated after start-up (this program counts every allocation).
//
// Each input is chosen when the program waits, from the state at that moment: mostly anywhere,
// sometimes where a student would press next (see TargetNode and ControlText), so that swaps,
// removals and records all come about. The checks only note the first violation; gtest is told
// at the end, so that nothing in the session itself allocates.

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "model/edits.h"
#include "model/heap_check.h"
#include "model/heap_tree.h"
#include "program.h"
#include "shell/main_window.h"
#include "win32/display/headless/headless_display.h"
#include "win32/user/window.h"

using w32::InputEvent;
using w32::InputKind;
using w32::MouseButton;
using w32::testing::Session;

namespace test {
namespace {

constexpr int kInputsPerSession = 20000;

constexpr const char* controlTexts[] = {"Elim. ultima frunza", "Schimba(tata,desc)",
                                        "Anulare actiune",     "Verif. Heap",
                                        "Mem. inf. rad.",      "Vezi rezultat"};

// What the program showed, counted without allocating.
struct Counts : w32::Observer {
    long boxes = 0;
    long beeps = 0;
    void messageBoxOpened(const char*, const char*) override { ++boxes; }
    void beeped() override { ++beeps; }
};

// HeapTree as it stood after the previous input.
struct Snapshot {
    int value[nodeSlotCount];
    int x[nodeSlotCount];
    int y[nodeSlotCount];
    int nodeCount;
    char resultText[resultTextSize];
    bool rootRecorded[nodeSlotCount];
};

class RandomSession : public Program, public testing::WithParamInterface<unsigned> {
  protected:
    // The tree: mostly small, sometimes up to the tallest that is drawn; values with repeats, of
    // both signs, now and then the extremes; often a heap already, so that records come about.
    std::string RandomTree() {
        std::vector<int> values(Chance(0.4) ? Uniform(1, 12) : Uniform(13, 63));
        for (int& v : values)
            v = Chance(0.03) ? (Chance(0.5) ? INT_MIN : INT_MAX) : Uniform(-20, 99);
        if (Chance(0.5)) std::sort(values.rbegin(), values.rend());
        std::string tree;
        for (std::size_t i = 0; i < values.size(); ++i)
            tree += std::to_string(values[i]) + (i % 7 == 6 ? "\n" : " ");
        return tree;
    }

    // One step of the session, run whenever the program waits: check, then give one input.
    void Step(Session& s) {
        if (first_) {
            Take(before_);
            loaded_ = before_;
            first_ = false;
            if (canCountAllocations()) startCountingAllocations();
        } else {
            Check();
        }
        ++step_;
        Input(s);
    }

    void Finish(Session&) {
        Check();
        if (canCountAllocations()) allocations_ = stopCountingAllocations();
    }

    void Input(Session& s) {
        // The clock: a quarter of the inputs come soon enough after the last for a double click.
        w32::headless::advanceClock(Chance(0.25) ? Uniform(0, 400) : Uniform(600, 2000));
        if (Chance(0.05)) return;  // only time passes

        const w32::user::Window* main = w32::user::fromHandle(s.mainWindow());
        if (!main) return;
        HWND box = s.messageBox();
        InputEvent e;
        e.surface = main->surface;
        if (box && Chance(0.8)) {
            const w32::user::Window* boxWindow = w32::user::fromHandle(box);
            e.surface = boxWindow->surface;
            if (Chance(0.3)) {
                Push(e, InputKind::ButtonDown, s.centreOf(s.find("OK")), MouseButton::Left);
                Push(e, InputKind::ButtonUp, s.centreOf(s.find("OK")), MouseButton::Left);
                return;
            }
            static constexpr int keys[] = {VK_RETURN, VK_SPACE, VK_ESCAPE, 'A'};
            e.kind = InputKind::KeyDown;
            e.key = keys[Uniform(0, 3)];
            w32::headless::push(e);
            return;
        }
        if (Chance(0.03)) {
            e.kind = InputKind::KeyDown;
            e.key = Chance(0.5) ? VK_RETURN : 'Q';
            w32::headless::push(e);
            return;
        }
        const int b = Chance(0.8) ? 0 : Chance(0.75) ? 1 : 2;
        const MouseButton button = static_cast<MouseButton>(b);
        if (down_[b] && Chance(0.8)) {
            // Mostly where it went down; sometimes dragged elsewhere first.
            down_[b] = false;
            Push(e, InputKind::ButtonUp, Chance(0.8) ? downAt_[b] : Target(s), button);
            return;
        }
        down_[b] = true;
        downAt_[b] = Target(s);
        Push(e, InputKind::ButtonDown, downAt_[b], button);
    }

    w32::Point Target(Session& s) {
        const double r = Uniform01();
        if (r < 0.45) {
            const POINT c = nodeCentre(TargetNode());
            return {static_cast<int>(c.x) + Uniform(-20, 20),
                    static_cast<int>(c.y) + Uniform(-20, 20)};
        }
        if (r < 0.7) {
            const w32::Point c = s.centreOf(s.find(ControlText()));
            return {c.x + Uniform(-8, 8), c.y + Uniform(-8, 8)};
        }
        if (r < 0.95) return {Uniform(0, 1213), Uniform(0, 634)};
        return {Uniform(-100, 1400), Uniform(-100, 800)};
    }

    // Mostly any control; sometimes the one a student would press next.
    const char* ControlText() {
        if (Chance(0.7)) return controlTexts[Uniform(0, 5)];
        const int tool = CurrentTool(hwndActions);
        if (!IsHeap())
            return tool == TOOL_SWAP ? controlTexts[Uniform(0, 5)] : "Schimba(tata,desc)";
        return tool == TOOL_NONE ? "Mem. inf. rad." : "Anulare actiune";
    }

    // Mostly any node, of the tree as it is or as it was loaded; sometimes the node a student
    // would press next: the last leaf, the pending pick, the parent of a larger child or that
    // child. Otherwise swaps and records would be rare, and small trees emptied at once.
    int TargetNode() {
        const int node = AnyNode();
        // A removal cannot be undone: presses on the last leaf with the removal tool go through
        // only now and then, so that the tree lasts most of the session.
        const int count = HeapTree.nodeCount;
        if (node == count && count > 1 && CurrentTool(hwndActions) == TOOL_REMOVE_LEAF &&
            !Chance(0.1))
            return Uniform(1, count - 1);
        return node;
    }

    int AnyNode() {
        const int count = HeapTree.nodeCount;
        const double which = Uniform01();
        if (count > 0 && which < 0.08) return count;
        if (HeapTree.firstPick > 0 && which < 0.18) return HeapTree.firstPick;
        if (count > 1 && which < 0.38) {
            for (int child = 2; child <= count; ++child) {
                const int parent = child / 2;
                if (HeapTree.value[child] <= HeapTree.value[parent]) continue;
                return HeapTree.firstPick == 0 ? parent : child;
            }
        }
        return Uniform(1, std::max(Chance(0.7) ? count : loaded_.nodeCount, 1));
    }

    static void Push(InputEvent e, InputKind kind, w32::Point at, MouseButton button) {
        e.kind = kind;
        e.at = at;
        e.button = button;
        w32::headless::push(e);
    }

    static void Take(Snapshot& s) {
        std::memcpy(s.value, HeapTree.value, sizeof s.value);
        std::memcpy(s.x, HeapTree.x, sizeof s.x);
        std::memcpy(s.y, HeapTree.y, sizeof s.y);
        s.nodeCount = HeapTree.nodeCount;
        std::memcpy(s.resultText, HeapTree.resultText, sizeof s.resultText);
        std::memcpy(s.rootRecorded, HeapTree.rootRecorded, sizeof s.rootRecorded);
    }

    void Check() {
        const Snapshot& was = before_;
        const HeapTreeState& now = HeapTree;
        for (int i = 0; i < nodeSlotCount; ++i) {
            if (now.x[i] != loaded_.x[i] || now.y[i] != loaded_.y[i])
                return Violation("slot %d moved to (%d, %d)", i, now.x[i], now.y[i]);
            if (now.highlight[i] != 0) return Violation("highlight of slot %d is set", i);
            if (was.rootRecorded[i] && !now.rootRecorded[i])
                return Violation("the record of size %d was cleared", i);
        }
        if (now.nodeCount < 0 || now.nodeCount > was.nodeCount)
            return Violation("nodeCount went from %d to %d", was.nodeCount, now.nodeCount);
        if (now.nodeCount < was.nodeCount - 1)
            return Violation("one input removed %d nodes", was.nodeCount - now.nodeCount);
        if (now.firstPick < 0 || now.firstPick > now.nodeCount)
            return Violation("firstPick is %d with %d nodes", now.firstPick, now.nodeCount);

        if (now.nodeCount < was.nodeCount) {
            ++removals_;
            for (int i = 0; i < nodeSlotCount; ++i)
                if (now.value[i] != (i == was.nodeCount ? 0 : was.value[i]))
                    return Violation("removing node %d changed slot %d", was.nodeCount, i);
        } else {
            int changed[3];
            int n = 0;
            for (int i = 0; i < nodeSlotCount && n < 3; ++i)
                if (now.value[i] != was.value[i]) changed[n++] = i;
            if (n == 2) {
                ++swaps_;
                const int a = changed[0], b = changed[1];
                if (now.value[a] != was.value[b] || now.value[b] != was.value[a] ||
                    b > now.nodeCount || a < 1)
                    return Violation("slots %d and %d changed without a swap", a, b);
            } else if (n != 0) {
                return Violation("%d slots changed at once", n);
            }
        }

        const std::size_t oldLength = std::strlen(was.resultText);
        const std::size_t newLength = strnlen(now.resultText, resultTextSize);
        if (newLength == resultTextSize)
            return Violation("the result text has no end in %d bytes", resultTextSize);
        if (newLength < oldLength ||
            std::memcmp(now.resultText + (newLength - oldLength), was.resultText, oldLength) != 0)
            return Violation("the result text \"%.200s\" does not end with \"%.200s\"",
                             now.resultText, was.resultText);
        if (newLength > oldLength) ++records_;
        Take(before_);
    }

    template <typename... Args>
    void Violation(const char* format, Args... args) {
        if (violation_[0] == '\0') {
            const int n = std::snprintf(violation_, sizeof violation_, "after input %d: ", step_);
            std::snprintf(violation_ + n, sizeof violation_ - n, format, args...);
        }
        Take(before_);
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    double Uniform01() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
    bool Chance(double p) { return Uniform01() < p; }

    std::mt19937 rng_{GetParam()};
    Counts counts_;
    Snapshot loaded_{};
    Snapshot before_{};
    bool first_ = true;
    int step_ = 0;
    bool down_[3] = {};
    w32::Point downAt_[3];
    long swaps_ = 0;
    long removals_ = 0;
    long records_ = 0;
    long allocations_ = -1;
    char violation_[512] = {};
};

TEST_P(RandomSession, KeepsEveryInvariantAfterEveryInput) {
    treeFile(RandomTree());
    session.watch(&counts_);
    for (int i = 0; i < kInputsPerSession; ++i)
        session.then([this](Session& s) { Step(s); });
    session.then([this](Session& s) { Finish(s); });
    EXPECT_EQ(run(), 0);

    EXPECT_STREQ(violation_, "");
    EXPECT_EQ(step_, kInputsPerSession) << "the session ended early";
    if (canCountAllocations()) {
        EXPECT_EQ(allocations_, 0) << "allocations after start-up";
    }
    // The session did exercise the exercise: without these the checks above prove little.
    EXPECT_GT(swaps_ + removals_, 0) << "no value ever moved";
    EXPECT_GT(counts_.boxes, 0) << "no message box ever opened";
    std::printf("seed %u: %ld swaps, %ld removals, %ld records, %ld boxes, %ld beeps\n", GetParam(),
                swaps_, removals_, records_, counts_.boxes, counts_.beeps);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession,
                         testing::Values(1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u, 55u, 89u, 144u, 233u));

}  // namespace
}  // namespace test
