// heaptree-replay SCENARIO [--out DIR]
//
// Runs the program headless in a fresh temporary folder, feeds it the scenario's input and
// prints the transcript. Exit code: the program's, or 2 for a scenario that cannot be read.

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/replay/scenario.h"
#include "tools/replay/transcript.h"
#include "win32/testing/session.h"

namespace {

constexpr int badScenario = 2;
constexpr std::uint32_t inputGap = 1000;  // separate lines never form a double click

std::string workFolder;
bool exitPrinted = false;

void RemoveWorkFolder() {
    if (workFolder.empty()) return;
    std::string treeFile = workFolder + "/Pemrak.in";
    unlink(treeFile.c_str());
    rmdir(workFolder.c_str());
    workFolder.clear();
}

// The program may end the process itself (a tree too tall to draw); the transcript still ends
// with its exit line, and the temporary folder still goes.
void AtProcessExit(int status, void*) {
    if (!exitPrinted) replay::Transcript::PrintExit(status);
    exitPrinted = true;
    RemoveWorkFolder();
}

int Usage() {
    std::fputs("usage: heaptree-replay SCENARIO [--out DIR]\n", stderr);
    return badScenario;
}

bool ReadFile(const char* path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// An absolute path for DIR, made if missing: the program runs in another folder.
bool PrepareOutput(const char* dir, std::string& absolute) {
    if (mkdir(dir, 0777) != 0 && errno != EEXIST) return false;
    char* resolved = realpath(dir, nullptr);
    if (!resolved) return false;
    absolute = resolved;
    free(resolved);
    return true;
}

bool EnterWorkFolder(const replay::Scenario& scenario) {
    const char* tmp = getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/heaptree-replay.XXXXXX";
    if (!mkdtemp(pattern.data())) return false;
    workFolder = pattern;
    if (chdir(workFolder.c_str()) != 0) return false;
    if (!scenario.hasTreeFile) return true;
    std::ofstream tree("Pemrak.in", std::ios::binary);
    tree << scenario.treeFile;
    return static_cast<bool>(tree);
}

void AddSteps(const replay::Scenario& scenario, const std::string& outDir,
              w32::testing::Session& session) {
    using replay::Command;
    bool firstInput = true;
    for (const replay::Step& step : scenario.steps) {
        if (replay::IsInput(step.command)) {
            if (!firstInput) session.wait(inputGap);
            firstInput = false;
        }
        switch (step.command) {
            case Command::Click:
                session.click(step.x, step.y);
                break;
            case Command::RightClick:
                session.click(step.x, step.y, w32::MouseButton::Right);
                break;
            case Command::DoubleClick:
                session.doubleClick(step.x, step.y);
                break;
            case Command::Tool:
                session.clickOn(step.text.c_str());
                break;
            case Command::Verify:
                session.clickOn("Verif. Heap");
                break;
            case Command::Record:
                session.clickOn("Mem. inf. rad.");
                break;
            case Command::Result:
                session.clickOn("Vezi rezultat");
                break;
            case Command::Ok:
                session.key(VK_RETURN);
                break;
            case Command::Wait:
                session.wait(step.milliseconds);
                break;
            case Command::State:
                session.then([](w32::testing::Session&) { replay::Transcript::PrintState(); });
                break;
            case Command::Shot: {
                std::string path = outDir + "/" + step.text;
                session.then([path](w32::testing::Session& s) {
                    if (!w32::testing::Session::screenshot(s.mainWindow(), path.c_str()))
                        std::fprintf(stderr, "heaptree-replay: cannot write %s\n", path.c_str());
                });
                break;
            }
            case Command::Close:
                session.close();
                break;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const char* scenarioPath = nullptr;
    const char* outArgument = ".";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc)
            outArgument = argv[++i];
        else if (!scenarioPath && argv[i][0] != '-')
            scenarioPath = argv[i];
        else
            return Usage();
    }
    if (!scenarioPath) return Usage();

    std::string text;
    if (!ReadFile(scenarioPath, text)) {
        std::fprintf(stderr, "heaptree-replay: cannot read %s\n", scenarioPath);
        return badScenario;
    }
    replay::Scenario scenario;
    replay::ParseError error;
    if (!replay::ParseScenario(text.data(), text.size(), scenario, error)) {
        std::fprintf(stderr, "heaptree-replay: %s:%d: %s\n", scenarioPath, error.line,
                     error.message.c_str());
        return badScenario;
    }
    std::string outDir;
    if (!PrepareOutput(outArgument, outDir)) {
        std::fprintf(stderr, "heaptree-replay: cannot use %s for screenshots\n", outArgument);
        return badScenario;
    }

    on_exit(AtProcessExit, nullptr);
    if (!EnterWorkFolder(scenario)) {
        std::fputs("heaptree-replay: cannot prepare a temporary folder\n", stderr);
        return 1;
    }

    replay::Transcript transcript;
    w32::testing::Session session;
    session.watch(&transcript);
    AddSteps(scenario, outDir, session);
    int code = session.run(WinMain);
    replay::Transcript::PrintExit(code);
    exitPrinted = true;
    return code;
}
