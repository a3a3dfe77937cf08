#pragma once
// The disk space the chosen programs need, and how the pages show it.
#include <cstdint>
#include <string>

#include "setup/wizard/setupchoices.h"

namespace wizard {

// What the prerequisite probes found on this system; each true when the component is present.
struct Probes {
    bool htmHandler = true;
    bool chmHandler = true;
    bool dcomEnabled = true;
    bool windows95 = false;
};

// True when Finish will start the browser installer, so its room is reserved in the need.
bool browserInstallerNeeded(const Probes& probes);

// Megabytes the program flags of `choices` need (0 when nothing is chosen; then the
// prerequisites are not counted either).
double neededSpaceMb(const SetupChoices& choices, const Probes& probes);

// The need as the pages show it: "271 Mb" from 2 Mb up, below that the kilobytes ("6144 Kb",
// "0 Kb"). Both round half to even.
std::string formatNeededSpace(double neededMb);

// Whole megabytes of a byte count, rounded half to even; a failed query (-1 bytes) gives 0.
std::int32_t megabytesOf(double bytes);

// The space check of Next: free space as a whole number of megabytes against the need.
bool enoughSpace(std::int32_t freeMb, double neededMb);

}  // namespace wizard
