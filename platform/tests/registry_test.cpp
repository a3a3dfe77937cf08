#include "platform/registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/fileio.h"
#include "platform/registryfile.h"

namespace platform {
namespace {

class Registry : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/registry-test-XXXXXX";
        dir_ = mkdtemp(pattern);
        store_ = dir_ + "/registry.reg";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    RegistryKey root(Hive hive) const { return RegistryKey(hive, store_); }
    void writeStore(const std::string& text) const {
        std::ofstream(store_, std::ios::binary) << text;
    }
    std::string storeText() const { return readWholeFile(store_).value_or("<missing>"); }

    std::string dir_;
    std::string store_;
};

TEST_F(Registry, WritesTheRegeditFormatAndReadsItBack) {
    const auto tegninger = root(Hive::ClassesRoot).create("Trelmo.Application\\Tegninger");
    ASSERT_TRUE(tegninger);
    EXPECT_TRUE(tegninger->writeString("", "c:\\Crossword\\Bmps"));
    const auto language =
        root(Hive::LocalMachine).create("SOFTWARE\\CrossWord Fennix\\Quenzor\\Language");
    ASSERT_TRUE(language);
    EXPECT_TRUE(language->writeDword("MainLanguage", 10));
    EXPECT_TRUE(language->writeString("Say \"hi\"", "a\\\"b"));
    EXPECT_TRUE(root(Hive::CurrentUser).create("Software")->writeDword("Max", 0xFFFFFFFFu));

    EXPECT_EQ(storeText(),
              "REGEDIT4\r\n"
              "\r\n"
              "[HKEY_CLASSES_ROOT\\Trelmo.Application]\r\n"
              "\r\n"
              "[HKEY_CLASSES_ROOT\\Trelmo.Application\\Tegninger]\r\n"
              "@=\"c:\\\\Crossword\\\\Bmps\"\r\n"
              "\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n"
              "\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\CrossWord Fennix]\r\n"
              "\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\CrossWord Fennix\\Quenzor]\r\n"
              "\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\CrossWord Fennix\\Quenzor\\Language]\r\n"
              "\"MainLanguage\"=dword:0000000a\r\n"
              "\"Say \\\"hi\\\"\"=\"a\\\\\\\"b\"\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software]\r\n"
              "\"Max\"=dword:ffffffff\r\n"
              "\r\n");

    const auto reopened = root(Hive::ClassesRoot).open("trelmo.application")->open("TEGNINGER");
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->readString(""), "c:\\Crossword\\Bmps");
    EXPECT_EQ(reopened->path(), "HKEY_CLASSES_ROOT\\trelmo.application\\TEGNINGER");
    const auto lang =
        root(Hive::LocalMachine).open("software\\crossword fennix\\QUENZOR\\language");
    ASSERT_TRUE(lang);
    EXPECT_EQ(lang->readDword("mainlanguage"), 10u);
    EXPECT_EQ(lang->readString("Say \"hi\""), "a\\\"b");
    EXPECT_EQ(lang->readString("MainLanguage"), std::nullopt);  // wrong type
    EXPECT_EQ(lang->readDword("Say \"hi\""), std::nullopt);
    EXPECT_EQ(root(Hive::CurrentUser).open("software")->readDword("max"), 0xFFFFFFFFu);
}

TEST_F(Registry, ReadsNeverCreate) {
    int code = 0;
    EXPECT_FALSE(root(Hive::ClassesRoot).open("Trelmo.Application\\Tegninger", &code));
    EXPECT_EQ(code, kRegistryNotFound);
    EXPECT_FALSE(std::filesystem::exists(store_));
    EXPECT_FALSE(root(Hive::ClassesRoot).open("a\\\\b", &code));
    EXPECT_EQ(code, kRegistryBadName);
    EXPECT_TRUE(root(Hive::ClassesRoot).open(""));  // the hive root always exists
    EXPECT_EQ(root(Hive::ClassesRoot).readString(""), std::nullopt);
}

TEST_F(Registry, ValuesKeepTheirOrderAndAreReplacedInPlace) {
    const RegistryKey key =
        *root(Hive::LocalMachine).create("SOFTWARE\\CrossWord Fennix\\CDROM\\Install");
    key.writeString("Path", "d:\\");
    key.writeString("VersionDate", "2003-01-05");
    key.writeString("path", "e:\\");  // same name in another case
    const auto values = key.values();
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].name, "Path");
    EXPECT_EQ(values[0].text, "e:\\");
    EXPECT_EQ(values[1].name, "VersionDate");

    EXPECT_TRUE(key.deleteValue("PATH"));
    EXPECT_FALSE(key.deleteValue("PATH"));
    EXPECT_EQ(key.firstValue()->name, "VersionDate");
    EXPECT_FALSE(key.writeString("Bad", "line\r\nbreak"));
    EXPECT_EQ(key.values().size(), 1u);
}

