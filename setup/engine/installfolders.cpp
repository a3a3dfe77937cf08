#include "setup/engine/installfolders.h"

#include "setup/engine/language.h"

namespace engine {
namespace {

std::string withSep(std::string path, char sep) {
    if (path.empty() || path.back() != sep) path += sep;
    return path;
}

}  // namespace

std::string folderOfProgram(std::string_view programPath, char sep) {
    auto last = programPath.rfind(sep);
    if (last == std::string_view::npos) return {};
    return std::string(programPath.substr(0, last + 1));
}

InstallFolders installFolders(const wizard::SetupChoices& choices,
                              std::string_view setupProgramPath, char sep) {
    InstallFolders f;
    f.sep = sep;
    f.sourceRoot = folderOfProgram(setupProgramPath, sep);
    auto colon = f.sourceRoot.find(':');
    f.sourceDrive = colon == std::string::npos ? f.sourceRoot : f.sourceRoot.substr(0, colon + 1);
    f.product = withSep(choices.destinationBase + choices.productFolder, sep);
    f.solver = f.product + "Quenzor" + sep;
    const auto gen = choices.generatorLanguage;
    f.generator =
        f.product + byLanguage<const char*>(gen, "Holmask", "Brantov", "Konstrel", "Brantov") + sep;
    f.drawing = f.product +
                byLanguage<const char*>(choices.drawingProgramLanguage, "Trelmo", "Draw", "Planzar",
                                        "Draw") +
                sep;
    f.dictionary = f.product + "Dic" + sep;
    f.mediumDictionary = f.sourceRoot + "Dic" + sep;
    const std::string s(1, sep);
    f.mediumStorage = f.sourceRoot +
                      byLanguage<std::string>(gen, "DK" + s + "Lager", "D" + s + "Lagern",
                                              "Es" + s + "Magasin", "Us" + s + "Store") +
                      sep;
    f.storage =
        f.product + byLanguage<const char*>(gen, "Lager", "Lagern", "Magasin", "Store") + sep;
    const bool danishDrawing = langOf(choices.drawingProgramLanguage) == Lang::Danish;
    f.mediumPictures = f.sourceRoot + (danishDrawing ? "BMPS" : "Bmps") + sep;
    f.pixFolder = f.product + (danishDrawing ? "Billeder" : "Bmps");
    f.pictures = f.pixFolder + sep;
    f.registeredPictures = f.product + "Bmps";
    f.programGroup = choices.startMenuPrograms + choices.programFolder;
    if (!choices.programFolder.empty()) f.programGroup += sep;
    f.fonts = f.sourceRoot + "Fonts" + sep;
    return f;
}

}  // namespace engine
