#include "drawing/shell/batch/batch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

const std::string kExamples = std::string(TRELMO_SOURCE_DIR) + "/examples";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Batch : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("batch_test_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::optional<int> run(std::vector<std::string> args) {
        args.insert(args.begin(), "Trelmo");
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        return runBatchCommand(static_cast<int>(argv.size()), argv.data());
    }

    fs::path dir_;
    platform::MessageRecorder recorder_;
    platform::ScopedMessageService scoped_{recorder_};
};

TEST_F(Batch, SaveWritesWhatWasLoadedOrSaysWhyNot) {
    const std::string out = (dir_ / "out.kzt").string();
    const std::string notCrossword = (dir_ / "words.txt").string();
    std::ofstream(notCrossword) << "hello world\n";
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {"example", {"--save", kExamples + "/sample13x10.kzt", out}, kExitOk},
        {"missing input", {"--save", (dir_ / "none.kzt").string(), out}, kExitRefused},
        {"header refused", {"--save", notCrossword, out}, kExitRefused},
        {"output folder missing",
         {"--save", kExamples + "/plaingrid.txt", (dir_ / "x" / "y").string()},
         kExitRefused},
        {"missing argument", {"--save", out}, kExitUsage},
    };
    for (const Case& c : cases) EXPECT_EQ(run(c.args), c.exitCode) << c.name;
    EXPECT_EQ(readFile(out), readFile(kExamples + "/sample13x10.kzt"));
    EXPECT_EQ(recorder_.shown.size(), 3u) << "one message per refusal";
}

TEST_F(Batch, WordsListsAcrossRunsThenDownRuns) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(run({"--words", kExamples + "/plaingrid.txt"}), kExitOk);
    const std::string out = testing::internal::GetCapturedStdout();
    // Grid rows: #H#K#Å# / HEST#L+ / #N#Ø#RE / +BLE#G# / #KAT#ÅS, '+' being Ø.
    EXPECT_EQ(out.substr(0, out.find("across 3")),
              "across 0 2,1 H\nacross 1 4,1 K\nacross 2 6,1 \xC5\n");
    EXPECT_NE(out.find("\nacross 8 1,4 \xD8"
                       "BLE\n"),
              std::string::npos);
    EXPECT_NE(out.find("\ndown 0 1,2 H\ndown 1 1,4 \xD8\ndown 2 2,1 HENBK\n"), std::string::npos);
    EXPECT_TRUE(out.ends_with("\ndown 8 7,5 S\n"));
    EXPECT_LT(out.rfind("across"), out.find("down"));

    EXPECT_EQ(run({"--words", (dir_ / "none.kzt").string()}), kExitRefused);
}

TEST_F(Batch, OtherArgumentsStartTheWindows) {
    EXPECT_EQ(run({}), std::nullopt);
    EXPECT_EQ(run({"crossword.kzt"}), std::nullopt);
}

}  // namespace
}  // namespace shell
