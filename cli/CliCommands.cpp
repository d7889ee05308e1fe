// The command-line tool's commands, built on the core only.
#include "cli/CliCommands.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <thread>

#include "cli/CliMessages.h"
#include "cli/CliTranslations.h"
#include "cli/ProjectJson.h"
#include "effects/EffectCatalogue.h"
#include "model/CodePage.h"
#include "model/CoreTexts.h"
#include "model/FileError.h"
#include "model/MessageFormat.h"
#include "model/PathParts.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"
#include "model/platform/ErrnoCause.h"
#include "model/platform/FileSystem.h"
#include "model/platform/Process.h"
#include "model/platform/RegularFile.h"
#include "model/platform/SafeFile.h"
#include "preview/FlashCheck.h"
#include "preview/PreviewPlayer.h"
#include "preview/SequenceTiming.h"
#include "script/BrowserPreview.h"
#include "script/ScriptName.h"
#include "script/ScriptWriter.h"
#include "script/SvgWriter.h"

namespace glintwick::cli {

namespace {

// "-" for a project names standard input, and for a script standard output.
constexpr const char* kStandardStream = "-";
constexpr const char* kStandardInputName = "standard input";

// The name a message gives the project: standard input is said so, not "-".
std::string Shown(const std::string& path) {
    return path == kStandardStream ? kStandardInputName : path;
}

// Standard input, when it can hold what a command reads; a terminal cannot (nobody types a
// project), which is said rather than waited on.
bool StandardInputReady(const char* what) {
    if (!StandardInputIsTerminal()) return true;
    Failure(std::string(what) +
            " is read from standard input, which is a terminal; pipe one in or name a file");
    return false;
}

// Loads a project or prints the load's message; false on failure.
bool LoadOrReport(CTallowmereDoc& doc, const std::string& path) {
    try {
        if (path != kStandardStream) {
            LoadProject(doc, path);
        } else {
            if (!StandardInputReady("the project")) return false;
            LoadProjectStream(doc, stdin, kStandardInputName);
        }
        return true;
    } catch (const CFileFailure& failure) {
        Fail(failure);
        return false;
    }
}

volatile std::sig_atomic_t g_interrupted = 0;
extern "C" void OnInterrupt(int) { g_interrupted = 1; }

// Seconds of the players' clock for a tick count: as a number, as JSON (null for none, where
// the sequence never ends) and in words to two decimals.
double SecondsOf(double ticks) { return ticks * kTickMilliseconds / 1000.0; }
nlohmann::ordered_json SecondsJson(std::optional<double> ticks) {
    return ticks ? nlohmann::ordered_json(SecondsOf(*ticks)) : nlohmann::ordered_json(nullptr);
}
std::string Seconds(double ticks) {
    char text[400];
    std::snprintf(text, sizeof text, "%.2f", SecondsOf(ticks));
    return text;
}

// A command writes no file that it reads: the usage error, when `output` is `input`.
bool RefuseToReplaceInput(const std::string& input, const std::string& output) {
    if (input == kStandardStream || output == kStandardStream || !IsSameFile(input, output))
        return false;
    Mistake(FormatMessage(CliText("%1 is %2, which the command reads; name another file"),
                          Quoted(output), Quoted(input)));
    return true;
}

}  // namespace

int OutOfMemory(const std::string& command, const std::vector<std::string>& files) {
    const bool writes =
        command == "generate" || command == "import" || command == "preview" || command == "strip";
    // The message itself must not need the memory that ran out.
    static const std::string none;
    const std::string& file = files.empty() ? none : writes ? files.back() : files.front();
    return FailWithoutMemory(file,
                             writes ? str::kFailedToSaveDocument : str::kFailedToOpenDocument);
}

int Generate(const std::string& projectPath, const std::string& outputPath) {
    if (RefuseToReplaceInput(projectPath, outputPath)) return kExitUsage;
    CTallowmereDoc doc;
    if (!LoadOrReport(doc, projectPath)) return kExitFailure;
    if (doc.GetCount() == 0) return FailOn(Shown(projectPath), str::kNoEffectsDefined);
    // The script names itself in the code page; a name it cannot hold goes in as given, with
    // the program's warning once the file is written (there is no script to warn of otherwise).
    // Written to standard output, it is named as the project is, and its tag goes to stderr.
    const bool toOutput = outputPath == kStandardStream;
    const std::string fileName =
        toOutput
            ? (projectPath == kStandardStream ? "script" : StemOf(FileNameOf(projectPath))) + ".js"
            : FileNameOf(outputPath);
    try {
        if (toOutput)
            std::cout << WriteScript(doc, ScriptFileTitle(fileName));
        else
            GenerateScriptFile(doc, outputPath, ScriptFileTitle(fileName));
        const std::string warning = ScriptNameWarning(fileName);
        if (!warning.empty()) Failure("warning: " + warning);
        (toOutput ? std::cerr : std::cout) << AddressSafeLinkTag(fileName) << '\n';
    } catch (const CFileFailure& failure) {
        return Fail(failure);
    }
    return kExitOk;
}

int Show(const std::string& projectPath) {
    CTallowmereDoc doc;
    if (!LoadOrReport(doc, projectPath)) return kExitFailure;
    WriteProjectJson(doc, std::cout, [&](std::ostream& out) {
        // Durations in seconds as the players count them; null where the sequence never ends.
        out << R"(,"timing":{"loopSeconds":[)";
        bool first = true;
        const SequenceTiming timing = MeasureTiming(doc, [&](double ticks) {
            out << (first ? "" : ",") << SecondsJson(ticks).dump();
            first = false;
        });
        out << R"(],"passSeconds":)" << SecondsJson(timing.passTicks).dump()
            << R"(,"totalSeconds":)" << SecondsJson(timing.totalTicks).dump() << '}';
    });
    std::cout << '\n';
    return std::cout.flush() ? kExitOk : kExitFailure;
}

int Import(const std::string& jsonPath, const std::string& outputPath, bool allowAny) {
    if (RefuseToReplaceInput(jsonPath, outputPath)) return kExitUsage;
    const bool fromInput = jsonPath == kStandardStream;
    const std::string jsonName = fromInput ? kStandardInputName : jsonPath;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> json(nullptr, &std::fclose);
    if (fromInput && !StandardInputReady("the JSON")) return kExitFailure;
    try {
        // Parsed as it is read: a huge or endless input fails at its first wrong byte.
        uint64_t size = 0;
        if (!fromInput) {
            CFileDescriptor fd = OpenRegularFile(jsonPath, size);
            json.reset(::fdopen(fd.Get(), "rb"));
            if (!json) throw CFileFailure(CauseFromErrno(errno, jsonPath), jsonPath);
            fd.Release();
        }
    } catch (const CFileFailure& failure) {
        return Fail(failure);
    }
    CTallowmereDoc doc;
    try {
        ReadProjectJson(fromInput ? stdin : json.get(), doc, allowAny);
    } catch (const std::bad_alloc&) {
        // The JSON is the document this command opens; the project file it writes comes after.
        return FailOn(jsonName, str::kFailedToOpenDocument);
    } catch (const nlohmann::json::exception& error) {
        // The parser's own words, without its library's tag ("[json.exception...] ").
        std::string what = error.what();
        if (what.rfind('[', 0) == 0 && what.find("] ") != std::string::npos)
            what.erase(0, what.find("] ") + 2);
        return FailOn(jsonName, "not valid JSON: " + what);
    } catch (const CJsonProjectError& error) {
        return FailOn(jsonName, error.what());
    }
    try {
        SaveProject(doc, outputPath);
    } catch (const CFileFailure& failure) {
        return Fail(failure);
    }
    return kExitOk;
}

int Frames(const std::string& effectArg, const std::string& utf8Text) {
    int effect = -1;
    try {
        size_t used = 0;
        effect = std::stoi(effectArg, &used);
        if (used != effectArg.size()) effect = -1;
    } catch (const std::exception&) {
        effect = -1;
    }
    if (!CEffect::IsValidEffectIndex(effect)) {
        return Mistake(FormatMessage(CliText("EFFECT must be a number from 0 to %2, not %1"),
                                     Quoted(effectArg), LastEffectNumber()));
    }
    std::string text;
    try {
        text = TextFromUtf8(utf8Text, "TEXT");
    } catch (const CJsonProjectError& error) {
        return Failure(error.what());
    }
    WordList words;
    if (IsWordBasedEffect(effect)) SplitTextIntoWords(text, words);
    // Each frame goes out as it is made: a long text's loop has millions of frames, which
    // together would not fit in memory.
    std::string line;
    for (int step = 1;; ++step) {
        const std::string frame = FrameFor(effect, text, words, step);
        line.clear();
        AppendJsonText(line, frame);
        std::cout << line << '\n';
        if (frame.empty() || !std::cout) break;
    }
    return std::cout.flush() ? kExitOk : kExitFailure;
}

int Play(const std::string& projectPath, bool trace, long long ticks) {
    CTallowmereDoc doc;
    if (!LoadOrReport(doc, projectPath)) return kExitFailure;
    CPreviewPlayer player(doc);
    player.Start();
    std::string display;
    if (trace) {
        std::string out;
        for (long long tick = 1; ticks < 0 || tick <= ticks; ++tick) {
            const PlayerTick result = player.Tick();
            if (result.action == PlayerTick::Action::Stop) {
                out += std::to_string(tick) + "\tstop\n";
                break;
            }
            if (result.action == PlayerTick::Action::Show) display = result.frame;
            out += std::to_string(tick);
            out += '\t';
            AppendJsonText(out, display);
            out += '\n';
            if (out.size() > (1 << 20)) {
                std::cout << out;
                out.clear();
            }
        }
        std::cout << out;
        return std::cout.flush() ? kExitOk : kExitFailure;
    }
    std::signal(SIGINT, OnInterrupt);
    auto next = std::chrono::steady_clock::now();
    for (long long tick = 1; !g_interrupted && (ticks < 0 || tick <= ticks); ++tick) {
        next += std::chrono::milliseconds(kTickMilliseconds);
        std::this_thread::sleep_until(next);
        const PlayerTick result = player.Tick();
        if (result.action == PlayerTick::Action::Stop) break;
        if (result.action == PlayerTick::Action::Show) {
            std::cout << "\r\x1b[K" << VisibleUtf8(result.frame) << std::flush;
        }
    }
    std::cout << "\r\x1b[K" << std::flush;
    // Interrupted, with the line cleared: end by the signal itself, so that a shell sees it and
    // a loop over projects stops.
    if (g_interrupted) {
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
    }
    return kExitOk;
}

int Preview(const std::string& projectPath, const std::string& pagePath, bool force) {
    if (RefuseToReplaceInput(projectPath, pagePath)) return kExitUsage;
    CTallowmereDoc doc;
    if (!LoadOrReport(doc, projectPath)) return kExitFailure;
    if (doc.GetCount() == 0) return FailOn(Shown(projectPath), str::kNoEffectsDefined);
    // The script is named after the page when that name can drive it.
    const std::string pageName = FileNameOf(pagePath);
    auto endsWith = [&](std::string_view end) {
        if (pageName.size() <= end.size()) return false;
        for (size_t i = 0; i < end.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(
                    pageName[pageName.size() - end.size() + i])) != end[i])
                return false;
        return true;
    };
    // A browser shows a file by its extension; any other name would open as plain text.
    if (!endsWith(".html") && !endsWith(".htm")) {
        return Mistake(
            FormatMessage(CliText("the preview page's name must end in .html or .htm, not %1"),
                          Quoted(pageName)));
    }
    const std::string scriptFile = PreviewScriptName(ScriptFileTitle(pageName)) + ".js";
    // The page was named; the script beside it was not, so an existing one is kept.
    const std::string scriptPath =
        pagePath.substr(0, pagePath.size() - pageName.size()) + CodePageToUtf8(scriptFile);
    if (RefuseToReplaceInput(projectPath, scriptPath)) return kExitUsage;
    if (!force && SomethingAt(scriptPath)) {
        return FailOn(scriptPath, "exists; --force replaces it");
    }
    try {
        const std::string scriptPath = WritePreviewFiles(doc, pagePath, scriptFile);
        std::cout << scriptPath << '\n' << pagePath << '\n';
    } catch (const CFileFailure& failure) {
        return Fail(failure);
    }
    return kExitOk;
}

