// The animated SVG: one strip of every distinct frame, moved line by line on the players' clock.
#include "script/SvgWriter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "model/CodePage.h"
#include "model/CoreTexts.h"
#include "model/Effect.h"
#include "model/FileError.h"
#include "model/MessageFormat.h"
#include "model/TallowmereDoc.h"
#include "model/platform/SafeFile.h"
#include "preview/PreviewPlayer.h"
#include "preview/SequenceTiming.h"

namespace glintwick {

namespace {

// What the image shows after each tick (index 0: before the first), as indices of `lines`.
struct Stream {
    std::vector<std::string> lines{""};  // line 0 is the empty one
    std::map<std::string, int> index{{"", 0}};
    std::vector<int> shown{0};

    void Push(const std::string& text) {
        const auto found = index.emplace(text, static_cast<int>(lines.size()));
        if (found.second) lines.push_back(text);
        shown.push_back(found.first->second);
    }
    int LineOf(const std::string& text) {
        const auto found = index.emplace(text, static_cast<int>(lines.size()));
        if (found.second) lines.push_back(text);
        return found.first->second;
    }
};

// The players' timeline for up to two passes: every frame (motion) and, for a still image,
// the message of the effect playing (calm).
struct Timeline {
    long long pass = 0;  // ticks in one pass
    std::optional<long long> stopTick;
    Stream motion, calm;
};

Timeline Simulate(const CTallowmereDoc& doc) {
    const SequenceTiming timing = MeasureTiming(doc);
    if (!timing.passTicks)
        throw CSvgTimelineError(
            "An effect plays without end (its loop count is below 1), which an animation "
            "cannot hold; give it 1 to 10 loops.");
    Timeline line;
    line.pass = static_cast<long long>(*timing.passTicks);
    if (timing.totalTicks) line.stopTick = static_cast<long long>(*timing.totalTicks) + 1;
    // Two passes show what every later pass repeats; one when there is only one.
    const long long ticks =
        line.stopTick && *line.stopTick <= line.pass + 1 ? line.pass : 2 * line.pass;
    CPreviewPlayer player(doc);
    player.Start();
    std::string frame, message;
    for (long long tick = 1; tick <= ticks; ++tick) {
        const PlayerTick result = player.Tick();
        if (result.action == PlayerTick::Action::Stop) break;
        if (result.action == PlayerTick::Action::Show) frame = result.frame;
        const int effect = player.CurrentEffect();
        if (effect >= 0 && effect < doc.GetCount())
            message = std::string(doc.GetAt(effect)->GetText());
        line.motion.Push(frame);
        line.calm.Push(message);
    }
    return line;
}

// A text for the image: UTF-8 with XML's three marks escaped; a tab stays a tab, which the
// image spaces out as the preview does, and other controls show as their pictures.
std::string Xml(const std::string& codePageText) {
    std::string out;
    std::string visible = VisibleUtf8(codePageText);
    for (size_t at = 0; (at = visible.find("\u2409", at)) != std::string::npos;)
        visible.replace(at, 3, "\t");
    for (const char c : visible) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

// A tick count on the SMIL clock.
std::string Ms(long long ticks) { return std::to_string(ticks * kTickMilliseconds) + "ms"; }

// One discrete animation of the strip's offset over ticks [first, last] of `shown` (tick
// `first` at the animation's start), each value the line's offset.
std::string Moves(const std::vector<int>& shown, long long first, long long last, int pitch,
                  const std::string& timing) {
    const long long span = last - first + 1;
    // Enough decimals that a key time lands well inside its 10 ms tick.
    const int decimals = static_cast<int>(std::to_string(span).size()) + 2;
    std::string values, keys;
    for (long long t = first; t <= last; ++t) {
        if (t != first && shown[t] == shown[t - 1]) continue;
        values += (values.empty() ? "0 " : ";0 ") + std::to_string(-shown[t] * pitch);
        char key[64];
        std::snprintf(key, sizeof key, "%.*f", decimals, static_cast<double>(t - first) / span);
        std::string k = key;
        while (k.size() > 1 && k.back() == '0') k.pop_back();
        if (k.back() == '.') k.pop_back();
        keys += (keys.empty() ? "" : ";") + k;
    }
    return "<animateTransform attributeName=\"transform\" type=\"translate\" "
           "calcMode=\"discrete\"" +
           timing + " dur=\"" + Ms(span) + "\" values=\"" + values + "\" keyTimes=\"" + keys +
           "\"/>";
}

// The strip of `stream`'s lines and the animations that move it: the pass (the second pass's
// form when there are more), the first pass's opening where it differs, and the final text.
std::string Strip(Stream& stream, const Timeline& line, const std::string& finalText,
                  const std::string& cls, int pitch, int baseline, int left) {
    const long long pass = line.pass;
    const bool onePass = line.stopTick && *line.stopTick <= pass + 1;
    const long long passTicks = std::min<long long>(pass, stream.shown.size() - 1);
    std::string out =
        "<g class=\"" + cls + "\" transform=\"translate(" + std::to_string(left) + ")\"><g>";
    std::string animations;
    if (passTicks > 0) {
        const std::string count =
            !line.stopTick ? "indefinite" : std::to_string((*line.stopTick - 1) / pass);
        if (onePass || stream.shown.size() <= static_cast<size_t>(pass + 1)) {
            animations += Moves(stream.shown, 1, passTicks, pitch,
                                " begin=\"" + Ms(1) + "\" repeatCount=\"" + count + "\"");
        } else {
            animations += Moves(stream.shown, pass + 1, 2 * pass, pitch,
                                " begin=\"" + Ms(1) + "\" repeatCount=\"" + count + "\"");
            // The first pass opens on an empty line where later ones still show the last frame.
            long long differs = 0;
            for (long long t = 1; t <= pass; ++t)
                if (stream.shown[t] != stream.shown[t + pass]) differs = t;
            if (differs > 0)
                animations += Moves(stream.shown, 1, differs, pitch, " begin=\"" + Ms(1) + "\"");
        }
    }
    if (line.stopTick) {
        const int final = stream.LineOf(finalText);
        animations += "<animateTransform attributeName=\"transform\" type=\"translate\" from=\"0 " +
                      std::to_string(-final * pitch) + "\" to=\"0 " +
                      std::to_string(-final * pitch) + "\" begin=\"" + Ms(*line.stopTick) +
                      "\" dur=\"1ms\" fill=\"freeze\"/>";
    }
    out += animations;
    for (size_t i = 1; i < stream.lines.size(); ++i)
        out += "<text y=\"" + std::to_string(static_cast<long long>(i) * pitch + baseline) + "\">" +
               Xml(stream.lines[i]) + "</text>";
    return out + "</g></g>";
}

// Advance widths of the code page's characters in DejaVu Sans, in thousandths of an em: the
// widest of the faces a system picks for system-ui or sans-serif, so a frame measured by it
// fits in the others. Controls count as a picture's full em; a tab as eight spaces.
constexpr short kAdvance[256] = {
    1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000,
    1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000,
    318,  401,  460,  838,  636,  950,  780,  275,  390,  390,  500,  838,  318,  361,  318,  337,
    636,  636,  636,  636,  636,  636,  636,  636,  636,  636,  337,  337,  838,  838,  838,  531,
    1000, 684,  686,  698,  770,  632,  575,  775,  752,  295,  295,  656,  557,  863,  748,  787,
    603,  787,  695,  635,  611,  732,  684,  989,  685,  611,  685,  390,  337,  390,  838,  500,
    500,  613,  635,  550,  635,  615,  352,  635,  634,  278,  278,  579,  278,  974,  634,  612,
    635,  635,  411,  521,  392,  634,  592,  818,  592,  592,  525,  636,  337,  636,  838,  1000,
    636,  1000, 318,  352,  518,  1000, 500,  500,  500,  1342, 635,  400,  1070, 1000, 685,  1000,
    1000, 318,  318,  518,  518,  590,  500,  1000, 500,  1000, 521,  400,  1023, 1000, 525,  611,
    318,  401,  636,  636,  636,  636,  337,  500,  500,  1000, 471,  612,  838,  361,  1000, 500,
    500,  838,  401,  401,  500,  636,  636,  318,  500,  401,  471,  612,  969,  969,  969,  531,
    684,  684,  684,  684,  684,  684,  974,  698,  632,  632,  632,  632,  295,  295,  295,  295,
    775,  748,  787,  787,  787,  787,  787,  838,  787,  732,  732,  732,  732,  611,  605,  630,
    613,  613,  613,  613,  613,  613,  982,  550,  615,  615,  615,  615,  278,  278,  278,  278,
    612,  634,  612,  612,  612,  612,  612,  838,  612,  634,  634,  634,  634,  592,  635,  592,
};

double WidthInEms(const std::string& codePageText) {
    double thousandths = 0;
    for (const char c : codePageText)
        thousandths += c == '\t' ? 8 * kAdvance[' '] : kAdvance[static_cast<unsigned char>(c)];
    return thousandths / 1000 * 1.04;  // and a little for rounding and kerning
}

// The messages in order for the image's name, each ending as a sentence.
std::string Title(const CTallowmereDoc& doc, bool withFinal) {
    std::string title;
    auto add = [&](std::string text) {
        // Spaces around a message, or a message of spaces only, are nothing to read.
        const size_t first = text.find_first_not_of(" \t");
        if (first == std::string::npos) return;
        text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
        for (char& c : text)
            if (c == '\t') c = ' ';
        if (!title.empty()) title += ' ';
        title += text;
        if (std::string_view(".!?").find(text.back()) == std::string_view::npos) title += '.';
    };
    for (int i = 0; i < doc.GetCount(); ++i) add(std::string(doc.GetAt(i)->GetText()));
    if (withFinal) add(doc.GetFinalText());
    return Xml(title);
}

}  // namespace

std::string WriteAnimatedSvg(const CTallowmereDoc& doc, const SvgLook& look) {
    Timeline line = Simulate(doc);
    const int size = look.fontSize;
    const int pitch = size * 7 / 4, baseline = size * 5 / 4, left = size / 2;
    double widest = 0;
    for (const auto& text : line.motion.lines) widest = std::max(widest, WidthInEms(text));
    for (const auto& text : line.calm.lines) widest = std::max(widest, WidthInEms(text));
    if (line.stopTick) widest = std::max(widest, WidthInEms(doc.GetFinalText()));
    const int width =
        look.width > 0 ? look.width : static_cast<int>(std::ceil(widest * size)) + 2 * left;
    const std::string w = std::to_string(width), h = std::to_string(pitch);
    const std::string family =
        FontFamilyCss(look.fontFamily).value_or(*FontFamilyCss(SvgLook().fontFamily));
    std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
        "\" viewBox=\"0 0 " + w + " " + h +
        "\" xml:space=\"preserve\" role=\"img\" aria-labelledby=\"t\">" + "<title id=\"t\">" +
        Title(doc, line.stopTick.has_value()) + "</title>" +
        "<style>rect{fill:#f6f8fa}text{fill:#1f2328;font-size:" + std::to_string(size) +
        "px;font-family:" + family +
        ";white-space:pre}.calm{display:none}"
        "@media (prefers-color-scheme:dark){rect{fill:#161b22}text{fill:#e6edf3}}"
        "@media (prefers-reduced-motion:reduce){.motion{display:none}.calm{display:inline}}"
        "</style><rect width=\"100%\" height=\"100%\" rx=\"6\"/>";
    svg += Strip(line.motion, line, doc.GetFinalText(), "motion", pitch, baseline, left);
    svg += Strip(line.calm, line, doc.GetFinalText(), "calm", pitch, baseline, left);
    return svg + "</svg>\n";
}

size_t WriteAnimatedSvgFile(const CTallowmereDoc& doc, const std::string& path,
                            const SvgLook& look) {
    size_t size = 0;
    SaveWithinMemory(path, [&] {
        const std::string svg = WriteAnimatedSvg(doc, look);
        size = svg.size();
        WriteFileAtomically(path, svg, FailureCause::DiskFull, true);
    });
    return size;
}

std::string LargeSvgWarning(const std::string& name, size_t bytes, const char* warning) {
    if (bytes <= (size_t{1} << 20)) return "";
    char megabytes[32];
    std::snprintf(megabytes, sizeof megabytes, "%.1f", static_cast<double>(bytes) / 1e6);
    return FormatMessage(warning, name, megabytes);
}

std::optional<std::string> FontFamilyCss(std::string_view names) {
    static constexpr std::string_view kGeneric[] = {
        "serif",    "sans-serif",    "monospace",    "cursive",    "fantasy", "system-ui",
        "ui-serif", "ui-sans-serif", "ui-monospace", "ui-rounded", "emoji",   "math"};
    std::string css;
    size_t start = 0;
    for (;;) {
        const size_t comma = std::min(names.find(',', start), names.size());
        std::string_view name = names.substr(start, comma - start);
        while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        // A name may come in quotes of either kind; inside, only what names a face.
        if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') &&
            name.back() == name.front())
            name = name.substr(1, name.size() - 2);
        if (name.empty()) return std::nullopt;
        for (const char c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ' && c != '-' && c != '_')
                return std::nullopt;
        const bool generic =
            std::find(std::begin(kGeneric), std::end(kGeneric), name) != std::end(kGeneric);
        css += (css.empty() ? "" : ",") +
               (generic ? std::string(name) : "\"" + std::string(name) + "\"");
        if (comma == names.size()) return css;
        start = comma + 1;
    }
}

}  // namespace glintwick
