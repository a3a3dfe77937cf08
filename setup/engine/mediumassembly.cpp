#include "setup/engine/mediumassembly.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>

#include "setup/engine/filecopy.h"
#include "setup/engine/manifest.h"

namespace engine {
namespace fs = std::filesystem;

namespace {

void put16(std::string& b, std::uint16_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>(v >> 8);
}
void put32(std::string& b, std::uint32_t v) {
    put16(b, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(b, static_cast<std::uint16_t>(v >> 16));
}

// A small 24-bit Windows bitmap: a frame and a diagonal in a colour picked by `seed`.
std::string smallBitmap(int seed) {
    const int w = 24, h = 24;
    const int rowBytes = (w * 3 + 3) / 4 * 4;
    std::string b = "BM";
    put32(b, static_cast<std::uint32_t>(54 + rowBytes * h));
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, w);
    put32(b, h);
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, static_cast<std::uint32_t>(rowBytes * h));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    const unsigned char colour[3] = {static_cast<unsigned char>(40 * seed % 256),
                                     static_cast<unsigned char>(90 + 50 * seed % 166),
                                     static_cast<unsigned char>(200 - 30 * seed % 200)};
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            const bool ink =
                x == 0 || y == 0 || x == w - 1 || y == h - 1 || x == y || x + y == w - 1 - seed % 3;
            for (int c = 0; c < 3; ++c) row += static_cast<char>(ink ? colour[c] : 0xFF);
        }
        row.resize(rowBytes, '\0');
        b += row;
    }
    return b;
}

class Writer {
public:
    Writer(std::string root, std::string* error) : root_(std::move(root)), error_(error) {}

    bool ok() const { return ok_; }

    void text(const std::string& relative, const std::string& bytes) {
        if (!ok_ || !written_.insert(relative).second) return;
        const std::string path = root_ + relative;
        makePath(fs::path(path).parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
        if (!out.flush()) fail("cannot write " + path);
    }

    void copy(const std::string& relative, const std::string& source) {
        if (!ok_ || !written_.insert(relative).second) return;
        const std::string path = root_ + relative;
        makePath(fs::path(path).parent_path());
        if (copyFile(source, path, nullptr) != CopyOutcome::Copied)
            fail("cannot copy " + source + " to " + path);
    }

private:
    void fail(const std::string& message) {
        ok_ = false;
        if (error_) *error_ = message;
    }

    std::string root_;
    std::string* error_;
    std::set<std::string> written_;
    bool ok_ = true;
};

}  // namespace

std::string placeholderText(const std::string& name) {
    return "PLACEHOLDER DATA\r\n"
           "This file stands in for \"" +
           name +
           "\", a file of a program outside the crossword "
           "suite's build.\r\nIt was written by the medium assembly so that every setup type "
           "can be installed end to end.\r\n";
}

bool assembleMedium(const std::string& rootFolder, const MediumSources& s, std::string* error) {
    std::string root = rootFolder;
    if (root.empty() || root.back() != '/') root += '/';
    Writer w(root, error);

    w.copy("setup", s.setupProgram);
    w.copy("UnInst.exe", s.uninstaller);
    w.copy("Fonts/techncln.ttf", s.regularFont);
    w.copy("Fonts/techncli.ttf", s.italicFont);
    w.text("Startup.bmp", smallBitmap(7));

    for (const auto& e : manifest()) {
        std::string relative = e.onMedium();
        if (e.group == Group::GeneratorDictionaries) relative = "Dic/" + relative;
        switch (e.source) {
            case MediumSource::Placeholder:
                w.text(relative, placeholderText(relative));
                break;
            case MediumSource::DrawingProgram:
                w.copy(relative, s.drawingProgram);
                break;
            case MediumSource::DrawingHelp:
                w.copy(relative, s.helpDocument);
                break;
            case MediumSource::DataFile:
                w.copy(relative, s.dataFolder + "/" + relative);
                break;
            case MediumSource::Example:
                w.copy(relative, relative == "primero.kzt" ? s.firstSample : s.secondSample);
                break;
        }
    }

    int seed = 0;
    for (const auto& folder : mediumFolders()) {
        const std::string path = folder.path;
        for (int i = 1; i <= 3; ++i) {
            const std::string name = path + "/" + std::to_string(i);
            if (folder.pictures)
                w.text(name + ".bmp", smallBitmap(++seed));
            else
                w.text(name + ".dat", placeholderText(name + ".dat"));
        }
    }
    w.text("Bmps/bmps.ext", placeholderText("Bmps/bmps.ext"));

    for (const char* language : {"da", "de", "es", "en"}) {
        const std::string l = language;
        w.text("ie5/" + l + "/ie5setup.exe", placeholderText("ie5/" + l + "/ie5setup.exe"));
        w.text("ie5/" + l + "/Dcom95.exe", placeholderText("ie5/" + l + "/Dcom95.exe"));
        w.text("HHUpd/" + l + "/hhupd.exe", placeholderText("HHUpd/" + l + "/hhupd.exe"));
    }
    return w.ok();
}

}  // namespace engine
