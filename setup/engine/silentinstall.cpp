#include "setup/engine/silentinstall.h"

#include <cstdio>
#include <cstring>
#include <sstream>

#include "platform/messages.h"
#include "setup/engine/enginecopyingstep.h"
#include "setup/engine/prerequisites.h"
#include "setup/wizard/core/systemlookups.h"

namespace engine {
namespace {

using wizard::Page;

// Presses Next on the page in front; false when the page stays (its message was shown).
bool next(wizard::Wizard& w) {
    const Page before = w.current();
    const auto depth = w.stack().size();
    w.next();
    return w.current() != before || w.stack().size() != depth || w.ended();
}

}  // namespace

std::optional<SilentOptions> parseSilentOptions(const std::vector<std::string>& args,
                                                std::string* error) {
    SilentOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--silent") continue;
        if (i + 1 >= args.size()) {
            *error = "missing value after " + a;
            return std::nullopt;
        }
        const std::string& v = args[++i];
        if (a == "--type") {
            if (v == "typical")
                o.type = wizard::SetupType::Typical;
            else if (v == "custom")
                o.type = wizard::SetupType::Custom;
            else if (v == "compact")
                o.type = wizard::SetupType::Compact;
            else {
                *error = "unknown setup type " + v;
                return std::nullopt;
            }
        } else if (a == "--programs") {
            std::vector<wizard::Program> programs;
            std::stringstream list(v);
            for (std::string p; std::getline(list, p, ',');) {
                if (p == "solver")
                    programs.push_back(wizard::Program::Solver);
                else if (p == "generator")
                    programs.push_back(wizard::Program::Generator);
                else if (p == "drawing")
                    programs.push_back(wizard::Program::DrawingProgram);
                else if (!p.empty()) {
                    *error = "unknown program " + p;
                    return std::nullopt;
                }
            }
            o.programs = programs;
        } else if (a == "--dest") {
            o.destination = v;
        } else if (a == "--folder") {
            o.folder = v;
        } else if (a == "--group") {
            o.group = v;
        } else {
            *error = "unknown option " + a;
            return std::nullopt;
        }
    }
    if (o.programs && o.type != wizard::SetupType::Custom) {
        *error = "--programs needs --type custom";
        return std::nullopt;
    }
    return o;
}

int runSilent(wizard::Wizard& w, const SilentOptions& o, wizard::CopyingStep& step) {
    if (o.destination || o.folder) {
        const auto& c = w.choices();
        w.setDestination(o.destination.value_or(c.destinationBase),
                         o.folder.value_or(c.productFolder));
    }
    w.setCopyingStep(&step);
    w.start();
    if (!next(w)) return 1;  // welcome -> destination (or setup type in German builds)
    if (o.type) {
        // The setup-type page is reached from the program-group page's Back, as a user would.
        if (w.current() == Page::Destination && !next(w)) return 1;
        if (w.current() == Page::ProgramGroup) w.back();
        if (w.current() != Page::SetupType) return 1;
        w.selectSetupType(*o.type);
        if (!next(w)) return 1;
        if (*o.type == wizard::SetupType::Custom) {
            if (o.programs) {
                for (auto p : {wizard::Program::Solver, wizard::Program::Generator,
                               wizard::Program::DrawingProgram}) {
                    bool wanted = false;
                    for (auto q : *o.programs) wanted = wanted || q == p;
                    w.setProgramTicked(p, wanted);
                }
            }
            if (!next(w)) return 1;
        }
    }
    while (w.current() != Page::ProgramGroup && w.current() != Page::Summary) {
        if (!next(w)) return 1;
    }
    if (w.current() == Page::ProgramGroup) {
        if (o.group) w.setProgramFolderField(*o.group);
        if (!next(w)) return 1;
    }
    if (w.current() != Page::Summary) return 1;
    w.next();  // runs the copying step
    if (w.current() != Page::Complete) return 1;
    w.next();  // Finish
    startInstallers(wizard::systemProbes(), w.choices());
    return 0;
}

std::optional<int> runSilentIfAsked(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool silent = false;
    for (const auto& a : args) silent = silent || a == "--silent";
    if (!silent) return std::nullopt;

    std::string error;
    auto options = parseSilentOptions(args, &error);
    if (!options) {
        std::fprintf(stderr, "setup: %s\n", error.c_str());
        return 2;
    }
    platform::StderrMessages messages;
    messages.forceAnswer(platform::Answer::No);
    platform::ScopedMessageService scoped(messages);
    CopyingView view;
    EngineCopyingStep step(view);
    wizard::Wizard wizard;
    return runSilent(wizard, *options, step);
}

}  // namespace engine
