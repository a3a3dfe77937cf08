#include "setup/engine/installfolders.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

wizard::SetupChoices windowsChoices(wizard::LanguageCode drawing, wizard::LanguageCode generator) {
    wizard::SetupChoices c;
    c.destinationBase = "C:\\Program Files\\";
    c.productFolder = "Crossword Fennix";
    c.drawingProgramLanguage = drawing;
    c.generatorLanguage = generator;
    c.startMenuPrograms = "C:\\Windows\\Start Menu\\Programs\\";
    c.programFolder = "Crossword";
    return c;
}

TEST(InstallFolders, EnglishInstallationFromACd) {
    const auto f = installFolders(windowsChoices(9, 9), "D:\\setup.exe", '\\');
    EXPECT_EQ(f.sourceRoot, "D:\\");
    EXPECT_EQ(f.sourceDrive, "D:");
    EXPECT_EQ(f.product, "C:\\Program Files\\Crossword Fennix\\");
    EXPECT_EQ(f.solver, "C:\\Program Files\\Crossword Fennix\\Quenzor\\");
    EXPECT_EQ(f.generator, "C:\\Program Files\\Crossword Fennix\\Brantov\\");
    EXPECT_EQ(f.drawing, "C:\\Program Files\\Crossword Fennix\\Draw\\");
    EXPECT_EQ(f.mediumDictionary, "D:\\Dic\\");
    EXPECT_EQ(f.mediumStorage, "D:\\Us\\Store\\");
    EXPECT_EQ(f.storage, "C:\\Program Files\\Crossword Fennix\\Store\\");
    EXPECT_EQ(f.mediumPictures, "D:\\Bmps\\");
    EXPECT_EQ(f.pictures, "C:\\Program Files\\Crossword Fennix\\Bmps\\");
    EXPECT_EQ(f.registeredPictures, "C:\\Program Files\\Crossword Fennix\\Bmps");
    EXPECT_EQ(f.programGroup, "C:\\Windows\\Start Menu\\Programs\\Crossword\\");
}

TEST(InstallFolders, LanguagesChooseFoldersDanishPicturesRegisterAsBmps) {
    struct Case {
        wizard::LanguageCode language;
        const char *generator, *drawing, *mediumStorage, *storage, *pictures;
    } cases[] = {
        {6, "Holmask\\", "Trelmo\\", "DK\\Lager\\", "Lager\\", "Billeder"},
        {7, "Brantov\\", "Draw\\", "D\\Lagern\\", "Lagern\\", "Bmps"},
        {10, "Konstrel\\", "Planzar\\", "Es\\Magasin\\", "Magasin\\", "Bmps"},
        {3, "Brantov\\", "Draw\\", "Us\\Store\\", "Store\\", "Bmps"},
    };
    const std::string product = "C:\\Program Files\\Crossword Fennix\\";
    for (const auto& c : cases) {
        const auto f =
            installFolders(windowsChoices(c.language, c.language), "E:\\cd\\setup.exe", '\\');
        EXPECT_EQ(f.generator, product + c.generator) << c.language;
        EXPECT_EQ(f.drawing, product + c.drawing) << c.language;
        EXPECT_EQ(f.mediumStorage, std::string("E:\\cd\\") + c.mediumStorage) << c.language;
        EXPECT_EQ(f.storage, product + c.storage) << c.language;
        EXPECT_EQ(f.pixFolder, product + c.pictures) << c.language;
        EXPECT_EQ(f.registeredPictures, product + "Bmps") << c.language;
    }
}

TEST(InstallFolders, LinuxMediumHasNoDriveAndAnUnnamedGroupIsTheProgramsFolder) {
    auto c = windowsChoices(9, 9);
    c.destinationBase = "/home/ann/.local/opt/";
    c.productFolder = "Crossword Fennix";
    c.startMenuPrograms = "/home/ann/.local/share/applications/";
    c.programFolder = "";
    const auto f = installFolders(c, "/media/cd/setup", '/');
    EXPECT_EQ(f.sourceRoot, "/media/cd/");
    EXPECT_EQ(f.sourceDrive, "/media/cd/");
    EXPECT_EQ(f.product, "/home/ann/.local/opt/Crossword Fennix/");
    EXPECT_EQ(f.programGroup, "/home/ann/.local/share/applications/");
    EXPECT_EQ(f.fonts, "/media/cd/Fonts/");
}

}  // namespace
}  // namespace engine
