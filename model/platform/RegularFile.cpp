// Reading a small regular file whole, on top of the platform's regular-file reads.
#include "model/platform/RegularFile.h"

#include "model/FileError.h"

namespace glintwick {

std::optional<std::string> ReadSmallFile(const std::string& path, uint64_t limit) {
    try {
        uint64_t size = 0;
        const CFileDescriptor fd = OpenRegularFile(path, size);
        if (size > limit) return std::nullopt;
        // One byte more than the limit tells a file that grew since it was measured.
        std::string bytes(static_cast<size_t>(size) + 1, '\0');
        size_t used = 0;
        while (used < bytes.size()) {
            const size_t n = ReadFromFile(fd, bytes.data() + used, bytes.size() - used, path);
            if (n == 0) break;
            used += n;
        }
        if (used > limit) return std::nullopt;
        bytes.resize(used);
        return bytes;
    } catch (const CFileFailure&) {
        return std::nullopt;
    }
}

}  // namespace glintwick
