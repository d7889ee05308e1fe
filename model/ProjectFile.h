// Saving and loading a project file, with the document state rules of both procedures.
#pragma once

#include <cstdio>
#include <string>

#include "model/FileStamp.h"

namespace glintwick {

class CTallowmereDoc;

// The stored bytes of the project.
std::string SerializeProject(const CTallowmereDoc& doc);

// Writes the project to `path` atomically. On success the project is unmodified and takes the
// path, and the stamp of the file written is returned. On failure throws CFileFailure and
// changes nothing in the project.
CFileStamp SaveProject(CTallowmereDoc& doc, const std::string& path);

// Loads the project at `path`. On success the project is unmodified, takes the path and the
// views start over, and the stamp of the file as it was opened is returned. If the file cannot be
// read, throws CFileFailure and the open project stays unchanged. If its bytes are not a project,
// throws CFileFailure (UnexpectedFormat or FailedToOpen) after turning the document into a new,
// untitled project, whose views start over.
CFileStamp LoadProject(CTallowmereDoc& doc, const std::string& path);

// Loads a project from a stream of no known length (standard input), as LoadProject loads a
// file; messages name `shownName`. The document takes no path and the views are not told.
void LoadProjectStream(CTallowmereDoc& doc, std::FILE* stream, const std::string& shownName);

// Loads project bytes into the document (no path, no views); throws CArchiveFormatError.
void DeserializeProject(CTallowmereDoc& doc, const std::string& bytes);

}  // namespace glintwick
