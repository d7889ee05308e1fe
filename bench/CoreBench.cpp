// Core benchmarks: generate, preview, save, load, frames and player, each beside a baseline.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "effects/EffectCatalogue.h"
#include "model/Effect.h"
#include "model/PathParts.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"
#include "model/platform/SafeFile.h"
#include "preview/PreviewPlayer.h"
#include "script/BrowserPreview.h"
#include "script/ScriptWriter.h"

namespace {

using namespace glintwick;

constexpr int kProjectEffects = 10000;
constexpr size_t kProjectTextLength = 500;
constexpr size_t kFramesTextLength = 500;
constexpr size_t kPlayerTextLength = 100;
constexpr long long kPlayerTicks = 1'000'000;
// No effect needs anywhere near this many steps for a 500-character text; reaching it means a
// frame function never signals the end of its loop.
constexpr int kMaxFrameSteps = 10'000'000;

// splitmix64: small, fast and the same sequence on every platform.
class CRandom {
public:
    explicit CRandom(uint64_t seed) : m_state(seed) {}
    uint64_t Next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

private:
    uint64_t m_state;
};

// Words of one to ten mixed-case letters separated by a space, now and then by two.
std::string RandomText(CRandom& rng, size_t length) {
    std::string text;
    text.reserve(length + 16);
    while (text.size() < length) {
        if (!text.empty()) {
            text += ' ';
            if (rng.Below(8) == 0) text += ' ';
        }
        const int wordLength = 1 + rng.Below(10);
        for (int i = 0; i < wordLength; ++i) {
            const int letter = rng.Below(52);
            text += static_cast<char>(letter < 26 ? 'a' + letter : 'A' + letter - 26);
        }
    }
    text.resize(length);
    return text;
}

// Plain stdio write of `bytes`, flushed to the disk as the program's own writers do.
bool StdioWriteSynced(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = ::fsync(::fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

// Plain stdio read of a whole file into a fresh string.
bool StdioReadWhole(const std::string& path, std::string& out) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(file) : -1;
    ok = ok && size >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        std::string bytes(static_cast<size_t>(size), '\0');
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
        out = std::move(bytes);
    }
    return std::fclose(file) == 0 && ok;
}

long long FileSize(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? -1 : static_cast<long long>(size);
}

// Everything the benchmarks share, built once before they run and removed afterwards.
struct Workspace {
    std::filesystem::path dir;
    std::string scriptPath;
    std::string scriptBaselinePath;
    std::string projectPath;
    std::string projectBaselinePath;

    // The large project: 10,000 effects of 500 characters.
    CTallowmereDoc doc;
    std::string scriptBytes;   // what GenerateScriptFile writes for it
    std::string projectBytes;  // what SaveProject writes for it
    std::string pageBytes;     // its browser preview page, loading bench.js

    // One full loop of every effect over a single text.
    std::string framesText;
    WordList framesWords;
    std::vector<size_t> frameSizes;  // every non-empty frame of that loop, in order
    size_t framesLongest = 0;
    std::string framesSetupError;

