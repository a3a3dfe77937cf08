#include "setup/engine/registration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "platform/cp1252.h"
#include "platform/paths.h"
#include "setup/engine/desktopentry.h"
#include "setup/engine/filecopy.h"
#include "setup/engine/language.h"
#include "setup/engine/manifest.h"
#include "setup/engine/registrystore.h"
#include "setup/engine/settingslines.h"
#include "setup/wizard/core/systemlookups.h"

extern char** environ;

namespace engine {
namespace {

const std::vector<std::string> kSuiteKey{"SOFTWARE", "CrossWord Fennix"};

std::vector<std::string> suiteKey(const std::string& key, const std::string& subkey) {
    auto path = kSuiteKey;
    path.push_back(key);
    path.push_back(subkey);
    return path;
}

std::string withoutSep(std::string path, char sep) {
    if (!path.empty() && path.back() == sep) path.pop_back();
    return path;
}

std::string fileOf(Group group, Role role, LanguageCode language) {
    const auto* e = findEntry(group, role, langBit(language));
    return e ? e->name : "";
}

// Runs a helper program and waits for it; its output is discarded and failures ignored.
void runQuietly(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

void Registration::writeMediumLocation() {
    writeRegistryString(Hive::LocalMachine, suiteKey("CDROM", "Install"), "Path",
                        folders_.sourceRoot);
    writeRegistryString(Hive::LocalMachine, suiteKey("CDROM", "Install"), "VersionDate",
                        "2003-01-05");
}

void Registration::installFonts() {
    const std::string fontsFolder = platform::withTrailingSeparator(fontsFolderLookup(), '/');
    makePath(fontsFolder);
    struct Font {
        const char* file;
        const char* value;
    };
    const Font fonts[] = {{"techncln.ttf", "Technical (TrueType)"},
                          {"techncli.ttf", "Technical Italic (TrueType)"}};
    for (const auto& font : fonts)
        copyFile(folders_.fonts + font.file, fontsFolder + font.file, nullptr, true);
    // The fonts are usable at once only when fontconfig has looked at the folder again.
    runQuietly({"fc-cache", "-f", fontsFolder});
    const std::vector<std::string> fontsKey{"SOFTWARE", "Microsoft", "Windows", "CurrentVersion",
                                            "Fonts"};
    for (const auto& font : fonts)
        if (readRegistryString(Hive::LocalMachine, fontsKey, font.value).empty())
            writeRegistryString(Hive::LocalMachine, fontsKey, font.value, font.file);
}

void Registration::helpShortcut(const std::string& name, const std::string& description,
                                const std::string& target) {
    createShortcut(target, folders_.programGroup + desktopFileName(name), name, description,
                   folders_.product);
}

void Registration::programShortcut(const std::string& folder, Group group, LanguageCode language,
                                   const std::string& name, const std::string& description) {
    createShortcut(folder + fileOf(group, Role::ProgramFile, language),
                   folders_.programGroup + desktopFileName(name), name, description, folder);
}

void Registration::generatorAndDrawingHelpShortcuts() {
    if (choices_.installGenerator) {
        const auto lang = choices_.generatorLanguage;
        const std::string name =
            byLanguage<const char*>(lang, "Hj\xE6lp til Holmasken", "Hilfe f\xFCr Generator",
                                    "Ayuda para El Konstrel", "Help for the Brantov");
        helpShortcut(name, name,
                     folders_.generator + fileOf(Group::GeneratorLanguage, Role::HelpFile, lang));
    }
    if (choices_.installDrawingProgram) {
        const auto lang = choices_.drawingProgramLanguage;
        const std::string name =
            byLanguage<const char*>(lang, "Hj\xE6lp til Trelmoen", "Hilfe f\xFCr Ritzkel",
                                    "Ayuda para El Planzor", "Help for the Pellomir");
        const std::string description =
            langOf(lang) == Lang::Danish ? "Hj\xE6lp til Trelmo-programmet" : name;
        helpShortcut(name, description,
                     folders_.drawing + fileOf(Group::DrawingProgram, Role::HelpFile, lang));
    }
}

void Registration::solverHelpShortcut() {
    if (!choices_.installSolver) return;
    const std::string name =
        byLanguage<const char*>(ui_, "Hj\xE6lp til L\xF8seren", "Hilfe f\xFCr L\xF6ser",
                                "Ayuda para El Solucionador", "Help for the Quenzor");
    helpShortcut(
        name, name,
        folders_.solver + fileOf(Group::SolverHelp, Role::HelpFile, choices_.solverHelpLanguage));
}

void Registration::solverShortcut() {
    const std::string name =
        byLanguage<const char*>(ui_, "L\xF8ser", "L\xF6ser", "El Solucionador", "Quenzor");
    const std::string description =
        byLanguage<const char*>(ui_, "Ord finder", "Wort finder", "Buscar palabras", "Find words");
    programShortcut(folders_.solver, Group::SolverProgram, ui_, name, description);
}

void Registration::solverValues() {
    writeRegistryString(Hive::LocalMachine, suiteKey("Quenzor", "InstallDir"), "Path",
                        folders_.sourceRoot);
    const auto language = suiteKey("Quenzor", "Language");
    writeRegistryDword(Hive::LocalMachine, language, "MainLanguage", choices_.solverMainLanguage);
    writeRegistryDword(Hive::LocalMachine, language, "HelpLanguage", choices_.solverHelpLanguage);
    writeRegistryDword(Hive::LocalMachine, language, "DictionaryLanguage",
                       choices_.solverDictionaryLanguage);
    writeRegistryString(Hive::LocalMachine, suiteKey("Quenzor", "Quickstart"), "ShowQuickStart",
                        "Yes");
    writeRegistryDword(Hive::LocalMachine, suiteKey("Quenzor", "Dictionary"), "DictionaryNo",
                       byLanguage(ui_, 3, 1, 5, 4));
}

void Registration::uninstallInformation() {
    const auto key = suiteKey("Quenzor", "UnInstallInfo");
    writeRegistryString(Hive::LocalMachine, key, "InstalledTo", folders_.product);
    writeRegistryString(Hive::LocalMachine, key, "FolderLocation", folders_.programGroup);
}

namespace {
struct GeneratorValues {
    std::string dictionary, templates, modelAndWalk, storage;
};

GeneratorValues generatorValues(const InstallFolders& f, LanguageCode lang) {
    const std::string s(1, f.sep);
    const std::string folder =
        byLanguage<const char*>(lang, "Holmask", "Brantov", "Konstrel", "Brantov");
    return {f.product + "Dic", f.product + folder + s + generatorTemplateFolder(lang, 0),
            f.product + folder + s + generatorTemplateFolder(lang, 1),
            withoutSep(f.storage, f.sep)};
}
}  // namespace

void Registration::generatorKeys() {
    const auto v = generatorValues(folders_, choices_.generatorLanguage);
    auto write = [](const char* subkey, const std::string& value) {
        writeRegistryString(Hive::ClassesRoot, {"W7.Application", subkey}, "", value);
    };
    write("Dictionary", v.dictionary);
    write("Skabelon", v.templates);
    write("ModelOgVej", v.modelAndWalk);
    write("Gemmested", v.storage);
    write("CDRom", withoutSep(folders_.sourceRoot, folders_.sep));
}

void Registration::generatorShortcut() {
    const auto lang = choices_.generatorLanguage;
    const std::string name =
        byLanguage<const char*>(lang, "Holmask", "Generator", "El Konstrel", "Brantov");
    programShortcut(folders_.generator, Group::GeneratorLanguage, lang, name, "Generator");
}

void Registration::drawingShortcut() {
    const auto lang = choices_.drawingProgramLanguage;
    const std::string name =
        byLanguage<const char*>(lang, "Trelmo", "Ritzkel", "El Planzor", "Pellomir");
    programShortcut(folders_.drawing, Group::DrawingProgram, lang, name, "Designer");
}

void Registration::drawingKey() {
    writeRegistryString(Hive::ClassesRoot, {"Trelmo.Application", "Tegninger"}, "",
                        folders_.registeredPictures);
}

void Registration::programGroup() {
    std::string programs =
        platform::withTrailingSeparator(wizard::startMenuProgramsFolder(), folders_.sep);
    if (programs.size() > 255) programs.resize(255);
    if (!platform::equalsNoCase(programs, choices_.startMenuPrograms)) return;
    // The group command is cut as the program manager's command buffer would cut it; the name
    // the menu shows is what survives of it.
    std::string command = "[CreateGroup(" + choices_.programFolder + ")]\r\n";
    if (command.size() > 255) command.resize(255);
    std::string name = command.substr(13);
    if (auto end = name.rfind(")]"); end != std::string::npos) name.resize(end);
    createMenuGroup(name, folders_.programGroup);
}

void Registration::settingsLines() {
    if (choices_.installDrawingProgram) {
        const auto* settings = findEntry(Group::DrawingSettings, Role::SettingsFile, AllLanguages);
        const auto present = platform::findFileNoCase(folders_.drawing, settings->name);
        if (present) setPictureFolderLine(*present, folders_.pixFolder);
    }
    if (choices_.installGenerator) {
        const auto lang = choices_.generatorLanguage;
        const auto v = generatorValues(folders_, lang);
        appendSettingsLines(
            folders_.generator + fileOf(Group::GeneratorLanguage, Role::SettingsFile, lang),
            {"Gemmested=" + v.storage, "Skabelon=" + v.templates, "CDRom=" + folders_.sourceDrive,
             "Dictionary=" + v.dictionary, "ModelOgVej=" + v.modelAndWalk,
             "Parametre=" + v.modelAndWalk});
    }
}

void Registration::uninstallEntry() {
    const std::vector<std::string> key{"SOFTWARE",       "Microsoft", "Windows",
                                       "CurrentVersion", "UnInstall", "CrossWord Fennix"};
    writeRegistryString(
        Hive::LocalMachine, key, "DisplayName",
        byLanguage<const char*>(ui_, "Kryds og Tv\xE6rs programmer", "Kreuzwortr\xE4tselprogrammen",
                                "Programas de Crucigramas", "Crossword programs"));
    writeRegistryString(Hive::LocalMachine, key, "UninstallString",
                        folders_.product + "UnInst.exe");
}

}  // namespace engine
