#pragma once
// An installation in a temporary folder: its own HOME, registry store and medium, assembled
// from the manifest with the drawing program built here.
#include <stdlib.h>

#include <string>

#include "platform/messages.h"
#include "setup/engine/installengine.h"
#include "setup/engine/mediumassembly.h"
#include "setup/engine/registrystore.h"
#include "setup/engine/tests/tempfolder.h"
#include "setup/wizard/core/systemlookups.h"

namespace engine::testing {

class RecordingView : public CopyingView {
public:
    void setProgress(int position) override { positions.push_back(position); }
    bool confirm(const std::string& question, wizard::LanguageCode) override {
        questions.push_back(question);
        return answer;
    }
    std::vector<int> positions;
    std::vector<std::string> questions;
    bool answer = true;
};

class InstallFixture {
public:
    InstallFixture() : messages_(recorder) {
        ::setenv("HOME", (dir / "home").c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        ::setenv("CROSSWORD_REGISTRY", (dir / "registry").c_str(), 1);
        medium = dir / "medium/";
        const std::string source = TRELMO_SOURCE_DIR;
        MediumSources s{ENGINE_TEST_DRAWING_PROGRAM,
                        ENGINE_TEST_DRAWING_PROGRAM,
                        ENGINE_TEST_UNINSTALLER,
                        source + "/setup/engine/medium",
                        source + "/setup/engine/medium/help.html",
                        source + "/examples/sample13x10.kzt",
                        source + "/examples/sample13x10.kzt",
                        "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Regular.ttf",
                        "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Italic.ttf"};
        std::string error;
        assembled = assembleMedium(medium, s, &error);
        assembleError = error;

        choices.destinationBase = dir / "opt/";
        choices.productFolder = "Crossword Fennix";
        choices.startMenuPrograms = wizard::startMenuProgramsFolder() + "/";
        choices.programFolder = "Crossword";
        drawingAlone();
        product = choices.destinationBase + choices.productFolder + "/";
        group = choices.startMenuPrograms + "Crossword/";
    }

    // The destination page's choice: the drawing program alone, in the build language.
    void drawingAlone() {
        choices.installSolver = choices.solverCompact = choices.installGenerator = false;
        choices.installDrawingProgram = true;
        choices.drawingProgramLanguage = choices.generatorLanguage = 9;
        choices.solverMainLanguage = choices.solverHelpLanguage = 9;
        choices.solverDictionaryLanguage = 9;
    }
    void typical(bool compact = false) {
        choices.installSolver = choices.installGenerator = choices.installDrawingProgram = true;
        choices.solverCompact = compact;
    }

    InstallResult install() {
        InstallEngine engine(choices, view, medium + "setup", 9);
        return engine.run();
    }

    std::string hklm(const KeyPath& key, const std::string& name) const {
        return readRegistryString(Hive::LocalMachine, key, name);
    }
    std::string hkcr(const KeyPath& key) const {
        return readRegistryString(Hive::ClassesRoot, key, "");
    }

    TempFolder dir;
    platform::MessageRecorder recorder;
    RecordingView view;
    wizard::SetupChoices choices;
    std::string medium, product, group;
    bool assembled = false;
    std::string assembleError;

private:
    platform::ScopedMessageService messages_;
};

}  // namespace engine::testing
