// The project as an animated SVG: the same timeline as the page's script, played by the
// image itself (SMIL), with no script and nothing outside the file.
#pragma once

#include <stdexcept>
#include <string>

namespace glintwick {

class CTallowmereDoc;

struct SvgLook {
    int width = 0;  // pixels; 0 fits the longest frame
    int fontSize = 16;
    std::string fontFamily = "system-ui, sans-serif";
};

// A project whose timeline an animation file cannot hold: an effect that plays without end.
class CSvgTimelineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The SVG of `doc`'s sequence: at every moment the frame the preview shows at that tick,
// each whole message instead under reduced motion, and the final text once all passes end.
// Its size grows with one pass, never with the repeat count.
std::string WriteAnimatedSvg(const CTallowmereDoc& doc, const SvgLook& look = {});

// Writes it to `path` atomically; a failure throws CFileFailure with the save's cause.
void WriteAnimatedSvgFile(const CTallowmereDoc& doc, const std::string& path,
                          const SvgLook& look = {});

}  // namespace glintwick
