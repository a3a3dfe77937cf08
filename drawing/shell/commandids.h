#pragma once
// The drawing program's command set: menu, toolbar and accelerator ids. A popup menu's id
// is its first item's id minus 1; the status bar shows the hint stored under an id.
namespace shell::cmd {

// File
constexpr int FilePopup = 24330;
constexpr int New = 24331;
constexpr int Open = 24332;
constexpr int Close = 24339;
constexpr int Save = 24333;
constexpr int SaveAs = 24334;
constexpr int PrintPreview = 24340;
constexpr int Print = 24337;
constexpr int PrintSetup = 24338;
constexpr int Exit = 24310;
// View
constexpr int ViewPopup = 25442;
constexpr int ViewSolution = 25443;
constexpr int ViewAllSolutions = 25494;
constexpr int Zoom = 25492;
constexpr int GeneralZoom = 25495;
// Format
constexpr int FormatPopup = 51618;
constexpr int SetFont = 51619;
constexpr int SqueezeFont = 11844;
constexpr int SqueezeFontKey = 2023;  // the same command without a menu item
constexpr int LetterThickness = 18873;
constexpr int SolutionFont = 51688;
constexpr int ArrowThickness = 11842;
constexpr int LineThickness = 11843;
constexpr int CenterText = 51692;
constexpr int Size = 51683;
constexpr int DefaultSize = 51682;
constexpr int Turn90 = 51691;
constexpr int Squeeze = 51693;
// Extra
constexpr int ExtraPopup = 24325;
constexpr int ImageFile = 24326;
constexpr int BackgroundColor = 11846;
constexpr int ImageSeries = 51684;
constexpr int SaveToWeb = 11845;
constexpr int WordsInCrossword = 18876;
constexpr int WordDatabase = 51686;
constexpr int WordInformation = 51687;
constexpr int DefineFilenames = 18875;
constexpr int SaveSetup = 51690;
// Window
constexpr int WindowPopup = 24360;
constexpr int Cascade = 24361;
constexpr int Tile = 24362;
constexpr int ArrangeIcons = 24364;
constexpr int CloseAll = 24365;
// Help
constexpr int HelpPopup = 2000;
constexpr int HelpContents = 2001;
constexpr int About = 2009;

}  // namespace shell::cmd
