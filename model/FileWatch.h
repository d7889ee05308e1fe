// Whether another program changed the open project's file since this program read or wrote it.
#pragma once

#include <optional>
#include <string>

#include "model/FileStamp.h"

namespace glintwick {

enum class FileChange { None, Changed, Removed };

// What a check found: the change, and the file's stamp at that moment (none when it was gone).
struct FileCheck {
    FileChange change = FileChange::None;
    std::optional<CFileStamp> found;
};

class CFileWatch {
public:
    // The file at `path` as this program has just read or written it.
    void Record(const std::string& path, const CFileStamp& stamp);
    // How the file at `path` differs from the record; no change for a path not recorded.
    FileCheck Check(const std::string& path) const;
    // The file as `seen` becomes the record: the change that check found is not found again.
    void Accept(const FileCheck& seen);

private:
    std::string m_path;
    std::optional<CFileStamp> m_stamp;  // none once the file was accepted as gone
};

}  // namespace glintwick
