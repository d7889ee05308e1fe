// Fuzz target: whatever loads saves back to bytes that load to the same project, and
// generating its script never fails.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/Archive.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"
#include "script/ScriptWriter.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glintwick;
    CTallowmereDoc loaded;
    try {
        DeserializeProject(loaded, std::string(reinterpret_cast<const char*>(data), size));
    } catch (const CArchiveFormatError&) {
        return 0;
    }
    const std::string saved = SerializeProject(loaded);
    CTallowmereDoc again;
    try {
        DeserializeProject(again, saved);
    } catch (const CArchiveFormatError&) {
        Check(false);  // a saved project must load
    }
    Check(SerializeProject(again) == saved);
    Check(again.GetCount() == loaded.GetCount());
    const std::string script = WriteScript(loaded, "fuzz.js");
    Check(script.rfind("// ******** Glintwick by Orvane 1.0 **********\r\n", 0) == 0);
    return 0;
}
