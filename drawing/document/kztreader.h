#pragma once
// A read cursor over the bytes of a crossword file held in memory. A CR LF pair reads as
// one LF, as the file format asks; every read stops at the end of the bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace document {

class KztReader {
public:
    static constexpr int kEnd = -1;

    explicit KztReader(std::string_view bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    // Offset of the next byte in the file.
    std::size_t position() const { return pos_; }
    void seek(std::size_t pos) { pos_ = last_ = pos < bytes_.size() ? pos : bytes_.size(); }

    // The next byte (0..255), or kEnd.
    int get() {
        last_ = pos_;
        if (pos_ >= bytes_.size()) return kEnd;
        const unsigned char c = static_cast<unsigned char>(bytes_[pos_++]);
        if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') {
            ++pos_;
            return '\n';
        }
        return c;
    }
    // Puts back the byte of the last get().
    void unget() { pos_ = last_; }

    void skipWhiteSpace();
    // The next white-space-delimited word; empty at the end of the bytes.
    std::string_view readWord();
    // The rest of the current line, without its line end, which is consumed.
    std::string_view readLine();
    // Standard input conversions: skip white space, then an optional sign and digits.
    // False (nothing consumed but the white space) when no number stands there or it does
    // not fit.
    bool readInt(std::int32_t& value);
    bool readInt64(std::int64_t& value);
    // A real in decimal or exponent notation.
    bool readReal(double& value);

    // The raw bytes from `pos_` on, for scanners that need no CR LF translation.
    std::string_view rest() const { return bytes_.substr(pos_); }
    void advance(std::size_t n) {
        last_ = pos_;
        pos_ += n;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t last_ = 0;
};

}  // namespace document
