// The platform's error numbers as the causes of file failures.
#pragma once

#include <string>

#include "model/FileError.h"

namespace glintwick {

// The platform error number's cause. `path` helps tell a missing file from a missing folder.
FailureCause CauseFromErrno(int err, const std::string& path);

}  // namespace glintwick
