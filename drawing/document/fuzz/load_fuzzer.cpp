// Loads any bytes as a crossword (.kzt or plain grid). A loaded crossword, once saved, must
// load and save again to the very same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "drawing/document/kztfile.h"
#include "quietmessages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static document::QuietMessages quiet;
    platform::setMessageService(&quiet);
    document::LoadOptions options;
    options.readBitmaps = false;  // no file access from fuzz input

    document::Crossword doc;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (document::LoadBytes(doc, bytes, options) != document::LoadResult::Loaded) return 0;
    const std::string first = document::SaveToString(doc);

    document::Crossword again;
    if (document::LoadBytes(again, first, options) != document::LoadResult::Loaded) std::abort();
    if (document::SaveToString(again) != first) std::abort();
    return 0;
}
