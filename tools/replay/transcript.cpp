#include "tools/replay/transcript.h"

#include <cstdio>

#include "model/edits.h"
#include "model/heap_tree.h"
#include "shell/main_window.h"

namespace replay {

namespace {

// A text between double quotes; a quote or backslash inside is escaped so lines stay parseable.
void PrintQuoted(const char* text) {
    std::putchar('"');
    for (const char* c = text; *c; ++c) {
        if (*c == '"' || *c == '\\') std::putchar('\\');
        std::putchar(*c);
    }
    std::putchar('"');
}

const char* ToolName(int tool) {
    switch (tool) {
        case TOOL_REMOVE_LEAF:
            return "remove";
        case TOOL_SWAP:
            return "swap";
    }
    return "none";
}

}  // namespace

void Transcript::messageBoxOpened(const char* caption, const char* text) {
    std::fputs("box ", stdout);
    PrintQuoted(caption);
    std::putchar(' ');
    PrintQuoted(text);
    std::putchar('\n');
}

void Transcript::beeped() {
    std::puts("beep");
}

void Transcript::statusTextChanged(HWND statusBar, int part, const char* text) {
    if (statusBar != hwndStatus || part != 1) return;
    std::fputs("prompt ", stdout);
    PrintQuoted(text);
    std::putchar('\n');
}

void Transcript::PrintState() {
    std::printf("state tool=%s buttons=%s nodes=%d values=", ToolName(CurrentTool(hwndActions)),
                IsWindowEnabled(hwndVerify) ? "on" : "off", HeapTree.nodeCount);
    for (int i = 1; i <= HeapTree.nodeCount; ++i)
        std::printf(i == 1 ? "%d" : ",%d", HeapTree.value[i]);
    std::printf(" pick=%d result=", HeapTree.firstPick);
    PrintQuoted(HeapTree.resultText);
    std::putchar('\n');
}

void Transcript::PrintExit(int code) {
    std::printf("exit %d\n", code);
    std::fflush(stdout);
}

}  // namespace replay
