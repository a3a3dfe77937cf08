#include "platform/fileio.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace platform {
namespace {

class FileIo : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/fileio-test-XXXXXX";
        dir_ = mkdtemp(pattern);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string at(const char* name) const { return dir_ + "/" + name; }

    std::string dir_;
};

TEST_F(FileIo, ReadsRegularFilesWhole) {
    const std::string bytes("a\0b\r\n\xE6", 6);
    std::ofstream(at("f.bin"), std::ios::binary) << bytes;
    EXPECT_EQ(readWholeFile(at("f.bin")), bytes);
    std::ofstream(at("empty"), std::ios::binary).flush();
    EXPECT_EQ(readWholeFile(at("empty")), "");
}

// Only regular files are read: a folder misleads and a pipe without a writer would block.
TEST_F(FileIo, RefusesWhatIsNoRegularFileWithAReason) {
    std::filesystem::create_directory(at("folder"));
    ASSERT_EQ(::mkfifo(at("pipe").c_str(), 0600), 0);
    for (const char* name : {"missing", "folder", "pipe"}) {
        std::string error;
        EXPECT_EQ(readWholeFile(at(name), &error), std::nullopt) << name;
        EXPECT_NE(error.find(at(name)), std::string::npos) << name << ": " << error;
    }
}

}  // namespace
}  // namespace platform
