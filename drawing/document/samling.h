#pragma once
// The grid: width x height squares, addressed 1-based by column and row.
#include <cstdint>
#include <vector>

#include "gridword.h"
#include "kpoint.h"

namespace document {

class Samling {
public:
    Samling(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // 1 <= x <= width, 1 <= y <= height.
    KPoint& At(int x, int y) { return columns_[x - 1][y - 1]; }
    const KPoint& At(int x, int y) const { return columns_[x - 1][y - 1]; }

    // Keeps the overlapping squares; every new square is a default square.
    void Resize(int newWidth, int newHeight);

    int CountAcross() const;
    int CountDown() const;
    // Fill consecutive records from `records`, which must hold CountAcross() (CountDown())
    // entries. Runs longer than 39 letters keep their first 39.
    void ListAcross(GridWord* records) const;
    void ListDown(GridWord* records) const;

private:
    std::vector<std::vector<KPoint>> columns_;  // columns_[x-1][y-1]
    int width_ = 0;
    int height_ = 0;
};

// True when the square breaks a word run: no letter, a space, '#' or 127.
bool BreaksRun(const KPoint& square);

}  // namespace document
