#include "batch.h"

#include <string_view>

#include "batch_commands.h"

namespace shell {

namespace {

using Command = int (*)(int argc, char** argv);

struct BatchCommand {
    std::string_view name;
    Command run;
};

// Each command gets argv from its own name on.
constexpr BatchCommand kCommands[] = {
    {"--save", runSave},
    {"--words", runWords},
    {"--render", runRender},
};

}  // namespace

std::optional<int> runBatchCommand(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    const std::string_view name = argv[1];
    for (const BatchCommand& command : kCommands)
        if (command.name == name) return command.run(argc - 1, argv + 1);
    return std::nullopt;
}

}  // namespace shell
