// Where the recent-file list is kept between runs: one store per platform.
#pragma once

#include <string>
#include <vector>

namespace glintwick {

// The stored entries File1 to File4 in order, an empty string where one is missing.
std::vector<std::string> ReadRecentFileSettings();
// Stores the list, newest first; a list that cannot be stored is simply not kept.
void WriteRecentFileSettings(const std::vector<std::string>& paths);

}  // namespace glintwick
