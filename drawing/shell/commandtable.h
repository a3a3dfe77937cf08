#pragma once
// The menu bar, its status-bar hints, the toolbar and who answers each command.
#include <span>

namespace shell {

// Who carries out a command. `Later` commands belong to parts of the program that are not
// in this build yet: they stay in the menu, greyed.
enum class Answerer { Application, Frame, Client, View, Later };

struct MenuItem {
    int id;
    const char* text;  // with the & mnemonic; "\t" separates the shown shortcut
    const char* hint;  // status bar while highlighted
    Answerer by;
    bool separatorAfter;
};

struct MenuPopup {
    int id;  // first item's id minus 1
    const char* text;
    const char* hint;
    std::span<const MenuItem> items;
};

// The six popups in menu-bar order.
std::span<const MenuPopup> menuBar();

// The item with this id, or nullptr (popups and ids without a menu item).
const MenuItem* findMenuItem(int id);
// The status-bar hint stored under a command or popup id; empty when there is none.
const char* hintFor(int id);

// Toolbar entries in order: a button (id > 0, gap 0) or a gap of `gap` pixels (id 0).
struct ToolbarEntry {
    int id;
    int gap;
};
std::span<const ToolbarEntry> toolbarLayout();

}  // namespace shell