TEST_F(Registry, DeletesKeyByKeyChildrenFirst) {
    const RegistryKey classes = root(Hive::ClassesRoot);
    classes.create("Trelmo.Application\\DefaultIcon")->writeString("", "/opt/Trelmo");
    classes.create("Trelmo.Application\\Tegninger")->writeString("", "/opt/Bmps");
    classes.create("Trelmo.Document.1\\DefaultIcon")->writeString("", "/opt/Trelmo,1");
    classes.create(".KZT")->writeString("", "Trelmo.Document.1");
    classes.create("Other")->writeString("", "stays");

    EXPECT_FALSE(classes.deleteKey("Trelmo.Application"));  // still has subkeys
    EXPECT_TRUE(classes.open("Trelmo.Application\\Tegninger"));
    for (const char* key :
         {"Trelmo.Application\\DefaultIcon", "Trelmo.Application\\Tegninger",
          "Trelmo.Document.1\\DefaultIcon", "Trelmo.Application", "Trelmo.Document.1", ".kzt"}) {
        EXPECT_TRUE(classes.deleteKey(key)) << key;
    }
    EXPECT_FALSE(classes.deleteKey(".KZT"));
    EXPECT_EQ(classes.subkeys(), std::vector<std::string>{"Other"});
    EXPECT_EQ(classes.open("Other")->readString(""), "stays");
}

TEST_F(Registry, HandWrittenFileReadsAndSurvivesAWrite) {
    writeStore(
        "\xEF\xBB\xBFREGEDIT4\r\n"
        "; written by hand\r\n"
        "\r\n"
        "\r\n"
        "[hkey_classes_root\\Trelmo.Application\\Tegninger]\n"  // no levels above, lower case
        "\"First\"=\"named first\"\n"
        "@=\"/srv/bmps\"\n"
        "garbage line\n"
        "\"Blob\"=hex:01,02,\\\n"
        "  03\n"
        "\"Expand\"=hex(2):25,48,4f,4d,45,25,2f,78,\\\n"
        "  00\n"
        "\"Broken\"=\"no end quote\n"
        "\"Num\"=dword:zz\n"
        "[HKEY_USERS\\.DEFAULT\\Keep]\r\n"
        "\"X\"=\"1\"\r\n"
        "[HKEY_CLASSES_ROOT\\Trelmo.Application\\tegninger]\r\n"  // repeated: merged, later wins
        "\"First\"=\"changed\"\r\n"
        "[HKEY_CLASSES_ROOT\\Half");  // cut off in the middle

    const RegistryKey classes = root(Hive::ClassesRoot);
    const auto key = classes.open("Trelmo.Application\\Tegninger");
    ASSERT_TRUE(key);
    EXPECT_TRUE(classes.open("Trelmo.Application"));  // implied by its subkey
    EXPECT_EQ(key->readString(""), "/srv/bmps");
    EXPECT_EQ(key->readString("Expand"), "%HOME%/x");
    EXPECT_EQ(key->readString("Blob"), std::nullopt);
    const auto first = key->firstValue();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->name, "First");
    EXPECT_EQ(first->text, "changed");
    const std::pair<const char*, int> types[] = {{"", 1}, {"Blob", 3}, {"Expand", 2}};
    for (const auto& [name, type] : types) {
        for (const RegistryValue& v : key->values()) {
            if (v.name == name) {
                EXPECT_EQ(v.windowsType(), type) << name;
            }
        }
    }
    EXPECT_EQ(classes.subkeys(), (std::vector<std::string>{"Trelmo.Application", "Half"}));

    ASSERT_TRUE(classes.create(".KZT")->writeString("", "Trelmo.Document.1"));
    const std::string after = storeText();
    for (const char* kept :
         {"; written by hand", "garbage line", "\"Blob\"=hex:01,02,03", "\"Broken\"=\"no end quote",
          "\"Num\"=dword:zz", "[HKEY_USERS\\.DEFAULT\\Keep]\r\n\"X\"=\"1\"",
          "[HKEY_CLASSES_ROOT\\Half]", "@=\"Trelmo.Document.1\""}) {
        EXPECT_NE(after.find(kept), std::string::npos) << kept << "\n" << after;
    }
    // What the rewrite made reads the same again.
    EXPECT_EQ(classes.open("trelmo.application\\tegninger")->values().size(), 5u);
    EXPECT_EQ(classes.open("Trelmo.Application\\Tegninger")->readString("Expand"), "%HOME%/x");
}

