// heaptree-replay as a teacher runs it: scenario files in, transcripts and screenshots out.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Outcome Replay(const std::string& scenarioText, const std::string& extra = "") {
    char folder[] = "/tmp/heaptree-replay-test.XXXXXX";
    EXPECT_NE(mkdtemp(folder), nullptr);
    std::string dir = folder;
    std::ofstream(dir + "/s.scenario", std::ios::binary) << scenarioText;
    std::string command = std::string(REPLAY_BINARY) + " " + dir + "/s.scenario " + extra + " >" +
                          dir + "/out 2>" + dir + "/err";
    Outcome r;
    int status = std::system(command.c_str());
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(dir + "/out");
    r.err = Slurp(dir + "/err");
    std::system(("rm -rf " + dir).c_str());
    return r;
}

TEST(Replay, ACompleteHeapsortGivesItsTranscript) {
    std::string scenario = Slurp(std::string(SCENARIOS) + "/heapsort.scenario");
    std::string expected = Slurp(std::string(SCENARIOS) + "/heapsort.transcript");
    Outcome r = Replay(scenario);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");
}

TEST(Replay, ABadLineStopsTheRunBeforeItStarts) {
    Outcome r = Replay("file 5 3 8\nverify\nclick 1\nstate\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("s.scenario:3:"), std::string::npos) << r.err;
}

TEST(Replay, ATreeTooTallEndsTheProgramWithItsExitLine) {
    std::string numbers;
    for (int i = 0; i < 64; ++i)
        numbers += " 1";
    Outcome r = Replay("file" + numbers + "\nstate\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "prompt \" Exercitiu de sortare prin ansamblu (heapsort) - echipa heaptree\"\n"
              "exit 0\n");
}

TEST(Replay, ScreenshotsGoIntoTheOutputFolder) {
    char folder[] = "/tmp/heaptree-shots.XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    Outcome r = Replay("file 1 2 3\nshot tree.png\n", std::string("--out ") + folder + "/pictures");
    EXPECT_EQ(r.code, 0);
    std::string png = Slurp(std::string(folder) + "/pictures/tree.png");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    std::system((std::string("rm -rf ") + folder).c_str());
}

TEST(Replay, AMissingTreeFileGivesOneNodeOfZero) {
    Outcome r = Replay("state\n");
    EXPECT_NE(r.out.find("state tool=none buttons=on nodes=1 values=0 pick=0 result=\"\"\n"),
              std::string::npos)
        << r.out;
}

TEST(Replay, AClickDuringAnOpenBoxGoesNowhere) {
    Outcome r = Replay("file 5 3 8\ntool swap\nclick 600 500\nclick 500 50\nok\nstate\n");
    EXPECT_NE(r.out.find("state tool=swap buttons=off nodes=3 values=5,3,8 pick=0"),
              std::string::npos)
        << r.out;
}

}  // namespace
