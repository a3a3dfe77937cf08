#pragma once
// Windows code page 1252 <-> Unicode. Documents and program texts are kept as 1252 bytes;
// conversion happens only where text meets the user interface or the terminal.
// All 256 bytes map: the five bytes 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the C1 controls of the same value, as Windows itself converts them.
#include <string>
#include <string_view>

namespace platform {

char32_t cp1252ToUnicode(unsigned char byte);
// The 1252 byte of a code point, or -1 when the code page has none.
int unicodeToCp1252(char32_t codePoint);

std::string cp1252ToUtf8(std::string_view bytes);
// Characters without a 1252 byte become `replacement`; malformed UTF-8 bytes too.
std::string utf8ToCp1252(std::string_view utf8, char replacement = '?');

// Letter case as Windows folds 1252 names: ASCII, the accented letters 0xC0-0xDE <-> 0xE0-0xFE
// (except the signs 0xD7 and 0xF7) and the pairs 0x8A/0x9A, 0x8C/0x9C, 0x8E/0x9E, 0x9F/0xFF.
char cp1252ToLower(char byte);
bool equalsNoCase(std::string_view a, std::string_view b);

}  // namespace platform
