#include "samling.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>

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
// Walks the runs of one direction; `square(line, pos)` gives the square at position `pos`
// of line `line`, `place(line, pos)` its (column, row).
template <typename Square, typename Place, typename OnRun>
void walkRuns(int lines, int length, Square square, Place place, OnRun onLetter) {
    int number = 0;
    for (int line = 1; line <= lines; ++line) {
        bool inRun = false;
        for (int pos = 1; pos <= length; ++pos) {
            const KPoint& k = square(line, pos);
            if (BreaksRun(k)) {
                if (inRun) ++number;
                inRun = false;
                continue;
            }
            auto [column, row] = place(line, pos);
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
    walkRuns(
        height_, width_, [&](int y, int x) -> const KPoint& { return At(x, y); },
        [](int y, int x) {
            return std::pair{x, y};
        },
        std::ref(c));
    return c.count;
}

int Samling::CountDown() const {
    Counter c;
    walkRuns(
        width_, height_, [&](int x, int y) -> const KPoint& { return At(x, y); },
        [](int x, int y) {
            return std::pair{x, y};
        },
        std::ref(c));
    return c.count;
}

void Samling::ListAcross(GridWord* records) const {
    Lister l{records};
    walkRuns(
        height_, width_, [&](int y, int x) -> const KPoint& { return At(x, y); },
        [](int y, int x) {
            return std::pair{x, y};
        },
        std::ref(l));
}

void Samling::ListDown(GridWord* records) const {
    Lister l{records};
    walkRuns(
        width_, height_, [&](int x, int y) -> const KPoint& { return At(x, y); },
        [](int x, int y) {
            return std::pair{x, y};
        },
        std::ref(l));
}

}  // namespace document
