#pragma once
// What the medium holds and what each program gets, as data: one table of files in copy
// order, the library lists checked before copying, and the folders copied whole. The engine
// walks these tables; the medium assembly writes the medium from the same tables.
#include <span>

#include "setup/engine/language.h"

namespace engine {

// Groups in the order the engine copies them within each program. The language that selects
// a group's files is given beside each group.
enum class Group {
    DrawingProgram,         // drawingProgramLanguage
    DrawingFiles,           // always
    DrawingSettings,        // always
    DrawingClueLayouts,     // always
    WordList,               // drawingProgramLanguage; only when approved
    DrawingSamples,         // always
    SolverProgram,          // UiLanguage (the Spanish build stores it under another name)
    SolverHelp,             // solverHelpLanguage
    SolverDictionaries,     // UiLanguage; not for a compact solver
    GeneratorTemplates,     // always; adds no progress
    GeneratorLanguage,      // generatorLanguage
    GeneratorShared,        // always
    GeneratorLibraries,     // always
    GeneratorDictionaries,  // generatorLanguage; from the medium's "Dic", only when approved
};

enum class Role {
    Plain,
    ProgramFile,   // target of the program shortcut
    HelpFile,      // target of the help shortcut
    SettingsFile,  // receives the settings lines; copied from a ".in_" file of the medium
    WordListData,
    WordListIndex,
};

// How the medium assembly produces a file (the engine ignores this).
enum class MediumSource {
    Placeholder,     // a file of a program outside this build: marked placeholder data
    DrawingProgram,  // the drawing program built here
    DrawingHelp,     // the drawing program's help document
    DataFile,        // a data file of the medium kept in the source tree under its medium name
    Example,         // a sample crossword from the examples folder
};

struct ManifestEntry {
    Group group;
    unsigned languages;      // LangBits of the group's language
    const char* name;        // name in the program's folder
    const char* mediumName;  // name on the medium; nullptr when the same
    Role role;
    MediumSource source;

    const char* onMedium() const { return mediumName ? mediumName : name; }
};

std::span<const ManifestEntry> manifest();

// Libraries whose installed copy must have the medium's size before anything is copied.
std::span<const char* const> drawingProgramLibraries();
std::span<const char* const> generatorLibraries();

// The entry of `group` with `role` for the language bit given, or nullptr.
const ManifestEntry* findEntry(Group group, Role role, unsigned languageBit);

// Folders of the medium copied whole by folder copy, with the files the medium assembly puts
// in them. Paths use '/' and are relative to the medium root.
struct MediumFolder {
    const char* path;
    bool pictures;  // holds real pictures rather than placeholder data
};
std::span<const MediumFolder> mediumFolders();

// The generator's two template folders, by language: Danish "Model" and "Vej", others
// "Skabelon" and "Walk".
const char* generatorTemplateFolder(LanguageCode generatorLanguage, int which);

}  // namespace engine
