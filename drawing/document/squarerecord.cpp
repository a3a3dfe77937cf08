#include "squarerecord.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/messages.h"

namespace document {

namespace {

constexpr std::string_view kLetterWord = "BOGSTAV";
constexpr std::string_view kClueWord = "LEDEORD";
constexpr std::size_t kShownWord = 63;  // longest kind word the message quotes

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void appendTab(std::string& out) { out += '\t'; }

// Clue text: LF becomes CR LF as everywhere in the file, a quote is doubled.
void appendClueText(std::string& out, std::string_view text) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\n' && c != '"') continue;
        out.append(text.substr(from, i - from));
        out += c == '\n' ? "\r\n" : "\"\"";
        from = i + 1;
    }
    out.append(text.substr(from));
}

// Reads the clue text behind the opening quote up to the closing one. CR LF becomes LF,
// a doubled quote one quote; bytes past the buffer are skipped.
void readClueText(KztReader& in, char* text) {
    std::size_t n = 0;
    for (;;) {
        std::string_view rest = in.rest();
        // Copy plain stretches in one go; stop at the bytes that need a look.
        std::size_t i = 0;
        while (i < rest.size() && rest[i] != '"' && rest[i] != '\r') ++i;
        const std::size_t room = kClueTextSize - 1 - n;
        const std::size_t take = std::min(i, room);
        std::memcpy(text + n, rest.data(), take);
        n += take;
        in.advance(i);
        const int c = in.get();
        if (c == KztReader::kEnd) break;
        if (c == '"') {
            if (in.get() == '"') {
                if (n < kClueTextSize - 1) text[n++] = '"';
                continue;
            }
            in.unget();
            break;
        }
        // A CR: get() has turned a CR LF into LF.
        if (n < kClueTextSize - 1) text[n++] = static_cast<char>(c);
    }
    text[n] = 0;
}

bool skipPastQuote(KztReader& in) {
    for (int c = in.get(); c != KztReader::kEnd; c = in.get())
        if (c == '"') return true;
    return false;
}

void readSeparators(KztReader& in, KPoint& square) {
    std::int32_t right = 1, bottom = 1;
    if (in.readInt(right)) square.lineRight = right != 0;
    if (in.readInt(bottom)) square.lineBottom = bottom != 0;
}

}  // namespace

std::int32_t TruncateToInt(double value) {
    if (!(value > std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (!(value < std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

double ReadNumber(KztReader& in) {
    bool negative = false;
    std::string_view lead = in.rest();
    std::size_t skip = 0;
    while (skip < lead.size() && !isDigit(lead[skip]) && lead[skip] != '.') {
        if (lead[skip] == '-') negative = true;
        ++skip;
    }
    in.advance(skip);
    if (skip == lead.size()) return 0.0;
    std::string_view rest = in.rest();
    std::size_t len = 0;
    int points = 0;
    while (len < rest.size() && (isDigit(rest[len]) || rest[len] == '.')) {
        if (rest[len] == '.') ++points;
        ++len;
    }
    in.advance(len);
    double value = 0.0;
    std::string_view number = rest.substr(0, len);
    std::string cleaned;
    if (points > 1) {
        // A further point changes nothing: drop every point after the first.
        bool seen = false;
        for (char c : number) {
            if (c == '.' && std::exchange(seen, true)) continue;
            cleaned += c;
        }
        number = cleaned;
    }
    if (number != ".") {
        auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                         std::chars_format::fixed);
        if (ec == std::errc::result_out_of_range) {
            // Too large or too small for a double: the largest value, or 0.
            const std::string_view whole = number.substr(0, number.find('.'));
            const bool large = whole.find_first_not_of('0') != std::string_view::npos;
            value = large ? std::numeric_limits<double>::max() : 0.0;
        }
    }
    return negative ? -value : value;
}

void AppendLayoutEntry(std::string& out, const RelaFont& layout, int entry, RealNotation notation) {
    appendTab(out);
    AppendReal(out, layout.lineHeight[entry], notation);
    appendTab(out);
    AppendInt(out, layout.widthSet[entry]);
    appendTab(out);
    AppendReal(out, layout.widthRatio[entry], notation);
    appendTab(out);
    AppendReal(out, layout.lineRaise[entry], notation);
}

void WriteSquare(std::string& out, const KPoint& square, RealNotation notation) {
    if (square.isClue) {
        out += "\r\n\tLEDEORD\t\"";
        appendClueText(out, square.Text());
        out += '"';
        for (int i = 0; i < kLayoutEntries; ++i) AppendLayoutEntry(out, square, i, notation);
    } else {
        out += "\r\n\tBOGSTAV\t\"";
        out += square.text[0];
        out += '"';
        AppendLayoutEntry(out, square, 0, notation);
        appendTab(out);
        AppendReal(out, square.reserved, notation);
    }
    appendTab(out);
    AppendInt(out, square.lineRight);
    appendTab(out);
    AppendInt(out, square.lineBottom);
}

SquareRead ReadSquare(KztReader& in, KPoint& square) {
    const std::string_view word = in.readWord();
    if (word.empty()) return SquareRead::End;
    if (word == kLetterWord) {
        square.isClue = 0;
        skipPastQuote(in);
        const int letter = in.get();
        square.text[0] = letter == KztReader::kEnd ? 0 : static_cast<char>(letter);
        square.text[1] = 0;
        in.get();  // the closing quote
        square.lineHeight[0] = ReadNumber(in);
        square.widthSet[0] = TruncateToInt(ReadNumber(in));
        square.widthRatio[0] = ReadNumber(in);
        square.lineRaise[0] = ReadNumber(in);
        square.reserved = ReadNumber(in);
    } else if (word == kClueWord) {
        square.isClue = 1;
        skipPastQuote(in);
        readClueText(in, square.text);
        for (int i = 0; i < kLayoutEntries; ++i) {
            square.lineHeight[i] = ReadNumber(in);
            square.widthSet[i] = TruncateToInt(ReadNumber(in));
            square.widthRatio[i] = ReadNumber(in);
            square.lineRaise[i] = ReadNumber(in);
        }
    } else {
        const std::string_view shown = word.substr(0, kShownWord);
        char text[kShownWord + 40];
        std::snprintf(text, sizeof text, ">>%.*s<< strlen %d", static_cast<int>(shown.size()),
                      shown.data(),
                      static_cast<int>(std::min<std::size_t>(word.size(), INT32_MAX)));
        platform::showMessage(text,
                              "Unknown string in Kpoint\nShall be either BOGSTAV (letter) og "
                              "LEDEORD (clue)\nError in kzt-filen ?",
                              platform::Icon::Exclamation);
        return SquareRead::UnknownKind;
    }
    readSeparators(in, square);
    return SquareRead::Read;
}

}  // namespace document
