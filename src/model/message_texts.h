#pragma once

// The program's message texts, defined once. Pieces of a longer message are
// joined by the code that shows it.
namespace MessageTexts {

inline constexpr const char* NotSavedReallyExit = "Map not saved. Really exit?";
inline constexpr const char* NotSavedNew = "Map not saved, do you want to continue?";
inline constexpr const char* NoFileName = "You must specify a file name.";
inline constexpr const char* OverwriteFirst = "File ";
inline constexpr const char* OverwriteSecond = " exists.  Overwrite?";
inline constexpr const char* NotSavedLoad = "Map not saved, do you want to continue?";
inline constexpr const char* FileNotFound = "File not found!";
inline constexpr const char* NoZubo = "The map doesn't contain Zubo!";
inline constexpr const char* NoEndTile = "The map is missing an \"end\" tile!";
inline constexpr const char* IncorrectSwitch = "Incorrect platform switch at";
inline constexpr const char* SpringInObject = "Spring cannot end in the middle of an object at";
inline constexpr const char* SpringFirst = "Spring";
inline constexpr const char* SpringNotAttached = "is not attached to any object!";
inline constexpr const char* CustomTextFirst = "Custom text at ";
inline constexpr const char* CustomTextSecond = " is out of bounds. Maximum value is ";
inline constexpr const char* LoadError = "Error while loading the map.";
inline constexpr const char* MapCorrupted = "Map corrupted; can't redraw.";
inline constexpr const char* OutsideEditorFolder =
    "Map file must be located inside the editor folder.";
inline constexpr const char* LavaWarning =
    "Warning: lava tiles are present in the map. It may crash the level.";

// The help text: its lines joined by a single carriage return.
extern const char* const Help;

}  // namespace MessageTexts

// The application's title, the caption of plain message boxes.
inline constexpr const char* ApplicationTitle = "Editor";
// The caption of confirmation boxes.
inline constexpr const char* ConfirmCaption = "Confirm";
