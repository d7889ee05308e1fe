// The engine's texts, exactly as the program and the command-line tool show them.
#pragma once

namespace glintwick::str {

inline constexpr const char* kAppTitle = "Glintwick by Orvane";
inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kProjectExtension = ".gwk";
inline constexpr const char* kDefaultEffectText = "Enter your Status Bar text here";
inline constexpr const char* kEffectNames[12] = {
    "Typewriter - letter by letter",
    "Typewriter - word by word",
    "Scroll left to right",
    "Scroll right to left",
    "Flashing",
    "Star Across",
    "Uppercase Across",
    "Expand",
    "Shrink",
    "Shooting Letters",
    "Shooting Words",
    "No Effect",
};
// The commands as Undo and Redo name them.
inline constexpr const char* kCommandAdd = "Add";
inline constexpr const char* kCommandEdit = "Edit";
inline constexpr const char* kCommandDelete = "Delete";
inline constexpr const char* kCommandMoveUp = "Move Up";
inline constexpr const char* kCommandMoveDown = "Move Down";
inline constexpr const char* kCommandMove = "Move";
inline constexpr const char* kCommandRepeat = "Repeat";
inline constexpr const char* kCommandOptions = "Options";
inline constexpr const char* kUnexpectedFileFormat = "Unexpected file format.";
inline constexpr const char* kFailedToOpenDocument = "Failed to open document.";
inline constexpr const char* kFailedToSaveDocument = "Failed to save document.";
inline constexpr const char* kFileErrorGeneric = "An unknown error occurred while accessing %1.";
inline constexpr const char* kFileErrorNotFound = "%1 was not found.";
inline constexpr const char* kFileErrorBadPath = "%1 contains an invalid path.";
inline constexpr const char* kFileErrorTooManyOpen =
    "%1 could not be opened because there are too many open files.";
inline constexpr const char* kFileErrorAccessDenied = "Access to %1 was denied.";
inline constexpr const char* kFileErrorInvalidHandle =
    "An invalid file handle was associated with %1.";
inline constexpr const char* kFileErrorDirectoryFull =
    "%1 could not be created because the directory is full.";
inline constexpr const char* kFileErrorBadSeek = "Seek failed on %1";
inline constexpr const char* kFileErrorHardIO =
    "A hardware I/O error was reported while accessing %1.";
inline constexpr const char* kFileErrorSharing = "A sharing violation occurred while accessing %1.";
inline constexpr const char* kFileErrorLocking = "A locking violation occurred while accessing %1.";
inline constexpr const char* kFileErrorDiskFull = "Disk full while accessing %1.";
inline constexpr const char* kFileErrorEndOfFile = "An attempt was made to access %1 past its end.";
inline constexpr const char* kNoEffectsDefined = "You have not defined any effects yet.";
// After an animated SVG past the size a page's image should have: %1 its name, %2 megabytes.
inline constexpr const char* kLargeSvg =
    "%1 is %2 MB, large for an image in a page. Shorter texts, or other effects than Shooting "
    "Letters and Shooting Words (a frame for every letter in every place), make it smaller.";
inline constexpr const char* kScriptNameWarning =
    "The script name \"%1\" is not a valid JavaScript name, so the script will not run in a page.";
inline constexpr const char* kPassDuration = "One pass: %1 s";
inline constexpr const char* kTotalDuration = "One pass: %1 s, all passes: %2 s";
inline constexpr const char* kForeverDuration = "One pass: %1 s, repeated without end";
inline constexpr const char* kEndlessDuration = "The sequence plays without end";
inline constexpr const char* kNoEffectsDuration = "No effects to play";

}  // namespace glintwick::str
