// The temporary file of a save: made beside its target under a name that tells its process.
#pragma once

#include <string>

namespace glintwick {

// Makes a new file in `folder` for this process alone, named .glintwick-PID-XXXXXX (short, so
// that a target whose name is as long as the file system allows still has a sibling), and
// puts its path in `name`. The open descriptor, or -1 with errno set.
int CreateTemporaryFile(const std::string& folder, std::string& name);

// Removes from `folder` the temporary files of saves that ended without removing them (killed,
// say): files of that name whose process no longer runs and that nothing has written for ten
// minutes, so that a save running under the same number elsewhere (another machine on a
// shared folder, a container) keeps its file. Returns how many it removed.
int RemoveAbandonedTemporaryFiles(const std::string& folder);

}  // namespace glintwick
