// Build tool: writes the installation medium (build/medium) that `setup` installs from.
// make_medium OUT SETUP DRAWING UNINST DATA_DIR HELP FIRST_SAMPLE SECOND_SAMPLE FONT ITALIC
#include <cstdio>

#include "setup/engine/mediumassembly.h"

int main(int argc, char** argv) {
    if (argc != 11) {
        std::fprintf(stderr,
                     "usage: make_medium OUT SETUP DRAWING UNINST DATA_DIR HELP FIRST_SAMPLE "
                     "SECOND_SAMPLE FONT ITALIC_FONT\n");
        return 2;
    }
    engine::MediumSources sources{argv[2], argv[3], argv[4], argv[5], argv[6],
                                  argv[7], argv[8], argv[9], argv[10]};
    std::string error;
    if (!engine::assembleMedium(argv[1], sources, &error)) {
        std::fprintf(stderr, "make_medium: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
