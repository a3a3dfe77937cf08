// Reads any bytes as a bitmap file, then walks what its header says the block holds.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "drawing/document/tegning.h"
#include "quietmessages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static document::QuietMessages quiet;
    platform::setMessageService(&quiet);
    document::Tegning picture;
    if (!document::ReadBitmapBytes(picture,
                                   std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    document::BitmapInfo info;
    if (!document::ReadBitmapHeader(picture.bitmap, info)) return 0;
    // Everything the header promises must lie inside the block.
    if (info.pixelOffset > picture.bitmap.size()) std::abort();
    if (info.compression == 0) {
        const std::uint64_t rowBytes =
            (static_cast<std::uint64_t>(info.width) * info.bitCount + 31) / 32 * 4;
        const std::uint64_t rows = info.height < 0 ? -std::int64_t{info.height} : info.height;
        if (info.pixelOffset + rowBytes * rows > picture.bitmap.size()) std::abort();
    }
    return 0;
}
