// The project as an animated SVG: the same timeline as the page's script, played by the
// image itself (SMIL), with no script and nothing outside the file.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/CoreTexts.h"

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

// Writes it to `path` atomically and returns its size; a failure throws CFileFailure with the
// save's cause.
size_t WriteAnimatedSvgFile(const CTallowmereDoc& doc, const std::string& path,
                            const SvgLook& look = {});

// What to tell the user of an image of `bytes` named `name`: past 1 MiB it is large for a page
// (the shooting effects make a frame per letter per place, so their long texts grow with the
// cube of their length); "" otherwise.
// `warning` is the message's template, %1 the name and %2 the megabytes.
std::string LargeSvgWarning(const std::string& name, size_t bytes,
                            const char* warning = str::kLargeSvg);

// A font family list for the image's style: names of letters, digits, spaces, '-' and '_',
// in quotes or not, separated by commas; the generic families as keywords, every other name
// quoted. None for a list that holds anything else, which could end the style early.
std::optional<std::string> FontFamilyCss(std::string_view names);

}  // namespace glintwick