TEST_F(Registry, WrappedHexWithoutItsNextLineSwallowsNothing) {
    writeStore(
        "REGEDIT4\n"
        "[HKEY_CURRENT_USER\\A]\n"
        "\"Blob\"=hex:01,\\\\\n"  // continuation announced, a section comes instead
        "[HKEY_CURRENT_USER\\B]\n"
        "\"Kept\"=\"yes\"\n");
    const RegistryKey user = root(Hive::CurrentUser);
    ASSERT_TRUE(user.create("A")->writeDword("New", 1));
    ASSERT_TRUE(user.create("A")->writeDword("Newer", 2));  // a second rewrite of the same file
    EXPECT_EQ(user.open("B")->readString("Kept"), "yes");
    EXPECT_EQ(user.open("A")->readDword("New"), 1u);
    EXPECT_EQ(user.open("A")->values().size(), 3u);
}

TEST(RegistryFileText, DanglingContinuationReadsBackAsWritten) {
    for (const char* text : {
             "[HKEY_CURRENT_USER\\A]\n\"Blob\"=hex:02,02; note, \\",
             "[HKEY_CURRENT_USER\\A]\n\"E\"=hex(2):41,05\\",  // read as the expand string it becomes
             "[HKEY_CURRENT_USER\\A]\n\"E\"=hex(2):41,00\\\n[HKEY_CURRENT_USER\\B]\n",
         }) {
        const RegistryFile first = RegistryFile::parse(text);
        const std::string written = first.serialize();
        EXPECT_EQ(RegistryFile::parse(written).serialize(), written) << text;
        EXPECT_EQ(first.sections.front().values.size(), 1u) << text;
    }
}

TEST_F(Registry, WritersInTwoProcessesLoseNothing) {
    constexpr int kPerProcess = 40;
    const auto writer = [&](const char* prefix) {
        const RegistryKey key(Hive::LocalMachine, store_);
        for (int i = 0; i < kPerProcess; ++i) {
            const auto sub = key.create(std::string("SOFTWARE\\") + prefix);
            if (!sub || !sub->writeDword(prefix + std::to_string(i), static_cast<unsigned>(i))) {
                _exit(1);
            }
        }
        _exit(0);
    };
    pid_t children[2];
    const char* prefixes[2] = {"Solver", "Generator"};
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) writer(prefixes[c]);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const RegistryKey software = *root(Hive::LocalMachine).open("SOFTWARE");
    for (const char* prefix : prefixes) {
        const auto key = software.open(prefix);
        ASSERT_TRUE(key) << prefix;
        for (int i = 0; i < kPerProcess; ++i) {
            EXPECT_EQ(key->readDword(prefix + std::to_string(i)), static_cast<unsigned>(i));
        }
    }
}

TEST_F(Registry, StoreThatCannotBeReadIsNeverOverwritten) {
    std::filesystem::create_directory(store_);  // a folder where the file should be
    int code = 0;
    EXPECT_FALSE(root(Hive::ClassesRoot).open("x", &code));
    EXPECT_EQ(code, kRegistryAccessDenied);
    EXPECT_FALSE(root(Hive::ClassesRoot).create("x", &code));
    EXPECT_EQ(code, kRegistryAccessDenied);
    EXPECT_FALSE(root(Hive::ClassesRoot).writeString("x", "y"));
    EXPECT_TRUE(std::filesystem::is_directory(store_));
}

TEST(RegistryStorePath, FromTheEnvironment) {
    setenv("CROSSWORD_REGISTRY", "/tmp/reg", 1);
    EXPECT_EQ(registryStorePath(), "/tmp/reg/registry.reg");
    unsetenv("CROSSWORD_REGISTRY");
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(registryStorePath(), "/cfg/crossword-suite/registry.reg");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/ole", 1);
    EXPECT_EQ(registryStorePath(), "/home/ole/.config/crossword-suite/registry.reg");
}

}  // namespace
}  // namespace platform
