#pragma once
// Writes an installation medium from the manifest: the programs built here, the data files
// kept in the source tree, real small pictures, and, for every file that belongs to a program
// outside this build (solver, generator, other toolkits' libraries, system installers), a
// clearly marked placeholder, so that every setup type can be installed end to end.
#include <string>

namespace engine {

struct MediumSources {
    std::string setupProgram;    // copied as "setup"
    std::string drawingProgram;  // copied under each of the drawing program's names
    std::string uninstaller;     // copied as "UnInst.exe"
    std::string dataFolder;      // medium data kept in the source tree, under medium names
    std::string helpDocument;    // the drawing program's help, under each help file name
    std::string firstSample;     // "primero.kzt"
    std::string secondSample;    // "prueba.kzt"
    std::string regularFont;     // "Fonts/techncln.ttf"
    std::string italicFont;      // "Fonts/techncli.ttf"
};

// The text of a placeholder file standing in for `name`.
std::string placeholderText(const std::string& name);

// Writes the medium into `root` (created when missing). False with `error` set when a file
// could not be written or a source is missing.
bool assembleMedium(const std::string& root, const MediumSources& sources, std::string* error);

}  // namespace engine
