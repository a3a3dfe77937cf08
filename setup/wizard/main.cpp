// The installation wizard `setup`.
#include <QApplication>

#include <cstring>

int main(int argc, char* argv[]) {
    // Modes without windows are dispatched here, before any window or QApplication exists.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--silent") == 0) return 1;  // not available yet
    }
    QApplication app(argc, argv);
    return 0;
}
