#pragma once

// Runs this test program again as a child with a changed environment, for what must happen in a
// process of its own: starting without a display, the beep's silence on stderr, SIGTERM. Output is
// captured, and every wait has a deadline: a hung child is killed and reported, never waited on.

#include <sys/types.h>

#include <string>
#include <vector>

namespace desktop {

struct EnvChange {
    const char* name;
    const char* value;  // null: removed from the environment
};

struct ChildResult {
    bool finished = false;  // false: killed at the deadline
    int exitCode = -1;      // -1 when it ended by a signal
    std::string out;
    std::string err;
};

class Child {
  public:
    // Starts this program as `self --child MODE` with the environment changed as given.
    Child(const char* mode, const std::vector<EnvChange>& env);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return pid_ > 0; }
    // Reads standard output until it holds `text`; false at the deadline or when the child ends.
    bool waitForOutput(const std::string& text, int timeoutMs);
    void signal(int signalNumber);
    // Reads all output until the child ends; kills it at the deadline.
    ChildResult finish(int timeoutMs);

  private:
    // Moves whatever is readable into the buffers; false when both pipes are closed.
    bool pump(int timeoutMs);

    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    std::string out_;
    std::string err_;
};

}  // namespace desktop