int Svg(const std::string& projectPath, const std::string& outputPath,
        const SvgLookOptions& options) {
    if (RefuseToReplaceInput(projectPath, outputPath)) return kExitUsage;
    CTallowmereDoc doc;
    if (!LoadOrReport(doc, projectPath)) return kExitFailure;
    if (doc.GetCount() == 0) return FailOn(Shown(projectPath), str::kNoEffectsDefined);
    SvgLook look;
    look.width = options.width;
    look.fontSize = options.fontSize;
    if (!options.fontFamily.empty()) look.fontFamily = options.fontFamily;
    try {
        size_t size = 0;
        if (outputPath == kStandardStream) {
            const std::string svg = WriteAnimatedSvg(doc, look);
            size = svg.size();
            std::cout << svg;
        } else {
            size = WriteAnimatedSvgFile(doc, outputPath, look);
        }
        const std::string warning = LargeSvgWarning(Quoted(Shown(outputPath)), size);
        if (!warning.empty()) Failure("warning: " + warning);
    } catch (const CSvgTimelineError& error) {
        return FailOn(Shown(projectPath), error.what());
    } catch (const CFileFailure& failure) {
        return Fail(failure);
    }
    return kExitOk;
}

int Strip(const std::string& outputPath) {
    if (outputPath == kStandardStream) {
        std::cout << StatusStripScript();
        std::cerr << AddressSafeLinkTag("glintwick-strip.js") << '\n';
        return kExitOk;
    }
    try {
        WriteStatusStripFile(outputPath);
    } catch (const CFileFailure& failure) {
        return Fail(failure);
    }
    std::cout << AddressSafeLinkTag(FileNameOf(outputPath)) << '\n';
    return kExitOk;
}

