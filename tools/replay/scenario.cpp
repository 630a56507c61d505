#include "tools/replay/scenario.h"

#include <charconv>
#include <string_view>

namespace replay {

namespace {

constexpr int maxCoordinate = 65535;                  // a press position is two unsigned words
constexpr std::uint32_t maxWait = 24u * 3600 * 1000;  // a day is more than any lesson needs

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Splits off the next blank-separated word.
std::string_view NextWord(std::string_view& rest) {
    rest = Trim(rest);
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end]))
        ++end;
    std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

bool ParseNumber(std::string_view word, long long low, long long high, long long& value) {
    if (word.empty() || word.size() > 18) return false;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc() && end == word.data() + word.size() && value >= low && value <= high;
}

// An optional sign and decimal digits, as the tree file's reading understands them.
bool IsInteger(std::string_view word) {
    if (!word.empty() && (word.front() == '+' || word.front() == '-')) word.remove_prefix(1);
    if (word.empty()) return false;
    for (char c : word)
        if (c < '0' || c > '9') return false;
    return true;
}

bool SafeFileName(std::string_view name) {
    if (name.size() < 5 || name.substr(name.size() - 4) != ".png") return false;
    if (name.front() == '.') return false;
    for (char c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

class Parser {
  public:
    Parser(Scenario& scenario, ParseError& error) : scenario_(scenario), error_(error) {}

    bool Line(std::string_view line, int number) {
        number_ = number;
        std::string_view rest = line;
        std::string_view command = NextWord(rest);
        if (command == "file-raw") return FileRaw(line);
        // Everything from '#' on is a comment; file-raw keeps its text whole.
        std::size_t hash = rest.find('#');
        if (hash != std::string_view::npos) rest = rest.substr(0, hash);
        if (command.empty() || command.front() == '#') return true;
        if (command == "file") return File(rest);
        if (command == "click") return Point(Command::Click, rest);
        if (command == "rclick") return Point(Command::RightClick, rest);
        if (command == "dblclick") return Point(Command::DoubleClick, rest);
        if (command == "tool") return Tool(rest);
        if (command == "verify") return Bare(Command::Verify, rest);
        if (command == "record") return Bare(Command::Record, rest);
        if (command == "result") return Bare(Command::Result, rest);
        if (command == "ok") return Bare(Command::Ok, rest);
        if (command == "state") return Bare(Command::State, rest);
        if (command == "close") return Bare(Command::Close, rest);
        if (command == "wait") return Wait(rest);
        if (command == "shot") return Shot(rest);
        return Fail("unknown command \"" + std::string(command) + "\"");
    }

    void Finish() {
        if (pendingNumbers_) scenario_.treeFile += '\n';
        pendingNumbers_ = false;
    }

  private:
    bool Fail(std::string message) {
        error_.line = number_;
        error_.message = std::move(message);
        return false;
    }

    bool NoMore(std::string_view rest) {
        std::string_view extra = NextWord(rest);
        if (extra.empty()) return true;
        return Fail("unexpected \"" + std::string(extra) + "\"");
    }

    Step& Add(Command command) {
        scenario_.steps.push_back(Step{command, number_, 0, 0, 0, {}});
        return scenario_.steps.back();
    }

    bool File(std::string_view rest) {
        int count = 0;
        for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
            if (!IsInteger(word))
                return Fail("file takes integers, not \"" + std::string(word) + "\"");
            if (pendingNumbers_) scenario_.treeFile += ' ';
            scenario_.treeFile += word;
            pendingNumbers_ = true;
            ++count;
        }
        if (count == 0) return Fail("file needs at least one integer (file-raw writes other text)");
        scenario_.hasTreeFile = true;
        return true;
    }

    bool FileRaw(std::string_view line) {
        while (!line.empty() && IsBlank(line.front()))
            line.remove_prefix(1);
        std::string_view rest = line.substr(8);    // after "file-raw"
        if (!rest.empty()) rest.remove_prefix(1);  // the one blank that separates the text
        if (!rest.empty() && rest.back() == '\r') rest.remove_suffix(1);
        Finish();
        scenario_.treeFile += rest;
        scenario_.treeFile += '\n';
        scenario_.hasTreeFile = true;
        return true;
    }

    bool Point(Command command, std::string_view rest) {
        long long x = 0, y = 0;
        std::string_view xs = NextWord(rest), ys = NextWord(rest);
        if (!ParseNumber(xs, 0, maxCoordinate, x) || !ParseNumber(ys, 0, maxCoordinate, y))
            return Fail("expected two coordinates from 0 to 65535");
        if (!NoMore(rest)) return false;
        Step& step = Add(command);
        step.x = static_cast<int>(x);
        step.y = static_cast<int>(y);
        return true;
    }

    bool Tool(std::string_view rest) {
        std::string_view which = NextWord(rest);
        const char* caption = which == "remove" ? "Elim. ultima frunza"
                              : which == "swap" ? "Schimba(tata,desc)"
                              : which == "none" ? "Anulare actiune"
                                                : nullptr;
        if (!caption) return Fail("tool is remove, swap or none");
        if (!NoMore(rest)) return false;
        Add(Command::Tool).text = caption;
        return true;
    }

    bool Bare(Command command, std::string_view rest) {
        if (!NoMore(rest)) return false;
        Add(command);
        return true;
    }

    bool Wait(std::string_view rest) {
        long long ms = 0;
        if (!ParseNumber(NextWord(rest), 0, maxWait, ms))
            return Fail("wait takes milliseconds from 0 to 86400000");
        if (!NoMore(rest)) return false;
        Add(Command::Wait).milliseconds = static_cast<std::uint32_t>(ms);
        return true;
    }

    bool Shot(std::string_view rest) {
        std::string_view name = NextWord(rest);
        if (!SafeFileName(name)) return Fail("shot takes a plain file name ending in .png");
        if (!NoMore(rest)) return false;
        Add(Command::Shot).text = name;
        return true;
    }

    Scenario& scenario_;
    ParseError& error_;
    int number_ = 0;
    bool pendingNumbers_ = false;
};

}  // namespace

bool ParseScenario(const char* text, std::size_t length, Scenario& scenario, ParseError& error) {
    scenario = Scenario{};
    Parser parser(scenario, error);
    std::string_view all(text, length);
    int number = 0;
    while (!all.empty()) {
        std::size_t end = all.find('\n');
        std::string_view line = all.substr(0, end);
        all.remove_prefix(end == std::string_view::npos ? all.size() : end + 1);
        if (!parser.Line(line, ++number)) return false;
    }
    parser.Finish();
    return true;
}

bool IsInput(Command c) {
    return c != Command::Wait && c != Command::State && c != Command::Shot;
}

}  // namespace replay
