#include "setup/wizard/core/neededspace.h"

#include <cmath>

namespace wizard {

namespace {

constexpr double solverMb = 88;
constexpr double compactSolverSavingMb = 85;
constexpr double generatorMb = 20;
constexpr double drawingProgramMb = 160;
constexpr double commonFilesMb = 3;
constexpr double browserInstallerMb = 160;

// std::nearbyint rounds in the current mode, which is to-nearest-even unless someone changed it.
long long roundHalfEven(double x) { return std::llrint(x); }

}  // namespace

bool browserInstallerNeeded(const Probes& probes) {
    if (!probes.htmHandler) return true;
    return probes.windows95 && (!probes.chmHandler || !probes.dcomEnabled);
}

double neededSpaceMb(const SetupChoices& choices, const Probes& probes) {
    double total = 0;
    if (choices.installSolver) {
        total += solverMb;
        if (choices.solverCompact) total -= compactSolverSavingMb;
    }
    if (choices.installGenerator) total += generatorMb;
    if (choices.installDrawingProgram) total += drawingProgramMb;
    if (total <= 0.004) return total;
    total += commonFilesMb;
    if (browserInstallerNeeded(probes)) total += browserInstallerMb;
    return total;
}

std::string formatNeededSpace(double neededMb) {
    if (neededMb >= 2) return std::to_string(roundHalfEven(neededMb)) + " Mb";
    return std::to_string(roundHalfEven(neededMb * 1024)) + " Kb";
}

std::int32_t megabytesOf(double bytes) {
    return static_cast<std::int32_t>(roundHalfEven(bytes / 1048576.0));
}

bool enoughSpace(std::int32_t freeMb, double neededMb) { return !(freeMb < neededMb); }

}  // namespace wizard
