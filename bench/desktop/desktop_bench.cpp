// desktop-bench: start-up, memory and idle CPU of heaptree on a real X server, against a bare SDL
// window showing one line of text (bare-sdl-window), both measured in the same run.
//
//   desktop-bench --heaptree PATH --bare PATH --tree FILE [--runs N] [--idle-seconds S] [--trace]
//
// --trace prints every map and damage report of every start as it comes.
//
// Run it on an X server with nothing else on it (run-desktop-bench starts one with xvfb-run).
//
// How start-up is measured. This program is an X client that creates no window: it watches the
// root window for new top-level windows (CreateNotify) and, the moment one is created, asks the
// DAMAGE extension to report every drawing into it. The clock starts just before the program is
// spawned and stops at the damage reports, on this side's monotonic clock:
//   - "mapped": the window became visible (MapNotify);
//   - "first pixels": the first drawing into the window;
//   - "frame": the last drawing before the window stays unchanged for kQuietMs, that is the
//     complete first frame, however many requests it took. This is the figure compared.
// SDL creates its windows with no background, so mapping one draws nothing and every damage
// report is the program's own drawing. A sample whose window was already visible before its
// damage report was set up is counted as missed, never as a time. The programs are launched
// alternately, in the order A B B A A B ..., so that neither always follows the other, and each
// round of two also gives a paired difference, which the load of a shared machine disturbs less
// than it disturbs either median.
//
// Memory and CPU are read from /proc: VmRSS and VmHWM once the first frame is complete; for idle
// CPU the process's user+system time (/proc/PID/stat, in clock ticks) and the run time of all its
// threads (/proc/PID/task/*/schedstat, in nanoseconds) before and after S seconds without input,
// together with the context switches meanwhile (each one a wake-up).
//
// Sections: [clock and files] [processes] [x watcher] [measures] [report] [main]

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

// [clock and files] ------------------------------------------------------------------------------

constexpr int kQuietMs = 300;            // no drawing for this long: the first frame is complete
constexpr int kStartDeadlineMs = 10000;  // a start-up that takes longer is a failure
constexpr int kExitDeadlineMs = 5000;
constexpr int kIdleTrials = 3;

double nowMs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

