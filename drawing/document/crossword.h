#pragma once
// The document of one crossword window: the grid and what is stored with it.
#include <string>
#include <vector>

#include "kodefelt.h"
#include "samling.h"
#include "tegning.h"

namespace document {

struct WKryds {
    int width = 13;
    int height = 10;
};

struct FileData {
    std::string fileName;
    static constexpr const char* kFilter = "Kryds Filer (*.kzt)|*.kzt|All Files (*.*)|*.*|";
    static constexpr const char* kDefaultExtension = "KZT";
};

struct Crossword {
    WKryds dimensions;
    Samling grid{13, 10};
    std::vector<KodeFelt> codeFields;  // in file order
    PictureList pictures;
    FileData fileData;
    bool modified = false;
    bool untitled = true;

    Crossword() = default;
    Crossword(int width, int height) : dimensions{width, height}, grid(width, height) {}
};

}  // namespace document
