#include "plaingrid.h"

#include "letters.h"

namespace document {

namespace {
constexpr char kOe = static_cast<char>(216);

void setSquare(KPoint& square, char c) {
    square = KPoint();
    if (c == '+' || c == static_cast<char>(165))
        square.MakeLetter(kOe);
    else if (IsLetter(c))
        square.MakeLetter(c);
    else
        square.MakeClue("");
}
}  // namespace

void ReadPlainGrid(KztReader& in, Samling& grid) {
    in.seek(0);
    in.readLine();
    for (int y = 1; y <= grid.height(); ++y) {
        const std::string_view line = in.readLine();
        for (int x = 1; x <= grid.width(); ++x)
            setSquare(grid.At(x, y),
                      static_cast<std::size_t>(x - 1) < line.size() ? line[x - 1] : 0);
    }
}

}  // namespace document