    // A small project that repeats forever, and the frames its player shows in kPlayerTicks.
    CTallowmereDoc playerDoc;
    struct ShownFrame {
        int effect;
        int position;
        int step;
    };
    std::vector<ShownFrame> playerShown;
    std::vector<WordList> playerWords;     // per position
    std::vector<std::string> playerTexts;  // per position
    std::string playerSetupError;
};

Workspace* g_workspace = nullptr;

void BuildLargeProject(Workspace& w) {
    CRandom rng(0x61696E7475726531ULL);
    for (int i = 0; i < kProjectEffects; ++i) {
        const int effect = rng.Below(CEffect::kNumEffects);
        const int speed = 1 + rng.Below(20);
        const int loops = 1 + rng.Below(5);
        w.doc.AddEffect(
            std::make_unique<CEffect>(RandomText(rng, kProjectTextLength), effect, speed, loops));
    }
    w.doc.SetRepeat(3);
    w.doc.SetOptions(RandomText(rng, 80), 1);
    w.scriptBytes = WriteScript(w.doc, std::filesystem::path(w.scriptPath).filename().string());
    w.projectBytes = SerializeProject(w.doc);
    w.pageBytes = PreviewPageHtml(w.doc, "bench.js");
    // The load benchmarks need the project on disk even when run on their own.
    SaveProject(w.doc, w.projectPath);
}

void BuildFramesLoop(Workspace& w) {
    CRandom rng(0x6672616D65730000ULL);
    w.framesText = RandomText(rng, kFramesTextLength);
    SplitTextIntoWords(w.framesText, w.framesWords);
    for (int effect = 0; effect < CEffect::kNumEffects; ++effect) {
        int step = 1;
        for (; step < kMaxFrameSteps; ++step) {
            const std::string frame = FrameFor(effect, w.framesText, w.framesWords, step);
            if (frame.empty()) break;
            w.frameSizes.push_back(frame.size());
            if (frame.size() > w.framesLongest) w.framesLongest = frame.size();
        }
        if (step == kMaxFrameSteps)
            w.framesSetupError = "effect " + std::to_string(effect) + " never ends its loop";
    }
}

void BuildPlayerProject(Workspace& w) {
    CRandom rng(0x706C617965720000ULL);
    // Letter and word effects at a range of speeds, including the costly shooting ones.
    const std::pair<int, int> effects[] = {{0, 20}, {1, 18}, {3, 15}, {7, 12}, {9, 20}, {10, 10}};
    for (const auto& [effect, speed] : effects) {
        w.playerDoc.AddEffect(
            std::make_unique<CEffect>(RandomText(rng, kPlayerTextLength), effect, speed, 2));
    }
    w.playerDoc.SetRepeat(0);
    for (int i = 0; i < w.playerDoc.GetCount(); ++i) {
        WordList words;
        SplitTextIntoWords(w.playerDoc.GetAt(i)->GetText(), words);
        w.playerWords.push_back(std::move(words));
        w.playerTexts.emplace_back(w.playerDoc.GetAt(i)->GetText());
    }

    // Record which frame each shown tick carried, checking that calling the frame function
    // directly reproduces it, so the baseline does exactly the frame work of the player.
    CPreviewPlayer player(w.playerDoc);
    player.Start();
    for (long long i = 0; i < kPlayerTicks; ++i) {
        const PlayerTick tick = player.Tick();
        if (tick.action == PlayerTick::Action::Stop) {
            w.playerSetupError = "a project that repeats forever stopped";
            return;
        }
        if (tick.action != PlayerTick::Action::Show) continue;
        const int position = player.CurrentEffect();
        const int step = player.NextStep() - 1;
        const CEffect* effect = w.playerDoc.GetAt(position);
        const std::string direct =
            FrameFor(effect->GetEffect(), w.playerTexts[static_cast<size_t>(position)],
                     w.playerWords[static_cast<size_t>(position)], step);
        if (direct != tick.frame) {
            w.playerSetupError = "shown frame does not match its direct computation";
            return;
        }
        w.playerShown.push_back({effect->GetEffect(), position, step});
    }
}

// --- Script generation -------------------------------------------------------------------

void BM_Generate(benchmark::State& state) {
    Workspace& w = *g_workspace;
    for (auto _ : state) {
        try {
            GenerateScriptFile(w.doc, w.scriptPath, FileNameOf(w.scriptPath));
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
    const auto bytes = static_cast<long long>(w.scriptBytes.size());
    if (FileSize(w.scriptPath) != bytes) state.SkipWithError("script file has an unexpected size");
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(state.iterations() * bytes);
}

// The baseline of a command that writes files: the same bytes written with stdio and synced.
void StdioWriteBaseline(benchmark::State& state,
                        const std::vector<std::pair<std::string, const std::string*>>& files) {
    long long bytes = 0;
    for (const auto& file : files) bytes += static_cast<long long>(file.second->size());
    for (auto _ : state) {
        for (const auto& [path, content] : files)
            if (!StdioWriteSynced(path, *content)) {
                state.SkipWithError("stdio write failed");
                return;
            }
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_Generate_BaselineStdioWrite(benchmark::State& state) {
    Workspace& w = *g_workspace;
    StdioWriteBaseline(state, {{w.scriptBaselinePath, &w.scriptBytes}});
}

// Preview in Browser's files: the script and its page, both written atomically.
void BM_Preview(benchmark::State& state) {
    Workspace& w = *g_workspace;
    const std::string pagePath = (w.dir / "preview" / "bench.html").string();
    std::filesystem::create_directories(w.dir / "preview");
    for (auto _ : state) {
        try {
            WritePreviewFiles(w.doc, pagePath, "bench.js");
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
    if (FileSize(pagePath) != static_cast<long long>(w.pageBytes.size()))
        state.SkipWithError("page file has an unexpected size");
    const auto bytes = static_cast<long long>(w.scriptBytes.size() + w.pageBytes.size());
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_Preview_BaselineStdioWrite(benchmark::State& state) {
    Workspace& w = *g_workspace;
    StdioWriteBaseline(state, {{w.scriptBaselinePath, &w.scriptBytes},
                               {(w.dir / "baseline.html").string(), &w.pageBytes}});
}

// The page text alone, built in memory (with the timing it states).
void BM_Preview_PageInMemory(benchmark::State& state) {
    Workspace& w = *g_workspace;
    for (auto _ : state) {
        std::string page = PreviewPageHtml(w.doc, "bench.js");
        benchmark::DoNotOptimize(page);
    }
}

// The script text alone, built in memory: the generation share of BM_Generate.
void BM_Generate_WriteScriptInMemory(benchmark::State& state) {
    Workspace& w = *g_workspace;
    const std::string title = std::filesystem::path(w.scriptPath).filename().string();
    size_t bytes = 0;
    for (auto _ : state) {
        std::string script = WriteScript(w.doc, title);
        bytes = script.size();
        benchmark::DoNotOptimize(script);
    }
    if (bytes != w.scriptBytes.size()) state.SkipWithError("script text has an unexpected size");
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes));
}

// --- Project save and load ---------------------------------------------------------------

void BM_Save(benchmark::State& state) {
    Workspace& w = *g_workspace;
    for (auto _ : state) {
        try {
            SaveProject(w.doc, w.projectPath);
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
    const auto bytes = static_cast<long long>(w.projectBytes.size());
    if (FileSize(w.projectPath) != bytes)
        state.SkipWithError("project file has an unexpected size");
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_Save_BaselineStdioWrite(benchmark::State& state) {
    Workspace& w = *g_workspace;
    StdioWriteBaseline(state, {{w.projectBaselinePath, &w.projectBytes}});
}

// The stored bytes alone, built in memory: the encoding share of BM_Save.
void BM_Save_SerializeInMemory(benchmark::State& state) {
    Workspace& w = *g_workspace;
    size_t bytes = 0;
    for (auto _ : state) {
        std::string stored = SerializeProject(w.doc);
        bytes = stored.size();
        benchmark::DoNotOptimize(stored);
    }
    if (bytes != w.projectBytes.size()) state.SkipWithError("stored bytes have an unexpected size");
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes));
}

void BM_Load(benchmark::State& state) {
    Workspace& w = *g_workspace;
    CTallowmereDoc loaded;
    for (auto _ : state) {
        try {
            LoadProject(loaded, w.projectPath);
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
    if (loaded.GetCount() != kProjectEffects ||
        loaded.GetAt(kProjectEffects - 1)->GetText() != w.doc.GetAt(kProjectEffects - 1)->GetText())
        state.SkipWithError("loaded project differs from the saved one");
    const auto bytes = static_cast<long long>(w.projectBytes.size());
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_Load_BaselineStdioRead(benchmark::State& state) {
    Workspace& w = *g_workspace;
    std::string bytes;
    for (auto _ : state) {
        if (!StdioReadWhole(w.projectPath, bytes)) {
            state.SkipWithError("stdio read failed");
            break;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
    if (bytes != w.projectBytes) state.SkipWithError("read bytes differ from the saved project");
    const auto size = static_cast<long long>(w.projectBytes.size());
    state.counters["bytes"] = static_cast<double>(size);
    state.SetBytesProcessed(state.iterations() * size);
}

// Decoding the bytes already in memory: the parsing share of BM_Load.
void BM_Load_DeserializeInMemory(benchmark::State& state) {
    Workspace& w = *g_workspace;
    CTallowmereDoc loaded;
    for (auto _ : state) {
        try {
            DeserializeProject(loaded, w.projectBytes);
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
    if (loaded.GetCount() != kProjectEffects) state.SkipWithError("decoded project is incomplete");
    const auto bytes = static_cast<long long>(w.projectBytes.size());
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(state.iterations() * bytes);
}

// --- Frames ------------------------------------------------------------------------------

// One full loop of each of the twelve effects, stepping from 1 to the empty frame.
void BM_Frames(benchmark::State& state) {
    Workspace& w = *g_workspace;
    if (!w.framesSetupError.empty()) {
        state.SkipWithError(w.framesSetupError.c_str());
        return;
    }
    long long frames = 0;
    long long bytes = 0;
    for (auto _ : state) {
        for (int effect = 0; effect < CEffect::kNumEffects; ++effect) {
            for (int step = 1;; ++step) {
                std::string frame = FrameFor(effect, w.framesText, w.framesWords, step);
                if (frame.empty()) break;
                ++frames;
                bytes += static_cast<long long>(frame.size());
                benchmark::DoNotOptimize(frame);
            }
        }
    }
    state.counters["frames"] =
        static_cast<double>(frames) / static_cast<double>(state.iterations());
    state.counters["frames_per_s"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(bytes);
}

// The least any frame source can do: build a fresh string of each frame's size.
void BM_Frames_BaselineStringCopy(benchmark::State& state) {
    Workspace& w = *g_workspace;
    const std::string source(w.framesLongest, 'x');
    long long frames = 0;
    long long bytes = 0;
    for (auto _ : state) {
        for (const size_t size : w.frameSizes) {
            std::string frame(source.data(), size);
            ++frames;
            bytes += static_cast<long long>(frame.size());
            benchmark::DoNotOptimize(frame);
        }
    }
    state.counters["frames"] =
        static_cast<double>(frames) / static_cast<double>(state.iterations());
    state.counters["frames_per_s"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(bytes);
}

// --- Preview player ----------------------------------------------------------------------

void BM_Player(benchmark::State& state) {
    Workspace& w = *g_workspace;
    CPreviewPlayer player(w.playerDoc);
    long long shown = 0;
    for (auto _ : state) {
        player.Start();
        for (long long i = 0; i < kPlayerTicks; ++i) {
            PlayerTick tick = player.Tick();
            if (tick.action == PlayerTick::Action::Show) ++shown;
            benchmark::DoNotOptimize(tick);
        }
    }
    state.counters["ticks"] = static_cast<double>(kPlayerTicks);
    state.counters["ticks_per_s"] = benchmark::Counter(
        static_cast<double>(kPlayerTicks * state.iterations()), benchmark::Counter::kIsRate);
    state.counters["shown"] = static_cast<double>(shown) / static_cast<double>(state.iterations());
}

// The same shown frames computed by calling the frame functions directly, without the player.
void BM_Player_BaselineDirectFrames(benchmark::State& state) {
    Workspace& w = *g_workspace;
    if (!w.playerSetupError.empty()) {
        state.SkipWithError(w.playerSetupError.c_str());
        return;
    }
    for (auto _ : state) {
        for (const auto& shown : w.playerShown) {
            const auto position = static_cast<size_t>(shown.position);
            std::string frame = FrameFor(shown.effect, w.playerTexts[position],
                                         w.playerWords[position], shown.step);
            benchmark::DoNotOptimize(frame);
        }
    }
    state.counters["shown"] = static_cast<double>(w.playerShown.size());
}

// Wall time throughout, since the wait for fsync does not show as CPU time. Each benchmark runs
// in short repetitions that main() interleaves with the others', so a figure and its baseline
// meet the same moments of a busy machine.
constexpr int kRepetitions = 7;
void Configure(benchmark::internal::Benchmark* b) {
    b->MinTime(0.1)
        ->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Generate)->Apply(Configure);
BENCHMARK(BM_Generate_BaselineStdioWrite)->Apply(Configure);
BENCHMARK(BM_Generate_WriteScriptInMemory)->Apply(Configure);
BENCHMARK(BM_Preview)->Apply(Configure);
BENCHMARK(BM_Preview_BaselineStdioWrite)->Apply(Configure);
BENCHMARK(BM_Preview_PageInMemory)->Apply(Configure);
BENCHMARK(BM_Save)->Apply(Configure);
BENCHMARK(BM_Save_BaselineStdioWrite)->Apply(Configure);
BENCHMARK(BM_Save_SerializeInMemory)->Apply(Configure);
BENCHMARK(BM_Load)->Apply(Configure);
BENCHMARK(BM_Load_BaselineStdioRead)->Apply(Configure);
BENCHMARK(BM_Load_DeserializeInMemory)->Apply(Configure);
BENCHMARK(BM_Frames)->Apply(Configure);
BENCHMARK(BM_Frames_BaselineStringCopy)->Apply(Configure);
BENCHMARK(BM_Player)->Apply(Configure);
BENCHMARK(BM_Player_BaselineDirectFrames)->Apply(Configure);

// The console report, plus each benchmark's median wall time kept for the ratio summary.
class CRecordingReporter : public benchmark::ConsoleReporter {
public:
    using benchmark::ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Aggregate &&
                run.aggregate_name == "median" && run.iterations > 0)
                m_medians[run.run_name.function_name] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
        }
        benchmark::ConsoleReporter::ReportRuns(runs);
    }

    // Median over the repetitions of the wall time of one iteration in seconds, or a negative
    // value if it did not run.
    double SecondsPerIteration(const std::string& name) const {
        const auto it = m_medians.find(name);
        return it == m_medians.end() ? -1.0 : it->second;
    }

private:
    std::map<std::string, double> m_medians;
};

// Figure against baseline; for the file benchmarks also the share spent building or decoding
// the bytes in memory, so the rest is the file work.
void PrintRatios(const CRecordingReporter& reporter) {
    struct Row {
        const char* label;
        const char* figure;
        const char* baseline;
        const char* inMemory;
    };
    const Row rows[] = {
        {"generate vs stdio write", "BM_Generate", "BM_Generate_BaselineStdioWrite",
         "BM_Generate_WriteScriptInMemory"},
        {"preview vs stdio write", "BM_Preview", "BM_Preview_BaselineStdioWrite",
         "BM_Preview_PageInMemory"},
        {"save vs stdio write", "BM_Save", "BM_Save_BaselineStdioWrite",
         "BM_Save_SerializeInMemory"},
        {"load vs stdio read", "BM_Load", "BM_Load_BaselineStdioRead",
         "BM_Load_DeserializeInMemory"},
        {"frames vs string copy", "BM_Frames", "BM_Frames_BaselineStringCopy", nullptr},
        {"player vs direct frames", "BM_Player", "BM_Player_BaselineDirectFrames", nullptr},
    };
    auto milliseconds = [&](const char* name) {
        const double seconds = name ? reporter.SecondsPerIteration(name) : -1.0;
        char text[32] = "-";
        if (seconds >= 0) std::snprintf(text, sizeof text, "%.3f", seconds * 1e3);
        return std::string(text);
    };
    std::printf("\n%-24s %11s %12s %9s %14s\n", "figure / baseline", "figure ms", "baseline ms",
                "ratio", "in-memory ms");
    for (const Row& row : rows) {
        const double figure = reporter.SecondsPerIteration(row.figure);
        const double baseline = reporter.SecondsPerIteration(row.baseline);
        if (figure < 0 || baseline <= 0) {
            std::printf("%-24s %11s %12s %9s\n", row.label, "-", "-", "not run");
            continue;
        }
        std::printf("%-24s %11.3f %12.3f %8.2fx %14s\n", row.label, figure * 1e3, baseline * 1e3,
                    figure / baseline, milliseconds(row.inMemory).c_str());
    }
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    // Repetitions of different benchmarks take turns unless the command line says otherwise.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    argc = static_cast<int>(args.size());
    args.push_back(nullptr);
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    std::string dirTemplate =
        (std::filesystem::temp_directory_path() / "glintwick-bench-XXXXXX").string();
    if (::mkdtemp(dirTemplate.data()) == nullptr) {
        std::perror("core_bench: cannot create a temporary folder");
        return 1;
    }

    int status = 0;
    {
        auto workspace = std::make_unique<Workspace>();
        workspace->dir = dirTemplate;
        workspace->scriptPath = (workspace->dir / "bench.js").string();
        workspace->scriptBaselinePath = (workspace->dir / "baseline.js").string();
        workspace->projectPath = (workspace->dir / "bench.gwk").string();
        workspace->projectBaselinePath = (workspace->dir / "baseline.gwk").string();
        try {
            BuildLargeProject(*workspace);
            BuildFramesLoop(*workspace);
            BuildPlayerProject(*workspace);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "core_bench: setup failed: %s\n", e.what());
            status = 1;
        }
        if (status == 0) {
            std::printf(
                "work folder: %s\nscript: %zu bytes, project: %zu bytes, frames per loop: "
                "%zu, player frames shown: %zu\n",
                dirTemplate.c_str(), workspace->scriptBytes.size(), workspace->projectBytes.size(),
                workspace->frameSizes.size(), workspace->playerShown.size());
            std::fflush(stdout);
            g_workspace = workspace.get();
            CRecordingReporter reporter(::isatty(STDOUT_FILENO)
                                            ? benchmark::ConsoleReporter::OO_Color
                                            : benchmark::ConsoleReporter::OO_None);
            benchmark::RunSpecifiedBenchmarks(&reporter);
            PrintRatios(reporter);
            g_workspace = nullptr;
        }
    }

    std::error_code error;
    std::filesystem::remove_all(dirTemplate, error);
    benchmark::Shutdown();
    return status;
}
