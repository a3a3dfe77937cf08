// "UnInst.exe": removes the installation whose folder holds this program.
#include <cstdio>
#include <filesystem>

#include "platform/messages.h"
#include "setup/engine/uninstaller.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Normally the program's own folder; a folder given on the command line is used instead.
    fs::path folder =
        argc > 1 ? fs::path(argv[1]) : fs::read_symlink("/proc/self/exe", ec).parent_path();
    if (ec || folder.empty()) {
        platform::showMessage("Cannot find the folder of the installation.", "UnInst",
                              platform::Icon::Stop);
        return 2;
    }
    if (!fs::exists(folder / "UnInst.inf", ec)) {
        platform::showMessage("There is no \"UnInst.inf\" in " + folder.string() + ".", "UnInst",
                              platform::Icon::Stop);
        return 2;
    }
    const auto report = engine::uninstallProduct(fs::absolute(folder).string());
    std::printf("Removed %d files", report.filesRemoved);
    if (report.filesKept) std::printf(", kept %d", report.filesKept);
    std::printf(".\n");
    return 0;
}
