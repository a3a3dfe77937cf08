#include "drawing/shell/commandtable.h"

#include <array>

#include "drawing/shell/commandids.h"

namespace shell {

namespace {

using A = Answerer;

constexpr MenuItem kFile[] = {
    {cmd::New, "&New", "Creates new crossword", A::Client, false},
    {cmd::Open, "&Open...", "Load existing crossword or basic-crossword", A::Client, false},
    {cmd::Close, "&Close", "Close active crossword", A::Client, true},
    {cmd::Save, "&Save", "Save current crossword", A::View, false},
    {cmd::SaveAs, "Save &as...", "Save active crossword with a new name", A::View, true},
    {cmd::PrintPreview, "Print Pre&view...", "Peep at the print-view", A::Later, false},
    {cmd::Print, "&Print...", "Print crossword", A::Later, false},
    {cmd::PrintSetup, "P&rint setup...", "Ability for printer setup", A::Later, true},
    {cmd::Exit, "Exit\tAlt+F4", "Leave the Vartel", A::Frame, false},
};

constexpr MenuItem kView[] = {
    {cmd::ViewSolution, "View/Hide solution", "View or hide the solution of the corssword (if any)",
     A::View, false},
    {cmd::ViewAllSolutions, "View/Hide all solutions", "Set if solution should be viewed generally",
     A::View, true},
    {cmd::Zoom, "&Zoom..", "Set zoom-percent", A::View, false},
    {cmd::GeneralZoom, "General &Zoom %", "Set general zoom-percent", A::Application, false},
};

constexpr MenuItem kFormat[] = {
    {cmd::SetFont, "Set &Font ", "Specify the font for clues", A::Client, false},
    {cmd::SqueezeFont, "Squee&ze Font",
     "Squeeze the clue-font generally in order to make room for more words in less space",
     A::Client, false},
    {cmd::LetterThickness, "Letter thickness",
     "How fat do you like the letters - define a value between 100 and 900", A::View, false},
    {cmd::SolutionFont, "Font in &solution", "Specify the font for showing solution", A::Client,
     false},
    {cmd::ArrowThickness, "&Arrow-thickness",
     "Specify the thickness of the arrows (in the crossword)", A::View, false},
    {cmd::LineThickness, "&Line-thickness", "Specify the thickness of the square-lines", A::View,
     false},
    {cmd::CenterText, "&Center text", "Put text in center or put text from the left", A::View,
     true},
    {cmd::Size, "&Size", "Change size of crossword-task", A::View, false},
    {cmd::DefaultSize, "Default size", "Size of new crosswords?", A::Client, false},
    {cmd::Turn90, "Turn &90 degrees", "\"Turn over\" the crossword (swoop height and width)",
     A::View, false},
    {cmd::Squeeze, "S&queeze...", "Squeeze the width of the crossword", A::View, false},
};

constexpr MenuItem kExtra[] = {
    {cmd::ImageFile, "&Image-file", "Output crossword as tiff- or bmp-file", A::Later, false},
    {cmd::BackgroundColor, "Background color",
     "Define a background-color in the crossword-image-file", A::Later, false},
    {cmd::ImageSeries, "Serie(s) of images", "Multiple crosswords to IMG-files or printer",
     A::Later, false},
    {cmd::SaveToWeb, "&Save to the web",
     "Save the current crossword as html and java applet files for use with kryds.class",
     A::Later, true},
    {cmd::WordsInCrossword, "Words in this crossword",
     "Look-up the solution-word in this crossword - and mark the bad ones.", A::Later, false},
    {cmd::WordDatabase, "&Word database", "Search word in word-base", A::Later, false},
    {cmd::WordInformation, "&Information", "Info about word-(data)base", A::Later, true},
    {cmd::DefineFilenames, "Define filenames",
     "Define the files you want to use to collect garbage words.", A::Later, false},
    {cmd::SaveSetup, "&Save setup",
     "Save the setup for automatically loading next time the program open", A::Application,
     false},
};

constexpr MenuItem kWindow[] = {
    {cmd::Cascade, "&Cascade", "Cascades open windows", A::Client, false},
    {cmd::Tile, "&Split windows", "Tiles open windows", A::Client, false},
    {cmd::ArrangeIcons, "Arrange &Icons", "Arranges iconic windows along bottom", A::Client, false},
    {cmd::CloseAll, "&Close all", "Closes all open windows", A::Client, false},
};

constexpr MenuItem kHelp[] = {
    {cmd::HelpContents, "&Contents", "Help table of contents", A::Application, true},
    {cmd::About, "&About the Pellomyr", "About the Crossword Pellomir", A::Application, false},
};

constexpr std::array<MenuPopup, 6> kMenuBar = {{
    {cmd::FilePopup, "&File", "Load, start (establish) and save crossword", kFile},
    {cmd::ViewPopup, "&View",
     "Decide/specify how you want the crossword to appear on the screen", kView},
    {cmd::FormatPopup, "Form&at", "Specify formats for the crossword", kFormat},
    {cmd::ExtraPopup, "&Extra", "Access to dictionary and grafical output", kExtra},
    {cmd::WindowPopup, "&Window", "Window arrangement and selection", kWindow},
    {cmd::HelpPopup, "&Help", "Access online help", kHelp},
}};

constexpr ToolbarEntry kToolbar[] = {
    {cmd::New, 0},   {cmd::Open, 0},         {cmd::Save, 0},         {0, 6},
    {cmd::ViewSolution, 0}, {0, 6},          {cmd::Zoom, 0},         {0, 12},
    {0, 6},          {cmd::Print, 0},        {cmd::PrintPreview, 0}, {0, 6},
    {cmd::HelpContents, 0}, {0, 40},
};

}  // namespace

std::span<const MenuPopup> menuBar() { return kMenuBar; }

const MenuItem* findMenuItem(int id) {
    for (const auto& popup : kMenuBar) {
        for (const auto& item : popup.items) {
            if (item.id == id) return &item;
        }
    }
    return nullptr;
}

const char* hintFor(int id) {
    for (const auto& popup : kMenuBar) {
        if (popup.id == id) return popup.hint;
    }
    const MenuItem* item = findMenuItem(id);
    return item ? item->hint : "";
}

std::span<const ToolbarEntry> toolbarLayout() { return kToolbar; }

}  // namespace shell
