// --render: paints a crossword as its window would and writes the picture as PNG.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "batch.h"
#include "batch_commands.h"
#include "drawing/document/kztfile.h"
#include "drawing/output/fontsubstitutes.h"
#include "drawing/output/qtsurface.h"
#include "drawing/render/drawsettings_ini.h"
#include "drawing/render/paintgrid.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/profile.h"

namespace shell {

namespace {

// Refuse pictures beyond this many pixels rather than fail to allocate them.
constexpr long long kMaxImagePixels = 400LL * 1000 * 1000;

struct RenderArgs {
    std::string in;
    std::string out;
    int clientHeight = 600;
    double zoom = 1.0;
    double squeeze = 1.0;
    bool showSolution = true;
};

bool ParseNumber(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == 0;
}

bool ParseArgs(int argc, char** argv, RenderArgs& args) {
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        double number = 0;
        if (arg == "--no-solution") {
            args.showSolution = false;
        } else if (arg == "--client-height" || arg == "--zoom" || arg == "--squeeze") {
            if (i + 1 >= argc || !ParseNumber(argv[i + 1], number)) return false;
            ++i;
            if (arg == "--client-height") {
                if (number < 1 || number > 100000) return false;
                args.clientHeight = static_cast<int>(number);
            } else if (arg == "--zoom") {
                args.zoom = number;
            } else {
                args.squeeze = number;
            }
        } else if (positional == 0) {
            args.in = arg;
            ++positional;
        } else if (positional == 1) {
            args.out = arg;
            ++positional;
        } else {
            return false;
        }
    }
    return positional == 2;
}

// ./Trelmo.ini (any letter case) when present, else the defaults.
void LoadSettings() {
    const auto path = platform::findFileNoCase(".", "Trelmo.ini");
    if (!path) return;
    platform::Profile profile;
    if (profile.load(*path)) render::ReadDrawSettings(profile, render::drawSettings());
}

std::unique_ptr<QGuiApplication> MakeApplication() {
    // Fonts need a platform; a headless run has none unless one is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "Trelmo";
    static char* argv[] = {name, nullptr};
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    output::InstallFontSubstitutes();
    return app;
}

}  // namespace

int runRender(int argc, char** argv) {
    RenderArgs args;
    if (!ParseArgs(argc, argv, args)) {
        std::fprintf(stderr,
                     "usage: Trelmo --render IN OUT.png [--client-height H] [--zoom Z] "
                     "[--squeeze S] [--no-solution]\n");
        return kExitUsage;
    }
    LoadSettings();
    const render::DrawSettings& settings = render::drawSettings();

    render::CrosswordView view;
    if (document::Load(view.doc, args.in) != document::LoadResult::Loaded) return kExitRefused;
    view.solutionFont = settings.solutionFont;
    view.clueFont = settings.clueFont;
    view.zoom = args.zoom;
    view.squeeze = args.squeeze;
    view.showSolution = args.showSolution ? 1 : 0;
    view.margin = 10;
    view.cursorColumn = 1;
    view.cursorRow = 1;

    const auto app = MakeApplication();
    const render::GridSize extent = render::GridExtent(view, args.clientHeight);
    const long long width = std::max(1LL, 2LL * view.margin + extent.width + 1);
    const long long height = std::max(1LL, 2LL * view.margin + extent.height + 1);
    if (width * height > kMaxImagePixels || width > 100000 || height > 100000) {
        platform::showMessage("The picture would be " + std::to_string(width) + " x " +
                                  std::to_string(height) + " pixels; that is too large.",
                              "Render", platform::Icon::Exclamation);
        return kExitRefused;
    }
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) {
        platform::showMessage("Not enough memory for the picture.", "Render",
                              platform::Icon::Exclamation);
        return kExitRefused;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        const render::Rect area{0, 0, image.width(), image.height()};
        output::QtSurface surface(painter, area);
        render::PaintGrid(view, surface, area, args.clientHeight, render::PaintFlags{});
    }
    if (!image.save(QString::fromLocal8Bit(args.out.c_str()), "PNG")) {
        platform::showMessage(args.out, "Cannot write the picture", platform::Icon::Exclamation);
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace shell
