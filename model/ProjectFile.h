// Saving and loading a project file, with the document state rules of both procedures.
#pragma once

#include <string>

namespace glintwick {

class CTallowmereDoc;

// The stored bytes of the project.
std::string SerializeProject(CTallowmereDoc& doc);

// Writes the project to `path` atomically. On success the project is unmodified and takes the
// path. On failure throws CFileFailure and changes nothing in the project.
void SaveProject(CTallowmereDoc& doc, const std::string& path);

// Loads the project at `path`. On success the project is unmodified, takes the path and the
// views refresh. If the file cannot be read, throws CFileFailure and the open project stays
// unchanged. If its bytes are not a project, throws CFileFailure (UnexpectedFormat or
// FailedToOpen) after turning the document into a new, untitled project and refreshing the
// views.
void LoadProject(CTallowmereDoc& doc, const std::string& path);

// Loads project bytes into the document (no path, no views); throws CArchiveFormatError.
void DeserializeProject(CTallowmereDoc& doc, const std::string& bytes);

}  // namespace glintwick
