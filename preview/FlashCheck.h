// Flashes and motion in a project's frame timeline, as the main preview's player plays it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace glintwick {

class CTallowmereDoc;

// A page may flash at most this many times in any one second.
inline constexpr int kMaxFlashesPerSecond = 3;
// Content that moves longer than this (in ticks, 5 s) needs a way to pause it.
inline constexpr int kMaxMovingTicks = 500;

// An effect whose frames complete more than kMaxFlashesPerSecond flashes within one second.
struct FlashFinding {
    int effect = 0;      // its index in the list
    int flashes = 0;     // the most flashes within one second when one of its frames completes one
    long long tick = 0;  // the first tick with more than kMaxFlashesPerSecond
};

struct TimelineCheck {
    std::vector<FlashFinding> flashes;  // in list order, each effect at most once
    int mostFlashes = 0;                // the most flashes within any one second
    // The tick of the display's last change (0: nothing shown); none when it changes for ever.
    std::optional<double> lastChangeTick = 0.0;
    // False when the timeline was too long to read to the point where it repeats (a huge list
    // or an altered file); everything above then covers the first `examinedTicks` only.
    bool complete = true;
    long long examinedTicks = 0;
};

// Reads the player's timeline, as the page shows it: trailing blanks show nothing, and the
// final text follows the last pass. A flash is the shown text replaced and then back: a change
// to a text that was on show within the last second completes one, unless that text came on
// before the change that completed the last flash, so two flashes share no change (on, off,
// on, off, on is two flashes; a text typed over and over flashes once a loop). Each flash is
// the effect's whose frame completes it (the last effect's for the final text). A project
// that repeats is read pass by pass until a pass ends as an earlier one did, after which
// every pass is one already read.
TimelineCheck CheckTimeline(const CTallowmereDoc& doc);

// The most flashes within one second of one effect played on its own over and over, as a page
// plays a project of that effect alone that repeats forever.
int FlashesOnItsOwn(const std::string& text, int effect, int speed);

}  // namespace glintwick
