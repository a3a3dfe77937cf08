#pragma once
// What counts as a letter (code page 1252), and its upper-case form. 0 = not a letter.
// The Danish ISO 646 positions ([ \ ] { | }) and code page 865's read as Æ, Ø and Å.
#include <array>
#include <string>

namespace document {

extern const std::array<unsigned char, 256> LETTER_TABLE;

inline bool IsLetter(char c) { return LETTER_TABLE[static_cast<unsigned char>(c)] != 0; }
inline char UpperLetter(char c) {
    return static_cast<char>(LETTER_TABLE[static_cast<unsigned char>(c)]);
}
// Replaces every letter by its upper-case form; other characters stay.
void UpperString(std::string& s);
void UpperString(char* s);

}  // namespace document