void sleepMs(int ms) {
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value of "Key:" in /proc/PID/status (kB for memory, a count for switches); -1 if absent.
long statusValue(pid_t pid, const char* key) {
    const std::string text = readFile("/proc/" + std::to_string(pid) + "/status");
    const std::string marker = std::string("\n") + key + ":";
    const std::size_t at = text.find(marker);
    return at == std::string::npos ? -1 : std::atol(text.c_str() + at + marker.size());
}

// [processes] ------------------------------------------------------------------------------------

struct Program {
    const char* name;
    std::string path;
};

pid_t spawnIn(const Program& program, const std::string& folder) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string path = program.path;
    char* argv[] = {path.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Asks the program to end as a session would (SDL turns SIGTERM into a quit), kills it if it
// does not; returns its exit code, or -1.
int stop(pid_t pid) {
    kill(pid, SIGTERM);
    const double deadline = nowMs() + kExitDeadlineMs;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (nowMs() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        sleepMs(2);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Whole-process CPU figures at one moment.
struct CpuSnapshot {
    long ticks = 0;        // utime + stime, in clock ticks
    long long runNs = 0;   // run time of every thread
    long switches = 0;     // voluntary and involuntary context switches of every thread
    long minorFaults = 0;  // pages first touched, of the whole process
};

CpuSnapshot cpuOf(pid_t pid) {
    CpuSnapshot cpu;
    const std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
    // Fields after the command name, which is in parentheses and may hold blanks.
    const std::size_t close = stat.rfind(')');
    if (close != std::string::npos) {
        std::istringstream fields(stat.substr(close + 2));
        std::string field;
        long utime = 0;
        long stime = 0;
        for (int number = 3; fields >> field; ++number) {
            if (number == 10) cpu.minorFaults = std::atol(field.c_str());
            if (number == 14) utime = std::atol(field.c_str());
            if (number == 15) {
                stime = std::atol(field.c_str());
                break;
            }
        }
        cpu.ticks = utime + stime;
    }
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') continue;
            const std::string task = tasks + "/" + entry->d_name;
            cpu.runNs += std::atoll(readFile(task + "/schedstat").c_str());
            const std::string status = readFile(task + "/status");
            for (const char* key :
                 {"\nvoluntary_ctxt_switches:", "\nnonvoluntary_ctxt_switches:"}) {
                const std::size_t at = status.find(key);
                if (at != std::string::npos)
                    cpu.switches += std::atol(status.c_str() + at + std::strlen(key));
            }
        }
        closedir(dir);
    }
    return cpu;
}

// [x watcher] ------------------------------------------------------------------------------------

struct StartSample {
    bool ok = false;
    std::string problem;
    double mappedMs = 0;
    double firstPixelsMs = 0;
    double frameMs = 0;
    int damageReports = 0;
};

class Watcher {
  public:
    bool open() {
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr) return false;
        int errorBase = 0;
        if (!XDamageQueryExtension(display_, &damageEvent_, &errorBase)) return false;
        // A window can be gone before its damage report is set up; that is an answer, not an
        // end (Xlib's default handler would end the process).
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
        XSync(display_, True);
        return true;
    }
    ~Watcher() {
        if (display_ != nullptr) XCloseDisplay(display_);
    }

    // Spawns the program and follows its first top-level window until its first frame is
    // complete. The program is left running; its pid is stored in `pid`.
    StartSample start(const Program& program, const std::string& folder, pid_t& pid) {
        StartSample sample;
        windows_.clear();
        const double t0 = nowMs();
        pid = spawnIn(program, folder);
        if (trace_) std::printf("  %s spawned at %.3f ms (CLOCK_MONOTONIC)\n", program.name, t0);
        if (pid <= 0) {
            sample.problem = "cannot start";
            return sample;
        }
        const double deadline = t0 + kStartDeadlineMs;
        double lastDamage = -1;
        while (nowMs() < deadline) {
            if (lastDamage >= 0 && sample.mappedMs > 0 && nowMs() - lastDamage >= kQuietMs) break;
            waitForEvents(5);
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                const double at = nowMs() - t0;
                if (event.type == CreateNotify &&
                    event.xcreatewindow.parent == DefaultRootWindow(display_)) {
                    if (!watch(event.xcreatewindow.window)) {
                        sample.problem = "window visible before it was watched";
                    }
                } else if (event.type == MapNotify && owned(event.xmap.window)) {
                    if (sample.mappedMs == 0) sample.mappedMs = at;
                    if (trace_) std::printf("  %s %8.2f ms: mapped\n", program.name, at);
                } else if (event.type == damageEvent_ + XDamageNotify) {
                    const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                    if (!owned(damage.drawable)) continue;
                    if (trace_) {
                        std::printf("  %s %8.2f ms: drawn %dx%d at (%d, %d)\n", program.name, at,
                                    damage.area.width, damage.area.height, damage.area.x,
                                    damage.area.y);
                    }
                    if (sample.damageReports++ == 0) sample.firstPixelsMs = at;
                    sample.frameMs = at;
                    lastDamage = nowMs();
                }
            }
        }
        if (sample.problem.empty() && sample.damageReports == 0) sample.problem = "nothing drawn";
        sample.ok = sample.problem.empty();
        return sample;
    }

    // Waits until every window of the last start is destroyed, so that its ids, which the X
    // server hands out again to the next client, cannot be mistaken for the next program's.
    void waitUntilGone() {
        const double deadline = nowMs() + kExitDeadlineMs;
        while (!windows_.empty() && nowMs() < deadline) {
            waitForEvents(5);
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == DestroyNotify) {
                    std::erase(windows_, event.xdestroywindow.window);
                }
            }
        }
        windows_.clear();
    }

    // Prints every map and damage report as it comes.
    void trace(bool on) { trace_ = on; }

  private:
    void waitForEvents(int timeoutMs) {
        XFlush(display_);
        if (XPending(display_) > 0) return;
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        poll(&fd, 1, timeoutMs);
    }

    // Sets up damage reports for a new top-level window; false if it was already visible, in
    // which case drawing may have been missed.
    bool watch(Window window) {
        XDamageCreate(display_, window, XDamageReportRawRectangles);
        windows_.push_back(window);
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, window, &attributes) == 0) return true;
        return attributes.map_state == IsUnmapped;
    }

    bool owned(Window window) const {
        return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
    }

    Display* display_ = nullptr;
    int damageEvent_ = 0;
    std::vector<Window> windows_;
    bool trace_ = false;
};

