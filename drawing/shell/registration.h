#pragma once
// The program's keys in the registry store (HKEY_CLASSES_ROOT): the picture folder written by
// the installer, and the document-type registration written at every start.
#include <string>
#include <vector>

namespace shell {

// The first value of Trelmo.Application\Tegninger, or "" after the matching message box.
std::string ReadPictureFolder();

// Writes Trelmo.Application\DefaultIcon = program, Trelmo.Document.1\DefaultIcon =
// program + ",1" and .KZT = "Trelmo.Document.1", creating the keys as needed.
void WriteRegistration(const std::string& programPath);
// Deletes the six keys of the program.
void RemoveRegistration();

// True when an option word (after '-' or '/') is a case-insensitive prefix of "unregister".
bool WantsUnregister(const std::vector<std::string>& arguments);

}  // namespace shell
