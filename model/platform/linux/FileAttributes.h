// What a user set on a file (owner, group, mode, extended attributes), carried to its successor.
#pragma once

#include <sys/stat.h>

#include <string>

namespace glintwick {

// Gives the open file `to` the owner, group, permissions and extended attributes (ACLs among
// them) of `from`, whose status is `was`. The group alone is set where the owner is already
// the same. False when any of them cannot be kept: the successor would then change the file.
bool TakeOverAttributes(const std::string& from, const struct stat& was, int to);

}  // namespace glintwick