// [measures] -------------------------------------------------------------------------------------

struct Series {
    std::vector<double> mapped, firstPixels, frame, rssKb, hwmKb, cpuMs, faults;
    int missed = 0;
    std::vector<std::string> problems;
};

struct IdleSample {
    double cpuMsByTicks = 0;
    double cpuMsByRunTime = 0;
    long switches = 0;
};

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double quantile(std::vector<double> values, double q) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * (values.size() - 1) + 0.5)];
}

void measureStart(Watcher& watcher, const Program& program, const std::string& folder,
                  Series* series) {
    pid_t pid = -1;
    const StartSample sample = watcher.start(program, folder, pid);
    long rss = -1;
    long hwm = -1;
    CpuSnapshot startCpu;
    if (pid > 0) {
        rss = statusValue(pid, "VmRSS");
        hwm = statusValue(pid, "VmHWM");
        startCpu = cpuOf(pid);
        const int code = stop(pid);
        if (code != 0 && series) series->problems.push_back("exit code " + std::to_string(code));
    }
    watcher.waitUntilGone();
    if (series == nullptr) return;  // a warm-up run
    if (!sample.ok) {
        ++series->missed;
        series->problems.push_back(sample.problem);
        return;
    }
    series->mapped.push_back(sample.mappedMs);
    series->firstPixels.push_back(sample.firstPixelsMs);
    series->frame.push_back(sample.frameMs);
    if (rss > 0) series->rssKb.push_back(static_cast<double>(rss));
    if (hwm > 0) series->hwmKb.push_back(static_cast<double>(hwm));
    series->cpuMs.push_back(startCpu.runNs / 1e6);
    series->faults.push_back(static_cast<double>(startCpu.minorFaults));
}

IdleSample measureIdle(Watcher& watcher, const Program& program, const std::string& folder,
                       int seconds) {
    IdleSample idle;
    pid_t pid = -1;
    watcher.start(program, folder, pid);
    if (pid <= 0) return idle;
    const CpuSnapshot before = cpuOf(pid);
    sleepMs(seconds * 1000);
    const CpuSnapshot after = cpuOf(pid);
    stop(pid);
    watcher.waitUntilGone();
    const double msPerTick = 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    idle.cpuMsByTicks = (after.ticks - before.ticks) * msPerTick;
    idle.cpuMsByRunTime = (after.runNs - before.runNs) / 1e6;
    idle.switches = after.switches - before.switches;
    return idle;
}

// [report] ---------------------------------------------------------------------------------------

void printRow(const char* what, const std::vector<double>& values, const char* unit) {
    std::printf("  %-22s median %8.1f  min %8.1f  p90 %8.1f %s\n", what, median(values),
                quantile(values, 0), quantile(values, 0.9), unit);
}

void printSeries(const Program& program, const Series& s) {
    std::printf("%s: %zu samples, %d missed\n", program.name, s.frame.size(), s.missed);
    printRow("to window mapped", s.mapped, "ms");
    printRow("to first pixels", s.firstPixels, "ms");
    printRow("to first frame", s.frame, "ms");
    printRow("VmRSS after start-up", s.rssKb, "kB");
    printRow("VmHWM after start-up", s.hwmKb, "kB");
    printRow("CPU for start-up", s.cpuMs, "ms");
    printRow("page faults", s.faults, "");
    for (const std::string& problem : s.problems)
        std::printf("  problem: %s\n", problem.c_str());
}

// [main] -----------------------------------------------------------------------------------------

