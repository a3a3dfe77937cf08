// Entry of the drawing program: batch commands run headless, anything else opens the windows.
#include <cstdio>

#include "drawing/shell/batch/batch.h"

int main(int argc, char** argv) {
    if (auto exitCode = shell::runBatchCommand(argc, argv)) return *exitCode;
    std::fprintf(stderr, "Trelmo: the windows are not built yet; use --save, --words or --render\n");
    return 1;
}
