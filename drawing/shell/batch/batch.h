#pragma once
// The headless command-line front of the drawing program: the same code as the windows,
// for batch work and for checking. Messages go to standard error.
#include <optional>

namespace shell {

// Exit codes of every batch command.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitRefused = 2;  // load refused or output not written

// Runs the batch command named by argv[1] (--save, --words, --render, ...).
// Returns nothing when argv names no batch command, so the windows start instead.
std::optional<int> runBatchCommand(int argc, char** argv);

}  // namespace shell
