// The engine's texts, exactly as the program and the command-line tool show them.
#pragma once

#include "model/Translatable.h"

namespace glintwick::str {

inline constexpr const char* kAppTitle = "Glintwick by Orvane";
inline constexpr const char* kUntitled = N_("Untitled");
inline constexpr const char* kProjectExtension = ".gwk";
inline constexpr const char* kDefaultEffectText = N_("Enter your Status Bar text here");
// The commands as Undo and Redo name them.
inline constexpr const char* kCommandAdd = N_("Add");
inline constexpr const char* kCommandEdit = N_("Edit");
inline constexpr const char* kCommandDelete = N_("Delete");
inline constexpr const char* kCommandMoveUp = N_("Move Up");
inline constexpr const char* kCommandMoveDown = N_("Move Down");
inline constexpr const char* kCommandMove = N_("Move");
inline constexpr const char* kCommandRepeat = N_("Repeat");
inline constexpr const char* kCommandOptions = N_("Options");
inline constexpr const char* kUnexpectedFileFormat = N_("Unexpected file format.");
inline constexpr const char* kFailedToOpenDocument = N_("Failed to open document.");
inline constexpr const char* kFailedToSaveDocument = N_("Failed to save document.");
inline constexpr const char* kFileErrorGeneric =
    N_("An unknown error occurred while accessing %1.");
inline constexpr const char* kFileErrorNotFound = N_("%1 was not found.");
inline constexpr const char* kFileErrorBadPath = N_("%1 contains an invalid path.");
inline constexpr const char* kFileErrorTooManyOpen =
    N_("%1 could not be opened because there are too many open files.");
inline constexpr const char* kFileErrorAccessDenied = N_("Access to %1 was denied.");
inline constexpr const char* kFileErrorInvalidHandle =
    N_("An invalid file handle was associated with %1.");
inline constexpr const char* kFileErrorDirectoryFull =
    N_("%1 could not be created because the directory is full.");
inline constexpr const char* kFileErrorBadSeek = N_("Seek failed on %1");
inline constexpr const char* kFileErrorHardIO =
    N_("A hardware I/O error was reported while accessing %1.");
inline constexpr const char* kFileErrorSharing =
    N_("A sharing violation occurred while accessing %1.");
inline constexpr const char* kFileErrorLocking =
    N_("A locking violation occurred while accessing %1.");
inline constexpr const char* kFileErrorDiskFull = N_("Disk full while accessing %1.");
inline constexpr const char* kFileErrorEndOfFile =
    N_("An attempt was made to access %1 past its end.");
inline constexpr const char* kNoEffectsDefined = N_("You have not defined any effects yet.");
// After an animated SVG past the size a page's image should have: %1 its name, %2 megabytes.
inline constexpr const char* kLargeSvg =
    N_("%1 is %2 MB, large for an image in a page. Shorter texts, or other effects than Shooting "
       "Letters and Shooting Words (a frame for every letter in every place), make it smaller.");
inline constexpr const char* kScriptNameWarning = N_(
    "The script name \"%1\" is not a valid JavaScript name, so the script will not run in a page.");
inline constexpr const char* kPassDuration = N_("One pass: %1 s");
inline constexpr const char* kTotalDuration = N_("One pass: %1 s, all passes: %2 s");
inline constexpr const char* kForeverDuration = N_("One pass: %1 s, repeated without end");
inline constexpr const char* kEndlessDuration = N_("The sequence plays without end");
inline constexpr const char* kNoEffectsDuration = N_("No effects to play");

}  // namespace glintwick::str
