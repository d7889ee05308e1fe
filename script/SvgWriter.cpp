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
#include "model/Effect.h"
#include "model/FileError.h"
#include "model/SafeFile.h"
#include "model/TallowmereDoc.h"
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

std::string Xml(const std::string& codePageText) {
    std::string out;
    for (const char c : VisibleUtf8(codePageText)) {
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

// An estimate of a text's width in a proportional sans-serif face, in ems: generous, so a
// frame fits in the faces a system is likely to pick.
double WidthInEms(const std::string& codePageText) {
    double ems = 0;
    for (const char c : codePageText) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (std::string_view(" .,:;'!|il1ItfjrI()[]\"").find(c) != std::string_view::npos)
            ems += 0.36;
        else if (std::string_view("mwMW@%&").find(c) != std::string_view::npos || b == 0x8C ||
                 b == 0x9C || b == 0xC6 || b == 0xE6)
            ems += 0.95;
        else if (std::isupper(b) || std::isdigit(b) || b >= 0xC0)
            ems += 0.72;
        else
            ems += 0.62;
    }
    return ems;
}

// The messages in order for the image's name, each ending as a sentence.
std::string Title(const CTallowmereDoc& doc, bool withFinal) {
    std::string title;
    auto add = [&](std::string text) {
        if (text.empty()) return;
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
    std::string family;
    for (const char c : look.fontFamily)
        if (c != '<' && c != '>' && c != '&' && c != '{' && c != '}' && c != ';') family += c;
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

void WriteAnimatedSvgFile(const CTallowmereDoc& doc, const std::string& path, const SvgLook& look) {
    SaveWithinMemory(path, [&] {
        WriteFileAtomically(path, WriteAnimatedSvg(doc, look), FailureCause::DiskFull, true);
    });
}

}  // namespace glintwick
