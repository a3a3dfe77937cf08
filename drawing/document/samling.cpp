#include "samling.h"

namespace document {

Samling::Samling(int width, int height) : width_(width), height_(height) {
    columns_.reserve(width);
    for (int x = 0; x < width; ++x) columns_.emplace_back(height);
}

void Samling::Resize(int newWidth, int newHeight) {
    columns_.resize(newWidth, std::vector<KPoint>(height_));
    for (auto& column : columns_) column.resize(newHeight);
    width_ = newWidth;
    height_ = newHeight;
}

bool BreaksRun(const KPoint& square) {
    const char c = square.Letter();
    return c == 0 || c == ' ' || c == '#' || c == 127;
}

namespace {
// Walks the runs across (row by row) or down (column by column), calling
// onLetter(number, first, column, row, letter) for every letter of a run.
template <typename OnLetter>
void walkRuns(const Samling& grid, bool across, OnLetter& onLetter) {
    const int lines = across ? grid.height() : grid.width();
    const int length = across ? grid.width() : grid.height();
    int number = 0;
    for (int line = 1; line <= lines; ++line) {
        bool inRun = false;
        for (int pos = 1; pos <= length; ++pos) {
            const int column = across ? pos : line;
            const int row = across ? line : pos;
            const KPoint& k = grid.At(column, row);
            if (BreaksRun(k)) {
                if (inRun) ++number;
                inRun = false;
                continue;
            }
            onLetter(number, !inRun, column, row, k.Letter());
            inRun = true;
        }
        if (inRun) ++number;
    }
}

struct Counter {
    int count = 0;
    void operator()(int, bool first, int, int, char) {
        if (first) ++count;
    }
};

struct Lister {
    GridWord* records;
    int length = 0;
    void operator()(int number, bool first, int column, int row, char letter) {
        GridWord& w = records[number];
        if (first) {
            w.number = number;
            w.column = column;
            w.row = row;
            w.letters[0] = 0;
            length = 0;
        }
        // Runs longer than the record keep their first letters.
        if (length < kGridWordLetters - 1) {
            w.letters[length++] = letter;
            w.letters[length] = 0;
        }
    }
};
}  // namespace

int Samling::CountAcross() const {
    Counter c;
    walkRuns(*this, true, c);
    return c.count;
}

int Samling::CountDown() const {
    Counter c;
    walkRuns(*this, false, c);
    return c.count;
}

void Samling::ListAcross(GridWord* records) const {
    Lister l{records};
    walkRuns(*this, true, l);
}

void Samling::ListDown(GridWord* records) const {
    Lister l{records};
    walkRuns(*this, false, l);
}

}  // namespace document
