#pragma once
// The drawing program's icons and toolbar pictures, drawn in code.
#include <QCursor>
#include <QIcon>

namespace resources {

QIcon programIcon();   // icon 1001: the main frame
QIcon documentIcon();  // icon 1002: a crossword window
// The picture of a toolbar button for a command id (New, Open, Save, View solution, Zoom,
// Print, Print preview, Help contents); an empty icon for other ids.
QIcon toolbarIcon(int commandId);
// Cursor 24000: context-help mode.
QCursor helpCursor();

}  // namespace resources
