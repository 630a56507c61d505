#include "tests/desktop/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

extern char** environ;

namespace desktop {

namespace {

using Clock = std::chrono::steady_clock;

int remainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// The current environment with the changes applied, as strings that outlive the spawn.
std::vector<std::string> changedEnvironment(const std::vector<EnvChange>& changes) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        bool replaced = false;
        for (const EnvChange& change : changes) {
            const std::size_t length = std::strlen(change.name);
            replaced = replaced ||
                       (std::strncmp(*entry, change.name, length) == 0 && (*entry)[length] == '=');
        }
        if (!replaced) result.emplace_back(*entry);
    }
    for (const EnvChange& change : changes) {
        if (change.value != nullptr)
            result.push_back(std::string(change.name) + "=" + change.value);
    }
    return result;
}

}  // namespace

Child::Child(const char* mode, const std::vector<EnvChange>& env) {
    int outPipe[2];
    int errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0) return;
    if (::pipe2(errPipe, O_CLOEXEC) != 0) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        return;
    }
    const std::vector<std::string> environment = changedEnvironment(env);
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    char self[] = "/proc/self/exe";
    char childFlag[] = "--child";
    std::string modeText = mode;
    char* argv[] = {self, childFlag, modeText.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    pid_t pid = -1;
    if (posix_spawn(&pid, self, &actions, nullptr, argv, envp.data()) == 0) pid_ = pid;
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    outFd_ = outPipe[0];
    errFd_ = errPipe[0];
}

Child::~Child() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    if (outFd_ >= 0) ::close(outFd_);
    if (errFd_ >= 0) ::close(errFd_);
}

bool Child::pump(int timeoutMs) {
    pollfd fds[2] = {{outFd_, POLLIN, 0}, {errFd_, POLLIN, 0}};
    if (outFd_ < 0 && errFd_ < 0) return false;
    if (::poll(fds, 2, timeoutMs) <= 0) return true;
    int* descriptors[2] = {&outFd_, &errFd_};
    std::string* buffers[2] = {&out_, &err_};
    for (int i = 0; i < 2; ++i) {
        if (fds[i].revents == 0) continue;
        char chunk[4096];
        const ssize_t got = ::read(*descriptors[i], chunk, sizeof chunk);
        if (got > 0) {
            buffers[i]->append(chunk, static_cast<std::size_t>(got));
        } else {
            ::close(*descriptors[i]);
            *descriptors[i] = -1;  // poll() skips negative descriptors
        }
    }
    return true;
}

bool Child::waitForOutput(const std::string& text, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (out_.find(text) == std::string::npos) {
        if (outFd_ < 0 || remainingMs(deadline) == 0) return false;
        pump(remainingMs(deadline));
    }
    return true;
}

void Child::signal(int signalNumber) {
    if (pid_ > 0) ::kill(pid_, signalNumber);
}

ChildResult Child::finish(int timeoutMs) {
    ChildResult result;
    if (pid_ <= 0) return result;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (remainingMs(deadline) > 0 && pump(remainingMs(deadline))) {
    }
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (remainingMs(deadline) == 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
            result.out = out_;
            result.err = err_;
            return result;
        }
        ::usleep(5000);
    }
    pid_ = -1;
    result.finished = true;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = out_;
    result.err = err_;
    return result;
}

}  // namespace desktop
