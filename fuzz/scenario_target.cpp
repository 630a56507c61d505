// Fuzz target: the scenario parser of heaptree-replay over arbitrary bytes. A scenario it accepts
// holds only steps the replay can carry out (coordinates of two words, waits up to a day, the
// three tool captions, plain .png names) and reads back the same when written out again; a
// scenario it refuses names its first bad line, and everything before that line is accepted.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/replay/scenario.h"

namespace {

using replay::Command;

[[noreturn]] void Fail(const char* what, int line) {
    std::fprintf(stderr, "fuzz_scenario: %s (line %d)\n", what, line);
    std::abort();
}

// The lines ParseScenario sees: each ends at a line feed or at the end of the text.
int LineCount(std::string_view text) {
    int lines = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lines;
    }
    return lines;
}

// Where line `line` (1-based) starts.
std::size_t LineStart(std::string_view text, int line) {
    std::size_t at = 0;
    for (int i = 1; i < line; ++i)
        at = text.find('\n', at) + 1;
    return at;
}

const char* ToolWord(const std::string& caption) {
    if (caption == "Elim. ultima frunza") return "remove";
    if (caption == "Schimba(tata,desc)") return "swap";
    if (caption == "Anulare actiune") return "none";
    return nullptr;
}

bool PlainPngName(const std::string& name) {
    if (name.size() < 5 || name.compare(name.size() - 4, 4, ".png") != 0) return false;
    if (name.front() == '.') return false;
    for (char c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

void CheckStep(const replay::Step& s, int lines, int previousLine) {
    if (s.line < 1 || s.line > lines || s.line < previousLine) Fail("step line", s.line);
    switch (s.command) {
        case Command::Click:
        case Command::RightClick:
        case Command::DoubleClick:
            if (s.x < 0 || s.x > 65535 || s.y < 0 || s.y > 65535) Fail("coordinates", s.line);
            break;
        case Command::Tool:
            if (!ToolWord(s.text)) Fail("tool caption", s.line);
            break;
        case Command::Wait:
            if (s.milliseconds > 86400000u) Fail("wait", s.line);
            break;
        case Command::Shot:
            if (!PlainPngName(s.text)) Fail("screenshot name", s.line);
            break;
        default:
            break;
    }
}

// The scenario written out as a scenario file: the tree file as file-raw lines (each ended by a
// carriage return, which the parser takes off again), then one line a step.
std::string Write(const replay::Scenario& scenario) {
    std::string text;
    std::string_view tree = scenario.treeFile;
    while (!tree.empty()) {
        const std::size_t end = tree.find('\n');
        text += "file-raw ";
        text += tree.substr(0, end);
        text += "\r\n";
        tree.remove_prefix(end == std::string_view::npos ? tree.size() : end + 1);
    }
    for (const replay::Step& s : scenario.steps) {
        const std::string point = " " + std::to_string(s.x) + " " + std::to_string(s.y);
        switch (s.command) {
            case Command::Click:
                text += "click" + point;
                break;
            case Command::RightClick:
                text += "rclick" + point;
                break;
            case Command::DoubleClick:
                text += "dblclick" + point;
                break;
            case Command::Tool:
                text += std::string("tool ") + ToolWord(s.text);
                break;
            case Command::Verify:
                text += "verify";
                break;
            case Command::Record:
                text += "record";
                break;
            case Command::Result:
                text += "result";
                break;
            case Command::Ok:
                text += "ok";
                break;
            case Command::Wait:
                text += "wait " + std::to_string(s.milliseconds);
                break;
            case Command::State:
                text += "state";
                break;
            case Command::Shot:
                text += "shot " + s.text;
                break;
            case Command::Close:
                text += "close";
                break;
        }
        text += '\n';
    }
    return text;
}

bool SameSteps(const replay::Scenario& a, const replay::Scenario& b) {
    if (a.steps.size() != b.steps.size()) return false;
    for (std::size_t i = 0; i < a.steps.size(); ++i) {
        const replay::Step& s = a.steps[i];
        const replay::Step& t = b.steps[i];
        if (s.command != t.command || s.x != t.x || s.y != t.y ||
            s.milliseconds != t.milliseconds || s.text != t.text)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int lines = LineCount(text);
    replay::Scenario scenario;
    replay::ParseError error;
    if (!replay::ParseScenario(text.data(), text.size(), scenario, error)) {
        if (error.line < 1 || error.line > lines) Fail("error line out of the text", error.line);
        if (error.message.empty()) Fail("error without a message", error.line);
        const std::string_view before = text.substr(0, LineStart(text, error.line));
        replay::Scenario prefix;
        replay::ParseError prefixError;
        if (!replay::ParseScenario(before.data(), before.size(), prefix, prefixError))
            Fail("a line before the named one is refused too", prefixError.line);
        return 0;
    }

    if (scenario.hasTreeFile == scenario.treeFile.empty()) Fail("tree file flag", 0);
    int previousLine = 1;
    for (const replay::Step& s : scenario.steps) {
        CheckStep(s, lines, previousLine);
        previousLine = s.line;
    }

    const std::string written = Write(scenario);
    replay::Scenario again;
    if (!replay::ParseScenario(written.data(), written.size(), again, error))
        Fail("the written scenario is refused", error.line);
    if (again.hasTreeFile != scenario.hasTreeFile || again.treeFile != scenario.treeFile)
        Fail("the tree file does not read back", 0);
    if (!SameSteps(scenario, again)) Fail("the steps do not read back", 0);
    return 0;
}
