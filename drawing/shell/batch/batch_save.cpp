#include <cstdio>

#include "batch.h"
#include "batch_commands.h"
#include "drawing/document/kztfile.h"

namespace shell {

int runSave(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: Trelmo --save IN OUT\n");
        return kExitUsage;
    }
    document::Crossword doc;
    if (document::Load(doc, argv[1]) != document::LoadResult::Loaded) return kExitRefused;
    return document::Save(doc, argv[2]) ? kExitOk : kExitRefused;
}

}  // namespace shell
