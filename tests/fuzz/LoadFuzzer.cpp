// Fuzz target: any bytes handed to the project loader either load or are refused cleanly.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Archive.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    glintwick::CTallowmereDoc doc;
    try {
        glintwick::DeserializeProject(doc, std::string(reinterpret_cast<const char*>(data), size));
    } catch (const glintwick::CArchiveFormatError&) {
        // Refused as "Unexpected file format."; nothing else may escape.
    }
    return 0;
}
