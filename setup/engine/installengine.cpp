#include "setup/engine/installengine.h"

#include <filesystem>

#include "platform/messages.h"
#include "platform/paths.h"
#include "setup/engine/filecopy.h"
#include "setup/engine/language.h"
#include "setup/engine/manifest.h"
#include "setup/engine/registration.h"
#include "setup/wizard/core/texts.h"
#include "setup/wizard/core/wizardmessages.h"

namespace engine {
namespace fs = std::filesystem;

namespace {

constexpr int kProgressMax = 100;

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

const char* wordListLabel(LanguageCode ui) {
    return byLanguage<const char*>(ui, "for tegneprogrammet",
                                   "Ritzkel \xFC"
                                   "berschreiben",
                                   "para el Planzor", "for Vartel");
}

const char* dictionarySuffix(LanguageCode ui) {
    return byLanguage<const char*>(ui, " for byggeprogrammet",
                                   " f\xFCr den Generator \xFC"
                                   "berschreiben",
                                   " para el Konstrel", " for Brantov");
}

const char* overwritePrefix(LanguageCode ui) {
    return byLanguage<const char*>(
        ui,
        "Vil du overskrive de \xE6ndringer du har lavet til ordforr\xE5"
        "det ",
        "M\xF6"
        "chten Sie die \xC4nderungen f\xFCr das W\xF6rterbuch ",
        "Desea sustituir los cambios que Ud. ha debo en el diccionario ",
        "Do you want to overwrite the changes, that you have made to the dictionary ");
}

}  // namespace

bool CopyingView::confirm(const std::string& question, wizard::LanguageCode) {
    return wizard::confirm(question);
}

InstallEngine::InstallEngine(wizard::SetupChoices& choices, CopyingView& view,
                             std::string setupProgramPath, wizard::LanguageCode uiLanguage)
    : choices_(choices),
      view_(view),
      setupProgramPath_(std::move(setupProgramPath)),
      ui_(uiLanguage) {}

InstallResult InstallEngine::run() {
    if (ran_) {
        log_.close();
        return InstallResult::AlreadyRan;
    }
    ran_ = true;
    InstallResult result = InstallResult::Completed;
    try {
        install();
    } catch (const Stop&) {
        result = InstallResult::Stopped;
    }
    view_.setBusy(false);
    log_.close();
    return result;
}

void InstallEngine::advance(int steps) {
    progress_ = std::min(kProgressMax, progress_ + steps);
    view_.setProgress(progress_);
}

std::string InstallEngine::onMedium(const std::string& path) const {
    // The medium's files are matched without regard to letter case ("BMPS" finds "Bmps").
    if (exists(path)) return path;
    if (auto found = platform::findPathNoCase(path)) return *found;
    return path;
}

void InstallEngine::stopWithCopyFailure(const std::string& source, const std::string& target) {
    platform::showMessage(wizard::copyFailureText(ui_, source, target),
                          wizard::wizardTexts(ui_).copyFailureCaption);
    throw Stop{};
}

void InstallEngine::engineCopy(const std::string& source, const std::string& target) {
    if (copyFile(onMedium(source), target, &log_) == CopyOutcome::Failed)
        stopWithCopyFailure(source, target);
    advance(step_);
}

void InstallEngine::copyWholeFolder(const std::string& mediumFolder,
                                    const std::string& targetFolder) {
    std::string failedSource, failedTarget;
    const int savedStep = step_;
    step_ = 0;
    if (!copyFolder(onMedium(mediumFolder), targetFolder, &log_, failedSource, failedTarget))
        stopWithCopyFailure(failedSource, failedTarget);
    step_ = savedStep;
    advance(1);
}

bool InstallEngine::askOverwrite(const std::string& mediumPath, const std::string& targetPath,
                                 const std::string& label) {
    if (sameSize(onMedium(mediumPath), targetPath)) return true;
    const bool yes = view_.confirm(overwritePrefix(ui_) + label + "?", ui_);
    view_.repaint();
    return yes;
}

void InstallEngine::install() {
    view_.repaint();
    view_.setBusy(true);
    advance(step_);

    folders_ = installFolders(choices_, setupProgramPath_, '/');
    choices_.ie5Folder = folders_.sourceRoot + "ie5/";
    choices_.hhUpdFolder = folders_.sourceRoot + "HHUpd/";
    Registration registration(choices_, folders_, ui_);
    registration.writeMediumLocation();

    if (choices_.installDrawingProgram) checkDrawingProgram();
    if (choices_.installGenerator) checkGenerator();

    makePath(folders_.product);
    log_.open(folders_.product + "UnInst.inf");
    makePath(folders_.programGroup);

    engineCopy(folders_.sourceRoot + "UnInst.exe", folders_.product + "UnInst.exe");
    registration.installFonts();
    registration.generatorAndDrawingHelpShortcuts();
    if (langOf(ui_) == Lang::Danish)
        engineCopy(folders_.sourceRoot + "Startup.bmp", folders_.product + "Startup.bmp");
    registration.solverHelpShortcut();

    if (choices_.installSolver) {
        installSolver();
        registration.solverShortcut();
        advance(step_);
        registration.solverValues();
    }
    registration.uninstallInformation();
    if (choices_.installGenerator) {
        installGenerator();
        registration.generatorKeys();
        registration.generatorShortcut();
        advance(step_);
    }
    if (choices_.installDrawingProgram) {
        installDrawingProgram();
        registration.drawingShortcut();
        advance(step_);
        registration.drawingKey();
    }
    registration.programGroup();
    registration.settingsLines();
    registration.uninstallEntry();

    progress_ = kProgressMax;
    view_.setProgress(progress_);
    view_.openCompletion();
}

void InstallEngine::checkDrawingProgram() {
    const auto* data =
        findEntry(Group::WordList, Role::WordListData, langBit(choices_.drawingProgramLanguage));
    wordListApproved_ = askOverwrite(folders_.sourceRoot + data->name,
                                     folders_.drawing + data->name, wordListLabel(ui_));
    checkLibraries(folders_.drawing, true);
}

void InstallEngine::checkGenerator() {
    checkLibraries(folders_.generator, false);
    int index = 0;
    const unsigned bit = langBit(choices_.generatorLanguage);
    for (const auto& e : manifest()) {
        if (e.group != Group::GeneratorDictionaries || !(e.languages & bit)) continue;
        const std::string name = e.name;
        dictionaryApproved_[index++] =
            askOverwrite(folders_.mediumDictionary + name, folders_.dictionary + name,
                         "'" + name + "'" + dictionarySuffix(ui_));
    }
}

void InstallEngine::checkLibraries(const std::string& programFolder, bool drawing) {
    for (const char* name : drawing ? drawingProgramLibraries() : generatorLibraries()) {
        const std::string medium = onMedium(folders_.sourceRoot + name);
        const std::string installed = programFolder + name;
        // The installed library is matched without regard to case, as Windows would.
        const std::string present =
            platform::findFileNoCase(programFolder, name).value_or(installed);
        if (!sameSize(medium, present)) stopWithCopyFailure(folders_.sourceRoot + name, installed);
    }
}

void InstallEngine::copyGroup(Group group, unsigned languageBit, const std::string& targetFolder,
                              const std::string& mediumFolder) {
    for (const auto& e : manifest()) {
        if (e.group != group || !(e.languages & languageBit)) continue;
        engineCopy(mediumFolder + e.onMedium(), targetFolder + e.name);
    }
}

void InstallEngine::installSolver() {
    makePath(folders_.solver);
    const auto& root = folders_.sourceRoot;
    copyGroup(Group::SolverProgram, langBit(ui_), folders_.solver, root);
    copyGroup(Group::SolverHelp, langBit(choices_.solverHelpLanguage), folders_.solver, root);
    if (!choices_.solverCompact)
        copyGroup(Group::SolverDictionaries, langBit(ui_), folders_.solver, root);
}

void InstallEngine::installGenerator() {
    makePath(folders_.generator);
    const auto& root = folders_.sourceRoot;
    const auto& target = folders_.generator;
    const unsigned bit = langBit(choices_.generatorLanguage);
    step_ = 0;
    copyGroup(Group::GeneratorTemplates, AllLanguages, target, root);
    step_ = 1;
    copyGroup(Group::GeneratorLanguage, bit, target, root);
    copyGroup(Group::GeneratorShared, AllLanguages, target, root);
    copyGroup(Group::GeneratorLibraries, AllLanguages, target, root);
    for (int which = 0; which < 2; ++which) {
        const std::string folder = generatorTemplateFolder(choices_.generatorLanguage, which);
        copyWholeFolder(root + folder + "/", target + folder + "/");
    }
    copyWholeFolder(folders_.mediumStorage, folders_.storage);
    makePath(folders_.dictionary);
    int index = 0;
    for (const auto& e : manifest()) {
        if (e.group != Group::GeneratorDictionaries || !(e.languages & bit)) continue;
        if (dictionaryApproved_[index++])
            engineCopy(folders_.mediumDictionary + e.name, folders_.dictionary + e.name);
    }
}

void InstallEngine::installDrawingProgram() {
    makePath(folders_.drawing);
    const auto& root = folders_.sourceRoot;
    const auto& target = folders_.drawing;
    const unsigned bit = langBit(choices_.drawingProgramLanguage);
    copyGroup(Group::DrawingProgram, bit, target, root);
    copyGroup(Group::DrawingFiles, AllLanguages, target, root);
    copyDrawingSettings();
    copyGroup(Group::DrawingClueLayouts, AllLanguages, target, root);
    if (wordListApproved_) {
        const auto* data = findEntry(Group::WordList, Role::WordListData, bit);
        const auto* index = findEntry(Group::WordList, Role::WordListIndex, bit);
        advance(5 * step_);
        engineCopy(root + data->name, target + data->name);
        advance(5 * step_);
        engineCopy(root + index->name, target + index->name);
        advance(5 * step_);
    }
    copyGroup(Group::DrawingSamples, AllLanguages, target, root);
    const char* letters[] = {"A", "B", "C"};
    for (const char* letter : letters)
        copyWholeFolder(folders_.mediumPictures + letter + "/", folders_.pictures + letter + "/");
    engineCopy(folders_.mediumPictures + "bmps.ext", folders_.pictures + "bmps.ext");
}

void InstallEngine::copyDrawingSettings() {
    const auto* settings = findEntry(Group::DrawingSettings, Role::SettingsFile, AllLanguages);
    // A settings file the drawing program already saved is kept: replacing it with the
    // template would throw away the user's settings. It is still logged for the uninstaller.
    if (auto present = platform::findFileNoCase(folders_.drawing, settings->name)) {
        log_.append(*present);
        advance(step_);
        return;
    }
    engineCopy(folders_.sourceRoot + settings->onMedium(), folders_.drawing + settings->name);
}

}  // namespace engine
