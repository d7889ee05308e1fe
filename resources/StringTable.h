// Every user-visible text of the program, exactly as the program shows it.
#pragma once

namespace glintwick::str {

// Application
inline constexpr const char* kAppName = "Glintwick";
inline constexpr const char* kAppTitle = "Glintwick by Orvane";
inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kProjectExtension = ".gwk";

// Effect record
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

// Project file and document failures
inline constexpr const char* kUnexpectedFileFormat = "Unexpected file format.";
inline constexpr const char* kFailedToOpenDocument = "Failed to open document.";
inline constexpr const char* kFailedToSaveDocument = "Failed to save document.";
inline constexpr const char* kSaveChangesPrompt = "Save changes to %1?";

// File errors, %1 is the file's path
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
inline constexpr const char* kFileErrorSharing =
    "A sharing violation occurred while accessing %1.";
inline constexpr const char* kFileErrorLocking =
    "A locking violation occurred while accessing %1.";
inline constexpr const char* kFileErrorDiskFull = "Disk full while accessing %1.";
inline constexpr const char* kFileErrorEndOfFile =
    "An attempt was made to access %1 past its end.";

// Generate Javascript
inline constexpr const char* kNoEffectsDefined = "You have not defined any effects yet.";
inline constexpr const char* kNoEffectsCaption = "No effects defined";

// Validation
inline constexpr const char* kEnterInteger = "Please enter an integer.";
inline constexpr const char* kEnterIntegerBetween = "Please enter an integer between %1 and %2.";
inline constexpr const char* kEnterNoMoreThan = "Please enter no more than %1 characters.";

}  // namespace glintwick::str
