#pragma once
// The one record of the installer's choices: the pages fill it, the engine reads it.
// Plain C++ so the engine and its tests use it without any window.
#include <cstdint>
#include <string>

namespace wizard {

// A primary language number of the Windows scheme: 6 Danish, 7 German, 9 English,
// 10 Spanish; any other code behaves as English.
using LanguageCode = std::int32_t;

#ifndef TRELMO_UI_LANGUAGE
#define TRELMO_UI_LANGUAGE 9
#endif
// The language of the wizard's texts: a constant of the build.
constexpr LanguageCode UiLanguage = TRELMO_UI_LANGUAGE;

struct SetupChoices {
    bool installSolver = true;
    bool solverCompact = false;
    bool installGenerator = true;
    bool installDrawingProgram = true;
    LanguageCode solverMainLanguage = 0;
    LanguageCode solverHelpLanguage = 0;
    LanguageCode solverDictionaryLanguage = 0;
    LanguageCode generatorLanguage = UiLanguage;
    LanguageCode drawingProgramLanguage = UiLanguage;
    std::string destinationBase;   // always ends in the separator
    std::string productFolder;     // no leading or trailing separator
    char destinationDrive = 'c';   // 'c' when the path names no drive
    std::string programFolder;     // Start-menu program group
    std::string startMenuPrograms; // with a trailing separator
    std::string ie5Folder;         // sourceRoot + "ie5" + separator
    std::string hhUpdFolder;       // sourceRoot + "HHUpd" + separator
};

}  // namespace wizard
