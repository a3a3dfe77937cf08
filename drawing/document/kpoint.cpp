#include "kpoint.h"

#include <algorithm>
#include <cstring>

namespace document {

namespace {
void copyText(char* dest, std::string_view s) {
    const std::size_t n = std::min<std::size_t>(s.size(), kClueTextSize - 1);
    std::memcpy(dest, s.data(), n);
    dest[n] = 0;
}
}  // namespace

KPoint::KPoint(std::string_view clue, int size, int width, int base, int line) {
    ResetLines(size, width, base, line);
    isClue = 1;
    copyText(text, clue);
}

void KPoint::MakeLetter(char c) {
    isClue = 0;
    text[0] = c;
    text[1] = 0;
}

void KPoint::MakeClue(std::string_view s) {
    isClue = 1;
    copyText(text, s);
}

std::string_view KPoint::Text() const {
    return std::string_view(text, strnlen(text, kClueTextSize));
}

}  // namespace document
