#pragma once
// The pictures section of the crossword file.
#include <string>

#include "kztfile.h"
#include "kztreader.h"
#include "tegning.h"

namespace document {

// Appends "\nIMAGES\n" and the records, nothing for an empty list. A picture without a
// path (nothing to read back) is left out.
void AppendPictures(std::string& out, const PictureList& pictures);

// Reads the records behind the word IMAGES, loading each bitmap (relative paths from the
// working directory, then from the crossword's folder; "help.bmp" from the start folder
// when the file cannot be read). Shows the messages of a faulty section.
PictureList ReadPictures(KztReader& in, const LoadOptions& options);

}  // namespace document
