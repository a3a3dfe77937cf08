#pragma once
// A system with Windows-style paths and scripted answers for driving the wizard in tests.
#include <string>
#include <vector>

#include "setup/wizard/core/copyingstep.h"
#include "setup/wizard/core/wizardsystem.h"

namespace wizard::testing {

class FakeSystem : public WizardSystem {
public:
    char separator() const override { return '\\'; }
    std::int32_t freeSpaceMb(const SetupChoices&) const override { return freeMb; }
    Probes probes() const override { return probeResults; }
    std::string programFilesFolder() const override { return programFiles; }
    std::string startMenuProgramsFolder() const override { return startMenu; }
    std::vector<std::string> subfolders(const std::string& folder) const override {
        listedFolder = folder;
        return groups;
    }
    std::string currentDirectory() const override { return "C:\\Setup"; }

    std::int32_t freeMb = 5000;
    Probes probeResults;
    std::string programFiles = "C:\\Program Files";
    std::string startMenu = "C:\\Windows\\Start Menu\\Programs";
    std::vector<std::string> groups{"Accessories", "Games"};
    mutable std::string listedFolder;
};

class FakeCopying : public CopyingStep {
public:
    bool run(SetupChoices& choices) override {
        ++runs;
        seen = choices;
        return succeed;
    }
    int runs = 0;
    bool succeed = true;
    SetupChoices seen;
};

}  // namespace wizard::testing
