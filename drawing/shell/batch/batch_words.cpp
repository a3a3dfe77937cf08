#include <cstdio>
#include <cstring>
#include <vector>

#include "batch.h"
#include "batch_commands.h"
#include "drawing/document/kztfile.h"

namespace shell {

namespace {

// "across 0 3,1 HEST": letters as the 1252 bytes stored in the grid.
void printRuns(const char* direction, const std::vector<document::GridWord>& runs) {
    for (const document::GridWord& run : runs) {
        std::printf("%s %d %d,%d ", direction, run.number, run.column, run.row);
        std::fwrite(run.letters, 1, strnlen(run.letters, sizeof run.letters), stdout);
        std::fputc('\n', stdout);
    }
}

}  // namespace

int runWords(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: Trelmo --words IN\n");
        return kExitUsage;
    }
    document::Crossword doc;
    if (document::Load(doc, argv[1]) != document::LoadResult::Loaded) return kExitRefused;
    std::vector<document::GridWord> across(doc.grid.CountAcross());
    std::vector<document::GridWord> down(doc.grid.CountDown());
    doc.grid.ListAcross(across.data());
    doc.grid.ListDown(down.data());
    printRuns("across", across);
    printRuns("down", down);
    return std::fflush(stdout) == 0 ? kExitOk : kExitRefused;
}

}  // namespace shell
