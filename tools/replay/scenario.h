#pragma once

// Scenario files of heaptree-replay: one command a line, '#' starts a comment.
//
//   file INT...          before start: these integers, blank-separated, go into Pemrak.in
//   file-raw TEXT        before start: TEXT and a line break go into Pemrak.in as they stand
//   click X Y, rclick X Y, dblclick X Y
//   tool remove|swap|none, verify, record, result, ok, close
//   wait MS, state, shot NAME.png
//
// The whole scenario is checked before anything runs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace replay {

enum class Command {
    Click,
    RightClick,
    DoubleClick,
    Tool,
    Verify,
    Record,
    Result,
    Ok,
    Wait,
    State,
    Shot,
    Close,
};

struct Step {
    Command command;
    int line = 0;
    int x = 0;
    int y = 0;
    std::uint32_t milliseconds = 0;
    std::string text;  // the radio button's caption for Tool, the file name for Shot
};

struct Scenario {
    bool hasTreeFile = false;  // false: no Pemrak.in at all
    std::string treeFile;      // the contents of Pemrak.in
    std::vector<Step> steps;
};

struct ParseError {
    int line = 0;
    std::string message;
};

// False with the first bad line in error.
bool ParseScenario(const char* text, std::size_t length, Scenario& scenario, ParseError& error);

// True for commands that are input from the student (and so take a second apart).
bool IsInput(Command command);

}  // namespace replay
