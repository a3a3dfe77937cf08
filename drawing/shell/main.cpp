// Entry of the drawing program: batch commands run headless, --handover plays the generator's
// part of the hand-over, anything else opens the windows.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

#include "drawing/shell/batch/batch.h"
#include "drawing/shell/handover.h"
#include "drawing/shell/trelmoapp.h"
#include "platform/messages.h"
#include "platform/qt/qtmessages.h"

namespace {

// `Trelmo --handover PATH` (message 1: open PATH) or `Trelmo --handover-raise` (message 2).
std::optional<int> runHandOver(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    int wParam = 0;
    std::string path;
    if (std::strcmp(argv[1], "--handover") == 0) {
        if (argc != 3) {
            std::fprintf(stderr, "usage: Trelmo --handover PATH\n");
            return shell::kExitUsage;
        }
        wParam = 1;
        path = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2])).toStdString();
    } else if (std::strcmp(argv[1], "--handover-raise") == 0) {
        wParam = 2;
    } else {
        return std::nullopt;
    }
    QCoreApplication core(argc, argv);
    std::string error;
    if (!shell::SendHandOver(path, wParam, &error)) {
        std::fprintf(stderr, "Trelmo: hand-over failed: %s\n", error.c_str());
        return shell::kExitRefused;
    }
    return shell::kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    if (auto exitCode = shell::runBatchCommand(argc, argv)) return *exitCode;
    if (auto exitCode = runHandOver(argc, argv)) return *exitCode;

    QApplication qtApp(argc, argv);
    platform::QtMessages messages;
    platform::ScopedMessageService useBoxes(messages);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    // The word-base access is made here once the word base is part of the program.
    shell::TTrelmoApp app(QDir::currentPath().toStdString());
    app.InitInstance(arguments);
    return QApplication::exec();
}
