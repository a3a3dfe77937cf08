#include "picturerecord.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "platform/messages.h"
#include "platform/paths.h"
#include "realformat.h"
#include "squarerecord.h"

namespace document {

namespace {

// Anchors and sizes far outside any grid only come from damaged files; keeping them within
// reach keeps the pixel arithmetic of the drawing in range.
constexpr int kMaxAnchor = 1000;
constexpr double kMaxRelative = 1000.0;

float relative(double value) {
    return static_cast<float>(std::clamp(value, -kMaxRelative, kMaxRelative));
}

bool exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::string resolve(const std::string& path, const LoadOptions& options) {
    if (path.front() == '/' || options.crosswordFolder.empty() || exists(path)) return path;
    std::string beside =
        platform::joinPath(options.crosswordFolder, path, platform::kNativeSeparator);
    return exists(beside) ? beside : path;
}

void loadBitmap(Tegning& picture, const LoadOptions& options) {
    if (!options.readBitmaps) return;
    if (ReadBitmapFile(picture, resolve(picture.path, options))) return;
    platform::showMessage(
        "Alloc or readerror in ReadDib\nThe drawing is not read. Error in file or insuficient "
        "memory",
        picture.path, platform::Icon::Exclamation);
    const std::string folder = options.startDir.empty() ? "." : options.startDir;
    const auto replacement = platform::findFileNoCase(folder, "help.bmp");
    ReadBitmapFile(
        picture, replacement ? *replacement
                             : platform::joinPath(folder, "help.bmp", platform::kNativeSeparator));
}

// One record into `picture`; false when it has no path (cut short by the end of the file).
bool readRecord(KztReader& in, Tegning& picture) {
    std::int64_t size = 0;
    in.readInt64(size);
    picture.recordedSize =
        static_cast<std::uint32_t>(std::clamp<std::int64_t>(size, 0, UINT32_MAX));
    std::int32_t column = 0, row = 0;
    in.readInt(column);
    in.readInt(row);
    picture.column = std::clamp(column, -kMaxAnchor, kMaxAnchor);
    picture.row = std::clamp(row, -kMaxAnchor, kMaxAnchor);
    picture.relWidth = relative(ReadNumber(in));
    picture.relHeight = relative(ReadNumber(in));
    picture.relDown = relative(ReadNumber(in));
    if (in.get() == '\n') {
        picture.relAcross = 0.0f;  // the older record has no shift across
    } else {
        in.unget();
        picture.relAcross = relative(ReadNumber(in));
    }
    // The path is the rest of its own line, so paths with blanks read back whole.
    in.skipWhiteSpace();
    picture.path = std::string(in.readLine());
    picture.bitmap.clear();
    return !picture.path.empty();
}

int shownByte(int c) { return c == KztReader::kEnd || c == 0 ? '0' : c; }

int nextNonBlank(KztReader& in) {
    in.skipWhiteSpace();
    return in.get();
}

}  // namespace

void AppendPictures(std::string& out, const PictureList& pictures) {
    bool first = true;
    for (const Tegning& picture : pictures) {
        if (picture.path.empty()) continue;
        out += first ? "\r\nIMAGES\r\n" : "+";
        first = false;
        out += "\r\n";
        AppendInt(out, picture.bitmapSize());
        out += '\t';
        AppendInt(out, picture.column);
        out += '\t';
        AppendInt(out, picture.row);
        for (float value :
             {picture.relWidth, picture.relHeight, picture.relDown, picture.relAcross}) {
            out += '\t';
            AppendReal(out, value);
        }
        out += "\r\n";
        out += picture.path;
        out += "\r\n";
    }
    if (!first) out += '-';
}

PictureList ReadPictures(KztReader& in, const LoadOptions& options) {
    PictureList list;
    Tegning current;
    bool pending = false;  // `current` holds a record not yet in the list
    while (!in.atEnd()) {
        if (readRecord(in, current)) {
            loadBitmap(current, options);
            pending = true;
        }
        const int marker = in.get();
        if (marker == '-') {
            if (pending) list.push_back(std::move(current));
            return list;
        }
        if (marker == '+') {
            // A record whose bitmap cannot be read is kept too: it is not drawn, but saving
            // writes it back, so a missing picture file costs no data.
            if (pending) list.push_back(std::move(current));
            current = Tegning();
            pending = false;
            continue;
        }
        if (marker == KztReader::kEnd) break;
        const int a = nextNonBlank(in), b = nextNonBlank(in), c = nextNonBlank(in);
        char text[160];
        std::snprintf(text, sizeof text,
                      "An unexpected character +-sign expected: >%c<\n(%c,%c,%c)\nposition %ld",
                      shownByte(marker), shownByte(a), shownByte(b), shownByte(c),
                      static_cast<long>(in.position()));
        platform::showMessage(text, "Reading - Drawings", platform::Icon::None);
        return {};
    }
    platform::showMessage("EOF without minus\nPosible error in the kzt-file", "Reading - Drawings",
                          platform::Icon::Exclamation);
    if (pending) list.push_back(std::move(current));
    return list;
}

}  // namespace document