int usage() {
    std::fprintf(stderr,
                 "usage: desktop-bench --heaptree PATH --bare PATH --tree FILE [--runs N] "
                 "[--idle-seconds S] [--trace]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Program heaptree{"heaptree", ""};
    Program bare{"bare-sdl-window", ""};
    std::string tree;
    int runs = 30;
    int idleSeconds = 5;
    bool trace = false;
    for (int i = 1; i < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--trace") {
            trace = true;
            --i;
            continue;
        }
        if (i + 1 == argc) return usage();
        if (option == "--heaptree")
            heaptree.path = argv[i + 1];
        else if (option == "--bare")
            bare.path = argv[i + 1];
        else if (option == "--tree")
            tree = argv[i + 1];
        else if (option == "--runs")
            runs = std::atoi(argv[i + 1]);
        else if (option == "--idle-seconds")
            idleSeconds = std::atoi(argv[i + 1]);
        else
            return usage();
    }
    if (heaptree.path.empty() || bare.path.empty() || tree.empty() || runs < 1 || idleSeconds < 1) {
        return usage();
    }

    Watcher watcher;
    if (!watcher.open()) {
        std::fprintf(stderr, "desktop-bench: needs an X server with the DAMAGE extension\n");
        return 1;
    }
    watcher.trace(trace);
    // heaptree reads Pemrak.in from its current folder; both programs start in this one.
    char pattern[] = "/tmp/desktop-bench.XXXXXX";
    if (mkdtemp(pattern) == nullptr) return 1;
    const std::string folder = pattern;
    std::filesystem::copy_file(tree, folder + "/Pemrak.in");

    // One unmeasured start of each: the first start of a program after the build pays for the
    // page cache and fontconfig's cache files.
    measureStart(watcher, heaptree, folder, nullptr);
    measureStart(watcher, bare, folder, nullptr);

    Series heaptreeSeries;
    Series bareSeries;
    // Each round starts both programs back to back; the difference within a round is little
    // touched by whatever else the machine does at that moment.
    std::vector<double> pairedDifferences;
    for (int i = 0; i < runs; ++i) {
        const bool heaptreeFirst = (i % 2) == 0;
        const std::size_t heaptreeBefore = heaptreeSeries.frame.size();
        const std::size_t bareBefore = bareSeries.frame.size();
        for (int k = 0; k < 2; ++k) {
            const bool isHeaptree = (k == 0) == heaptreeFirst;
            measureStart(watcher, isHeaptree ? heaptree : bare, folder,
                         isHeaptree ? &heaptreeSeries : &bareSeries);
        }
        if (heaptreeSeries.frame.size() > heaptreeBefore && bareSeries.frame.size() > bareBefore) {
            pairedDifferences.push_back(heaptreeSeries.frame.back() - bareSeries.frame.back());
        }
    }

    std::vector<IdleSample> heaptreeIdle;
    std::vector<IdleSample> bareIdle;
    for (int i = 0; i < kIdleTrials; ++i) {
        heaptreeIdle.push_back(measureIdle(watcher, heaptree, folder, idleSeconds));
        bareIdle.push_back(measureIdle(watcher, bare, folder, idleSeconds));
    }
    std::filesystem::remove_all(folder);

    std::printf("desktop-bench: %d alternating starts of each, tree %s\n", runs, tree.c_str());
    printSeries(heaptree, heaptreeSeries);
    printSeries(bare, bareSeries);
    const double ratio = median(heaptreeSeries.frame) / median(bareSeries.frame);
    std::printf("start-up, first frame: heaptree / bare = %.3f (target: at most 1.10)\n", ratio);
    std::printf("  paired rounds: heaptree - bare median %+.1f ms (%+.1f%% of bare's median)\n",
                median(pairedDifferences),
                100 * median(pairedDifferences) / median(bareSeries.frame));

    for (int which = 0; which < 2; ++which) {
        const std::vector<IdleSample>& trials = which == 0 ? heaptreeIdle : bareIdle;
        std::printf("%s idle for %d s:", which == 0 ? heaptree.name : bare.name, idleSeconds);
        for (const IdleSample& t : trials) {
            std::printf("  [%.0f ms by ticks, %.3f ms run time, %ld wake-ups]", t.cpuMsByTicks,
                        t.cpuMsByRunTime, t.switches);
        }
        std::printf("\n");
    }
    double worstIdle = 0;
    for (const IdleSample& t : heaptreeIdle)
        worstIdle = std::max(worstIdle, std::max(t.cpuMsByTicks, t.cpuMsByRunTime));
    const double rss = median(heaptreeSeries.rssKb) / 1024;
    std::printf(
        "targets: start-up %s (%.1f%% over bare), idle CPU %s (worst %.3f ms of 10), "
        "RSS %s (%.1f MB of 25)\n",
        ratio <= 1.10 ? "met" : "MISSED", (ratio - 1) * 100, worstIdle < 10 ? "met" : "MISSED",
        worstIdle, rss < 25 ? "met" : "MISSED", rss);
    return 0;
}
