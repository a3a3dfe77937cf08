#include "kztfile.h"

#include <optional>

#include "kztreader.h"
#include "picturerecord.h"
#include "plaingrid.h"
#include "platform/fileio.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "realformat.h"
#include "squarerecord.h"

namespace document {

namespace {

constexpr int kMaxSide = 50;

void appendCodeField(std::string& out, const KodeFelt& field) {
    out += "\r\nKODEFELT";
    AppendLayoutEntry(out, field, 0);
    out += '\t';
    AppendReal(out, field.reserved);
    out += '\t';
    AppendInt(out, field.code);
    out += '\t';
    AppendInt(out, field.column);
    out += '\t';
    AppendInt(out, field.row);
}

// The eight values of a code field record; false when one is missing.
bool readCodeField(KztReader& in, KodeFelt& field) {
    return in.readReal(field.lineHeight[0]) && in.readInt(field.widthSet[0]) &&
           in.readReal(field.widthRatio[0]) && in.readReal(field.lineRaise[0]) &&
           in.readReal(field.reserved) && in.readInt(field.code) && in.readInt(field.column) &&
           in.readInt(field.row);
}

// Reads the rows; false when a row does not start with BEGIN and the file is read as a
// plain letter grid instead.
bool readRows(KztReader& in, Samling& grid) {
    for (int y = 1; y <= grid.height(); ++y) {
        const std::string_view word = in.readWord();
        // A truncated file keeps the rows read so far.
        if (word.empty()) return true;
        if (word != "BEGIN" && word != "EGIN") return false;
        std::int32_t ignored;
        in.readInt(ignored);
        for (int x = 1; x <= grid.width(); ++x)
            if (ReadSquare(in, grid.At(x, y)) == SquareRead::End) return true;
        in.readWord();
        in.readInt(ignored);
    }
    return true;
}

}  // namespace

std::string SaveToString(const Crossword& doc) {
    const Samling& grid = doc.grid;
    std::string out;
    // Clue squares dominate the size: text plus 40 numbers of about nine bytes.
    std::size_t guess = 64;
    for (int x = 1; x <= grid.width(); ++x)
        for (int y = 1; y <= grid.height(); ++y) {
            const KPoint& k = grid.At(x, y);
            guess += k.isClue ? k.Text().size() + 420 : 64;
        }
    out.reserve(guess);
    AppendInt(out, grid.width());
    out += '\t';
    AppendInt(out, grid.height());
    for (int y = 1; y <= grid.height(); ++y) {
        out += "\r\nBEGIN\t";
        AppendInt(out, y - 1);
        for (int x = 1; x <= grid.width(); ++x) WriteSquare(out, grid.At(x, y));
        out += "\r\nEND\t";
        AppendInt(out, y - 1);
    }
    for (const KodeFelt& field : doc.codeFields) appendCodeField(out, field);
    AppendPictures(out, doc.pictures);
    return out;
}

bool Save(Crossword& doc, const std::string& path) {
    std::string error;
    if (!platform::writeFileAtomically(path, SaveToString(doc), &error)) {
        // The old file is untouched: the new bytes went to a temporary file first.
        const bool opened = error.rfind("cannot create", 0) != 0;
        std::string text = opened ? "Cannot write the file " : "Cannot open the file ";
        text += path;
        platform::showMessage(text, "Error", platform::Icon::Stop);
        return false;
    }
    doc.modified = false;
    doc.untitled = false;
    return true;
}

LoadResult LoadBytes(Crossword& doc, std::string_view bytes, const LoadOptions& options) {
    KztReader in(bytes);
    std::int32_t width = 0, height = 0;
    if (!in.readInt(width) || !in.readInt(height) || width < 1 || width > kMaxSide || height < 1 ||
        height > kMaxSide) {
        platform::showMessage(
            "Unexpected input\nIt is may not be a kzt-file og ASCII-Crossword file from the w7 ?",
            "Warning", platform::Icon::Stop);
        return LoadResult::Refused;
    }
    Samling grid(width, height);
    if (!readRows(in, grid)) ReadPlainGrid(in, grid);

    std::vector<KodeFelt> codeFields;
    PictureList pictures;
    for (;;) {
        const std::string_view word = in.readWord();
        if (word == "KODEFELT") {
            // A field cut short by the end of the file is dropped.
            KodeFelt field;
            if (!readCodeField(in, field)) break;
            codeFields.push_back(field);
        } else if (word == "IMAGES") {
            pictures = ReadPictures(in, options);
        } else {
            break;
        }
    }
    doc.dimensions = {width, height};
    doc.grid = std::move(grid);
    doc.codeFields = std::move(codeFields);
    doc.pictures = std::move(pictures);
    doc.modified = false;
    doc.untitled = false;
    return LoadResult::Loaded;
}

LoadResult Load(Crossword& doc, const std::string& path, std::string startDir) {
    std::optional<std::string> bytes = platform::readWholeFile(path);
    if (!bytes) {
        platform::showMessage(path, "Error - Cannot open", platform::Icon::Stop);
        return LoadResult::Refused;
    }
    LoadOptions options;
    options.crosswordFolder = platform::directoryPart(path, platform::kNativeSeparator);
    options.startDir = std::move(startDir);
    return LoadBytes(doc, *bytes, options);
}

}  // namespace document
