#include "setup/engine/manifest.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace engine {
namespace {

int countOf(Group group, unsigned languageBit) {
    int n = 0;
    for (const auto& e : manifest())
        if (e.group == group && (e.languages & languageBit)) ++n;
    return n;
}

TEST(Manifest, GroupSizesPerLanguage) {
    struct Case {
        Group group;
        int da, de, es, en;
    } cases[] = {
        {Group::DrawingProgram, 2, 2, 2, 2},         {Group::WordList, 2, 2, 2, 2},
        {Group::SolverProgram, 1, 1, 1, 1},          {Group::SolverHelp, 1, 1, 1, 1},
        {Group::SolverDictionaries, 3, 6, 3, 3},     {Group::GeneratorTemplates, 23, 23, 23, 23},
        {Group::GeneratorLanguage, 8, 8, 5, 7},      {Group::GeneratorShared, 24, 24, 24, 24},
        {Group::GeneratorLibraries, 10, 10, 10, 10}, {Group::GeneratorDictionaries, 4, 6, 5, 4},
    };
    for (const auto& c : cases) {
        const int group = static_cast<int>(c.group);
        EXPECT_EQ(countOf(c.group, Da), c.da) << group;
        EXPECT_EQ(countOf(c.group, De), c.de) << group;
        EXPECT_EQ(countOf(c.group, Es), c.es) << group;
        EXPECT_EQ(countOf(c.group, En), c.en) << group;
    }
}

TEST(Manifest, EveryLanguageHasTheFilesItsShortcutsAndSettingsLinesNeed) {
    for (unsigned bit : {Da, De, Es, En}) {
        EXPECT_NE(findEntry(Group::DrawingProgram, Role::ProgramFile, bit), nullptr) << bit;
        EXPECT_NE(findEntry(Group::DrawingProgram, Role::HelpFile, bit), nullptr) << bit;
        EXPECT_NE(findEntry(Group::SolverProgram, Role::ProgramFile, bit), nullptr) << bit;
        EXPECT_NE(findEntry(Group::SolverHelp, Role::HelpFile, bit), nullptr) << bit;
        EXPECT_NE(findEntry(Group::GeneratorLanguage, Role::ProgramFile, bit), nullptr) << bit;
        EXPECT_NE(findEntry(Group::GeneratorLanguage, Role::HelpFile, bit), nullptr) << bit;
        const auto* settings = findEntry(Group::GeneratorLanguage, Role::SettingsFile, bit);
        ASSERT_NE(settings, nullptr) << bit;
        EXPECT_TRUE(std::string(settings->onMedium()).ends_with(".in_")) << bit;
    }
    EXPECT_STREQ(findEntry(Group::DrawingSettings, Role::SettingsFile, En)->onMedium(),
                 "trelmo.in_");
}

TEST(Manifest, NoTwoFilesOfOneProgramAndLanguageShareATargetName) {
    // Two entries of one folder under one name would silently overwrite each other.
    for (unsigned bit : {Da, De, Es, En}) {
        std::set<std::string> drawing, solver, generator;
        for (const auto& e : manifest()) {
            if (!(e.languages & bit)) continue;
            auto& names = e.group <= Group::DrawingSamples       ? drawing
                          : e.group <= Group::SolverDictionaries ? solver
                                                                 : generator;
            if (e.group == Group::GeneratorDictionaries) continue;  // a folder of their own
            EXPECT_TRUE(names.insert(e.name).second) << e.name << " language " << bit;
        }
    }
}

}  // namespace
}  // namespace engine
