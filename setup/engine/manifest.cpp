#include "setup/engine/manifest.h"

#include <array>

namespace engine {
namespace {

using G = Group;
using R = Role;
using M = MediumSource;
constexpr unsigned All = AllLanguages;

// clang-format off
constexpr ManifestEntry kManifest[] = {
    // The drawing program.
    {G::DrawingProgram, Da, "Trelmo.exe", nullptr, R::ProgramFile, M::DrawingProgram},
    {G::DrawingProgram, Da, "Trelmo.chm", nullptr, R::HelpFile, M::DrawingHelp},
    {G::DrawingProgram, De, "Ritzkel.exe", nullptr, R::ProgramFile, M::DrawingProgram},
    {G::DrawingProgram, De, "Ritzkel.chm", nullptr, R::HelpFile, M::DrawingHelp},
    {G::DrawingProgram, Es, "planzar.exe", nullptr, R::ProgramFile, M::DrawingProgram},
    {G::DrawingProgram, Es, "planzar.chm", nullptr, R::HelpFile, M::DrawingHelp},
    {G::DrawingProgram, En, "Vartel.exe", nullptr, R::ProgramFile, M::DrawingProgram},
    {G::DrawingProgram, En, "Vartel.chm", nullptr, R::HelpFile, M::DrawingHelp},
    {G::DrawingFiles, All, "kryds.class", nullptr, R::Plain, M::Placeholder},
    {G::DrawingFiles, All, "Picmaru.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingFiles, All, "grammar.hac", nullptr, R::Plain, M::DataFile},
    {G::DrawingFiles, All, "synkilde.hac", nullptr, R::Plain, M::DataFile},
    {G::DrawingFiles, All, "ordkilde.hac", nullptr, R::Plain, M::DataFile},
    {G::DrawingFiles, All, "Lexnode.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingSettings, All, "trelmo.ini", "trelmo.in_", R::SettingsFile, M::DataFile},
    {G::DrawingClueLayouts, All, "gempoint.cnf", nullptr, R::Plain, M::DataFile},
    {G::WordList, Da | De, "ordfil.dat", nullptr, R::WordListData, M::Placeholder},
    {G::WordList, Da | De, "ordfil.idx", nullptr, R::WordListIndex, M::Placeholder},
    {G::WordList, Es, "palabras.dat", nullptr, R::WordListData, M::Placeholder},
    {G::WordList, Es, "palabras.idx", nullptr, R::WordListIndex, M::Placeholder},
    {G::WordList, En, "xwords.dat", nullptr, R::WordListData, M::Placeholder},
    {G::WordList, En, "xwords.idx", nullptr, R::WordListIndex, M::Placeholder},
    {G::DrawingSamples, All, "primero.kzt", nullptr, R::Plain, M::Example},
    {G::DrawingSamples, All, "Bds52f.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingSamples, All, "Cw3220.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingSamples, All, "Cw3230.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingSamples, All, "Owl52f.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingSamples, All, "Bwcc.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingSamples, All, "Owl52.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingSamples, All, "Bw320007.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingSamples, All, "prueba.kzt", nullptr, R::Plain, M::Example},
    {G::DrawingSamples, All, "Bw320009.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingSamples, All, "Bw32000c.dll", nullptr, R::Plain, M::Placeholder},
    {G::DrawingSamples, All, "Bwcc32.dll", nullptr, R::Plain, M::Placeholder},

    // The solver. The Spanish build stores the one program file under its Spanish name.
    {G::SolverProgram, Da | De | En, "Quenzor.exe", nullptr, R::ProgramFile, M::Placeholder},
    {G::SolverProgram, Es, "Solucion.exe", "Quenzor.exe", R::ProgramFile, M::Placeholder},
    {G::SolverHelp, Da, "QuenzDa.chm", nullptr, R::HelpFile, M::Placeholder},
    {G::SolverHelp, De, "QuenzDe.chm", nullptr, R::HelpFile, M::Placeholder},
    {G::SolverHelp, Es, "QuenzEs.chm", nullptr, R::HelpFile, M::Placeholder},
    {G::SolverHelp, En, "QuenzEn.chm", nullptr, R::HelpFile, M::Placeholder},
    {G::SolverDictionaries, Da, "SolvDa1.cff", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, Da, "SolvDa2.cff", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, Da, "SolvDa.ccf", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, De, "SolvDe1.cff", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, De, "SolvDe2.cff", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, De, "SolvDe3.cff", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, De, "SolvDe4.cff", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, De, "SolvDe1.ccf", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, De, "SolvDe2.ccf", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, Es, "SolvEs1.cff", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, Es, "SolvEs2.cff", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, Es, "SolvEs.ccf", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, En, "SolvEn1.cff", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, En, "SolvEn2.cff", nullptr, R::Plain, M::Placeholder},
    {G::SolverDictionaries, En, "SolvEn.ccf", nullptr, R::Plain, M::Placeholder},

    // The generator: 23 crossword templates for every language.
    {G::GeneratorTemplates, All, "Skab01.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab02.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab03.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab04.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab05.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab06.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab07.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab08.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab09.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab10.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab11.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab12.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab13.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab14.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab15.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab16.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab17.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab18.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab19.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab20.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab21.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab22.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorTemplates, All, "Skab23.skb", nullptr, R::Plain, M::Placeholder},
    // The language group: program, help, settings files (the first receives the settings
    // lines) and templates.
    {G::GeneratorLanguage, Da, "Holmask.exe", nullptr, R::ProgramFile, M::Placeholder},
    {G::GeneratorLanguage, Da, "Holmask.chm", nullptr, R::HelpFile, M::Placeholder},
    {G::GeneratorLanguage, Da, "Holmask.ini", "Holmask.in_", R::SettingsFile, M::Placeholder},
    {G::GeneratorLanguage, Da, "Ordvalg.ini", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, Da, "Dansk1.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, Da, "Dansk2.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, Da, "Dansk3.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, Da, "Dansk4.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, De, "Generator.exe", nullptr, R::ProgramFile, M::Placeholder},
    {G::GeneratorLanguage, De, "Generator.chm", nullptr, R::HelpFile, M::Placeholder},
    {G::GeneratorLanguage, De, "Generator.ini", "Generator.in_", R::SettingsFile, M::Placeholder},
    {G::GeneratorLanguage, De, "Wortwahl.ini", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, De, "Deutsch1.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, De, "Deutsch2.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, De, "Deutsch3.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, De, "Deutsch4.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, Es, "Konstrel.exe", nullptr, R::ProgramFile, M::Placeholder},
    {G::GeneratorLanguage, Es, "Konstrel.chm", nullptr, R::HelpFile, M::Placeholder},
    {G::GeneratorLanguage, Es, "Konstrel.ini", "Konstrel.in_", R::SettingsFile, M::Placeholder},
    {G::GeneratorLanguage, Es, "Eleccion.ini", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, Es, "Palabras.ini", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, En, "Brantov.exe", nullptr, R::ProgramFile, M::Placeholder},
    {G::GeneratorLanguage, En, "Brantov.chm", nullptr, R::HelpFile, M::Placeholder},
    {G::GeneratorLanguage, En, "Brantov.ini", "Brantov.in_", R::SettingsFile, M::Placeholder},
    {G::GeneratorLanguage, En, "English1.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, En, "English2.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, En, "English3.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLanguage, En, "English4.skb", nullptr, R::Plain, M::Placeholder},
    // Shared data: 2 word lists, 6 models of three files, 1 template, 1 word list, 2 parameters.
    {G::GeneratorShared, All, "Ordliste1.txt", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Ordliste2.txt", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model1.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model1.kzt", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model1.vej", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model2.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model2.kzt", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model2.vej", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model3.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model3.kzt", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model3.vej", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model4.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model4.kzt", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model4.vej", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model5.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model5.kzt", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model5.vej", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model6.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model6.kzt", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Model6.vej", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Tom.skb", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Stopord.txt", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Standard.par", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorShared, All, "Ekstra.par", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLibraries, All, "Bw320007.dll", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLibraries, All, "Bw320009.dll", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLibraries, All, "Bw32000c.dll", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLibraries, All, "Bwcc32.dll", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLibraries, All, "cw3220.dll", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLibraries, All, "Bds52f.dll", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLibraries, All, "Bwcc.dll", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLibraries, All, "Cw3230.dll", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLibraries, All, "Owl52.dll", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorLibraries, All, "Owl52f.dll", nullptr, R::Plain, M::Placeholder},
    // Dictionaries, asked about one by one and copied from the medium's "Dic" folder.
    {G::GeneratorDictionaries, Da, "DanskA.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, Da, "DanskB.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, Da, "DanskC.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, Da, "DanskD.ccf", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, De, "DeutschA.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, De, "DeutschB.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, De, "DeutschC.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, De, "DeutschD.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, De, "DeutschE.ccf", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, De, "DeutschF.ccf", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, Es, "EspanolA.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, Es, "EspanolB.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, Es, "EspanolC.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, Es, "EspanolD.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, Es, "EspanolE.ccf", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, En, "EnglishA.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, En, "EnglishB.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, En, "EnglishC.cff", nullptr, R::Plain, M::Placeholder},
    {G::GeneratorDictionaries, En, "EnglishD.ccf", nullptr, R::Plain, M::Placeholder},
};

constexpr const char* kDrawingLibraries[] = {
    "Picmaru.dll", "Lexnode.dll", "Bw320007.dll", "Bw320009.dll", "Bw32000c.dll",
    "Bds52f.dll",  "Cw3220.dll",  "Cw3230.dll",   "Owl52.dll",    "Owl52f.dll",
    "Bwcc.dll",    "Bwcc32.dll",  "Bw3220.dll",
};

constexpr const char* kGeneratorLibraries[] = {
    "Bw320007.dll", "Bw320009.dll", "Bw32000c.dll", "Bds52f.dll", "Bwcc.dll",
    "Cw3230.dll",   "Owl52.dll",    "Owl52f.dll",   "Bwcc32.dll",
};

constexpr MediumFolder kMediumFolders[] = {
    {"Bmps/A", true},       {"Bmps/B", true},     {"Bmps/C", true},
    {"Model", false},       {"Vej", false},       {"Skabelon", false},
    {"Walk", false},        {"DK/Lager", false},  {"D/Lagern", false},
    {"Es/Magasin", false},  {"Us/Store", false},
};
// clang-format on

}  // namespace

std::span<const ManifestEntry> manifest() { return kManifest; }
std::span<const char* const> drawingProgramLibraries() { return kDrawingLibraries; }
std::span<const char* const> generatorLibraries() { return kGeneratorLibraries; }
std::span<const MediumFolder> mediumFolders() { return kMediumFolders; }

const ManifestEntry* findEntry(Group group, Role role, unsigned languageBit) {
    for (const auto& e : kManifest)
        if (e.group == group && e.role == role && (e.languages & languageBit)) return &e;
    return nullptr;
}

const char* generatorTemplateFolder(LanguageCode generatorLanguage, int which) {
    const bool danish = langOf(generatorLanguage) == Lang::Danish;
    if (which == 0) return danish ? "Model" : "Skabelon";
    return danish ? "Vej" : "Walk";
}

}  // namespace engine
