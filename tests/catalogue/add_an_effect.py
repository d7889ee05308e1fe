#!/usr/bin/env python3
"""Adds a thirteenth effect to a copy of the sources as docs/architecture.md says to, and shows
what the effect catalogue does with it: a row without its count does not compile, and with its
count the command line's range, the manual page, the completion, the script and the player
follow.

Usage: add_an_effect.py SOURCE_DIR WORK_DIR
"""
import pathlib
import re
import shutil
import subprocess
import sys

# The three steps of "Adding an effect" in docs/architecture.md: the frame function and count,
# the index's name and the count, the row.
FRAME_DECLARATIONS = (
    "std::string FrameTrialDots(const std::string& text, const WordList& words, int step);\n"
    "double FrameCountTrialDots(std::string_view text);\n")
FRAME_DEFINITIONS = (
    "std::string FrameTrialDots(const std::string& text, const WordList&, int step) {\n"
    "    return step > 3 || text.empty() ? std::string() : text + std::string(step, '.');\n"
    "}\n"
    "double FrameCountTrialDots(std::string_view text) { return text.empty() ? 0 : 3; }\n")
FAKE_ROW = ('    {EffectIndex::TrialDots, N_("Trial Dots"), false, FrameTrialDots, FrameCountTrialDots,\n'
            '     "function stEffect12(text,step){return step>3||text==\\"\\"?\\"\\":text+\\"...\\".substring(0,step);}\\r\\n"},\n')


def run(args, cwd=None, stdin=None, expect_ok=True):
    done = subprocess.run(args, cwd=cwd, input=stdin, capture_output=True, text=True)
    if expect_ok and done.returncode != 0:
        sys.exit(f"{' '.join(map(str, args))} failed:\n{done.stdout}{done.stderr}")
    return done


def expect(condition, what):
    if not condition:
        sys.exit("FAIL: " + what)
    print("ok:", what)


def insert_before(path, marker, text, after=""):
    """Puts `text` before the last `marker` in the file (and `after` right after it)."""
    content = path.read_text()
    at = content.rindex(marker)
    path.write_text(content[:at] + text + content[at:at + len(marker)] + after +
                    content[at + len(marker):])


def main():
    source, work = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    shutil.rmtree(work, ignore_errors=True)
    tree, build = work / "src", work / "build"
    shutil.copytree(source, tree, ignore=shutil.ignore_patterns(
        "build*", ".git", "node_modules", "*.png", "*.ico"))

    insert_before(tree / "effects" / "Frames.h", "\n}  // namespace glintwick", FRAME_DECLARATIONS)
    insert_before(tree / "effects" / "Frames.cpp", "\n}  // namespace glintwick", FRAME_DEFINITIONS)
    insert_before(tree / "model" / "Effect.h", "    NoEffect = 11,\n", "", after="    TrialDots = 12,\n")
    catalogue = tree / "effects" / "EffectCatalogue.cpp"
    text = catalogue.read_text()
    end = text.index("\n};\n", text.index("constexpr EffectKind kCatalogue[]"))
    catalogue.write_text(text[:end + 1] + FAKE_ROW + text[end + 1:])

    run(["cmake", "-S", tree, "-B", build, "-DCMAKE_BUILD_TYPE=Debug", "-DGLINTWICK_BENCH=OFF"])
    row_only = run(["make", "-C", build, "effects/EffectCatalogue.o"], expect_ok=False)
    errors = [line for line in (row_only.stdout + row_only.stderr).splitlines()
              if "error:" in line and "make" not in line]
    expect(row_only.returncode != 0 and errors and
           all("one catalogue row per effect index" in line for line in errors),
           "a row without its count stops the build at the catalogue's check, and only there")

    effect_h = tree / "model" / "Effect.h"
    header = effect_h.read_text()
    counted = re.sub(r"kNumEffects = 12;", "kNumEffects = 13;", header)
    expect(counted != header, "the count is one line in the record's header")
    effect_h.write_text(counted)
    run(["cmake", "--build", build, "-j2", "--target", "glintwick-cli", "glintwick-cli-docs"])

    cli = build / "bin" / "glintwick-cli"
    refused = run([cli, "frames", "13", "x"], expect_ok=False)
    expect("EFFECT must be a number from 0 to 12, not '13'" in refused.stderr,
           "the command line's range says 0 to 12")
    frames = run([cli, "frames", "12", "abc"]).stdout
    expect(frames == '"abc."\n"abc.."\n"abc..."\n""\n', "frames plays the new row's frame function")

    docs = build / "bin" / "glintwick-cli-docs"
    run([docs, tree / "packaging/man/glintwick-cli.1.in", work / "glintwick-cli.1"])
    man = (work / "glintwick-cli.1").read_text()
    expect("numbered from 0 to 12:" in man and "12 Trial Dots." in man,
           "the manual page lists thirteen effects")
    run([docs, tree / "packaging/bash-completion/glintwick-cli.in", work / "completion"])
    expect("[frames]='#12 -'" in (work / "completion").read_text(),
           "the completion offers 0 to 12")

    project = work / "trial.gwk"
    run([cli, "import", "-", project],
        stdin='{"effects": [{"text": "Hello", "effect": 12}, {"text": "Bye", "effect": 11}]}')
    script = run([cli, "generate", project, "-"]).stdout
    expect("function stEffect12(text,step){return step>3||" in script and
           "function stEffect11(" in script, "the script carries the new effect's function")
    play = run([cli, "play", project, "--trace", "--ticks", "40"]).stdout
    expect('\t"Hello.."' in play, "the player shows the new effect's frames")


if __name__ == "__main__":
    main()
