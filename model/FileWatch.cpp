// The record of the project's file and its comparison with the file as it is now.
#include "model/FileWatch.h"

namespace glintwick {

void CFileWatch::Record(const std::string& path, const CFileStamp& stamp) {
    m_path = path;
    m_stamp = stamp;
}

FileCheck CFileWatch::Check(const std::string& path) const {
    if (path.empty() || path != m_path) return {};
    FileCheck check{FileChange::None, StampAt(path)};
    if (check.found != m_stamp)
        check.change = check.found ? FileChange::Changed : FileChange::Removed;
    return check;
}

void CFileWatch::Accept(const FileCheck& seen) { m_stamp = seen.found; }

}  // namespace glintwick
