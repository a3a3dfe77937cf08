#include "letters.h"

namespace document {

namespace {
constexpr unsigned char kAE = 198, kOE = 216, kAA = 197;

constexpr std::array<unsigned char, 256> makeTable() {
    std::array<unsigned char, 256> t{};
    for (int c = 'A'; c <= 'Z'; ++c) t[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c) t[c] = static_cast<unsigned char>(c - 32);
    // Danish ISO 646 ([ \ ] { | }) and code page 865 positions of Æ, Ø, Å.
    t[91] = t[123] = t[146] = kAE;
    t[92] = t[124] = t[157] = kOE;
    t[93] = t[125] = t[143] = kAA;
    for (int c = 192; c <= 221; ++c) t[c] = static_cast<unsigned char>(c);
    for (int c = 224; c <= 253; ++c) t[c] = static_cast<unsigned char>(c - 32);
    return t;
}
}  // namespace

const std::array<unsigned char, 256> LETTER_TABLE = makeTable();

void UpperString(std::string& s) {
    for (char& c : s)
        if (IsLetter(c)) c = UpperLetter(c);
}

void UpperString(char* s) {
    for (; *s; ++s)
        if (IsLetter(*s)) *s = UpperLetter(*s);
}

}  // namespace document
