#pragma once
// The folders of one installation, worked out from the choices and the place of the running
// setup program. Paths are built with the separator given, so the same rules serve the
// Windows examples ('\\') and the Linux medium ('/'). Every folder ends in the separator
// unless its comment says otherwise.
#include <string>
#include <string_view>

#include "setup/wizard/setupchoices.h"

namespace engine {

struct InstallFolders {
    char sep = '/';
    std::string sourceRoot;          // folder of the running setup program
    std::string sourceDrive;         // sourceRoot up to its first colon, or all of it; no separator
    std::string product;             // destinationBase + productFolder
    std::string solver;              // product + "Quenzor"
    std::string generator;           // product + the generator's folder by language
    std::string drawing;             // product + the drawing program's folder by language
    std::string dictionary;          // product + "Dic"
    std::string mediumDictionary;    // sourceRoot + "Dic"
    std::string mediumStorage;       // sourceRoot + the storage folder by generator language
    std::string storage;             // product + "Lager", "Lagern", "Magasin" or "Store"
    std::string mediumPictures;      // sourceRoot + "BMPS" (Danish) or "Bmps"
    std::string pictures;            // product + "Billeder" (Danish) or "Bmps"
    std::string pixFolder;           // `pictures` without its separator: the "Pix=" value
    std::string registeredPictures;  // product + "Bmps" for every language, no separator
    std::string programGroup;        // startMenuPrograms + programFolder (+ separator if named)
    std::string fonts;               // sourceRoot + "Fonts"
};

// The folder part of a program path, up to and including its last separator.
std::string folderOfProgram(std::string_view programPath, char sep);

InstallFolders installFolders(const wizard::SetupChoices& choices,
                              std::string_view setupProgramPath, char sep);

}  // namespace engine