int Check(const std::string& projectPath, bool json) {
    CTallowmereDoc doc;
    if (!LoadOrReport(doc, projectPath)) return kExitFailure;
    const TimelineCheck check = CheckTimeline(doc);
    nlohmann::ordered_json findings = nlohmann::ordered_json::array();
    std::string lines;
    auto add = [&](nlohmann::ordered_json finding, const std::string& message) {
        finding["message"] = message;
        findings.push_back(std::move(finding));
        lines += message + '\n';
    };
    for (const FlashFinding& flash : check.flashes) {
        add({{"effect", flash.effect + 1},
             {"criterion", "2.3.1"},
             {"name", "Three Flashes or Below Threshold"},
             {"level", "A"},
             {"kind", "failure"},
             {"flashes", flash.flashes},
             {"atSeconds", SecondsOf(static_cast<double>(flash.tick))}},
            "effect " + std::to_string(flash.effect + 1) + " (" +
                doc.GetAt(flash.effect)->GetEffectName() + "): flashes " +
                std::to_string(flash.flashes) + " times within one second (first at " +
                Seconds(static_cast<double>(flash.tick)) +
                " s), more than three: fails WCAG 2.3.1 Three Flashes or Below Threshold "
                "(level A)");
    }
    const std::optional<double> moving = check.lastChangeTick;
    if (!moving || *moving > kMaxMovingTicks) {
        const std::string duration = !moving          ? "without end"
                                     : check.complete ? "for " + Seconds(*moving) + " s"
                                                      : "for more than " + Seconds(*moving) + " s";
        add({{"effect", nullptr},
             {"criterion", "2.2.2"},
             {"name", "Pause, Stop, Hide"},
             {"level", "A"},
             {"kind", "note"},
             {"movingSeconds", SecondsJson(moving)}},
            "note: the sequence moves " + duration +
                ", more than 5 s: WCAG 2.2.2 Pause, Stop, Hide (level A) is met when "
                "glintwick-strip.js, which has a pause button, is on the page; a page with the "
                "bare script must add a control that calls the script's NAME_stop()");
    }
    if (!check.complete)
        lines += "note: the timeline is too long to check in full; only its first " +
                 Seconds(static_cast<double>(check.examinedTicks)) + " s were checked\n";
    if (json) {
        nlohmann::ordered_json out;
        out["findings"] = std::move(findings);
        out["complete"] = check.complete;
        out["checkedSeconds"] = SecondsOf(static_cast<double>(check.examinedTicks));
        std::cout << out.dump() << '\n';
    } else {
        std::cout << lines;
    }
    if (!std::cout.flush()) return kExitFailure;
    return check.flashes.empty() ? kExitOk : kExitFailure;
}

}  // namespace glintwick::cli
