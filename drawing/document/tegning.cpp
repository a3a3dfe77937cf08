#include "tegning.h"

#include <algorithm>
#include <cstring>

#include "platform/fileio.h"
#include "platform/messages.h"

namespace document {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kCoreHeader = 12;
constexpr std::size_t kMinInfoHeader = 16;

std::uint32_t u32(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t u16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

Tegning::Tegning(int column, int row, std::string path)
    : column(column), row(row), path(std::move(path)) {
    if (!ReadBitmapFile(*this, this->path))
        platform::showMessage(this->path, "Cannot open DIB/BMP-file", platform::Icon::Exclamation);
}

bool ReadBitmapBytes(Tegning& picture, std::string_view file) {
    picture.bitmap.clear();
    if (file.size() < kFileHeader || file[0] != 'B' || file[1] != 'M') return false;
    // The block is the rest of the file, whatever the header's size field says.
    const std::string_view block = file.substr(kFileHeader);
    if (block.size() < 4) return false;
    std::vector<unsigned char> bytes(block.begin(), block.end());
    const std::uint32_t headerSize = u32(bytes, 0);
    if (headerSize != kCoreHeader && headerSize < kMinInfoHeader) return false;
    picture.bitmap = std::move(bytes);
    return true;
}

bool ReadBitmapFile(Tegning& picture, const std::string& path) {
    picture.bitmap.clear();
    const std::optional<std::string> file = platform::readWholeFile(path);
    if (!file) {
        platform::showMessage(path, "Error - Cannot open", platform::Icon::Exclamation);
        return false;
    }
    return ReadBitmapBytes(picture, *file);
}

bool ReadBitmapHeader(const std::vector<unsigned char>& block, BitmapInfo& info) {
    if (block.size() < 4) return false;
    const std::uint32_t headerSize = u32(block, 0);
    info = BitmapInfo{};
    std::uint64_t colours = 0;
    if (headerSize == kCoreHeader) {
        if (block.size() < kCoreHeader) return false;
        info.width = u16(block, 4);
        info.height = u16(block, 6);
        info.bitCount = u16(block, 10);
        info.colourEntrySize = 3;
        if (info.bitCount <= 8) colours = std::uint64_t{1} << info.bitCount;
    } else {
        if (headerSize < kMinInfoHeader || headerSize > block.size()) return false;
        // The low 16 bits, signed, so a top-down bitmap shows as a negative height.
        info.width = static_cast<std::int16_t>(u16(block, 4));
        info.height = static_cast<std::int16_t>(u16(block, 8));
        info.bitCount = u16(block, 14);
        info.colourEntrySize = 4;
        if (headerSize >= 20) info.compression = static_cast<int>(u32(block, 16) & 0x7fffffff);
        const std::uint32_t used = headerSize >= 36 ? u32(block, 32) : 0;
        if (used != 0)
            colours = used;
        else if (info.bitCount <= 8)
            colours = std::uint64_t{1} << info.bitCount;
    }
    info.headerSize = static_cast<int>(headerSize);
    const std::uint64_t tableBytes = colours * static_cast<std::uint64_t>(info.colourEntrySize);
    std::uint64_t offset = headerSize + tableBytes;
    // 16 and 32 bits with bit-field masks: three masks follow a plain 40-byte header.
    if (info.compression == 3 && headerSize == 40) offset += 12;
    if (offset > block.size()) return false;
    info.colourCount = static_cast<int>(colours);
    info.pixelOffset = static_cast<std::size_t>(offset);
    if (info.width <= 0 || info.height == 0 || info.bitCount == 0) return false;
    if (info.compression == 0 || info.compression == 3) {
        const std::uint64_t rowBytes =
            (static_cast<std::uint64_t>(info.width) * info.bitCount + 31) / 32 * 4;
        const std::uint64_t rows =
            static_cast<std::uint64_t>(info.height < 0 ? -info.height : info.height);
        if (offset + rowBytes * rows > block.size()) return false;
    }
    return true;
}

Tegning* FindPicture(PictureList& list, int column, int row) {
    auto it = std::find_if(list.begin(), list.end(), [&](const Tegning& picture) {
        return picture.column == column && picture.row == row;
    });
    return it == list.end() ? nullptr : &*it;
}

bool PlacePicture(PictureList& list, int column, int row, const std::string& path) {
    // The crossword file keeps a path on a line of its own after skipping blanks.
    const bool storable = !path.empty() && path.find_first_of("\r\n") == std::string::npos &&
                          path.front() != ' ' && path.front() != '\t';
    if (!storable) {
        platform::showMessage(path, "Cannot open DIB/BMP-file", platform::Icon::Exclamation);
        return false;
    }
    Tegning picture(column, row, path);
    if (!picture.hasBitmap()) return false;
    if (Tegning* old = FindPicture(list, column, row))
        *old = std::move(picture);
    else
        list.push_back(std::move(picture));
    return true;
}

}  // namespace document
