// The signals that end a program (SIGTERM, SIGINT, SIGHUP) while a save runs: they clean up first.
#pragma once

#include <signal.h>

#include <iterator>
#include <mutex>
#include <string>

namespace glintwick {

// For its lifetime, a signal among SIGTERM, SIGINT and SIGHUP that would end the process
// (one the program neither ignores nor handles itself) still ends it, the same way, so that
// the exit status says which signal it was; but first it removes the save's temporary file,
// and it waits for the end of a span that must not be cut short (making that file, writing a
// file in place). The handler is async-signal-safe and serves any thread. Saves of several
// threads take turns, one for each guard's lifetime.
class CSaveSignals {
public:
    CSaveSignals();
    ~CSaveSignals();
    CSaveSignals(const CSaveSignals&) = delete;
    CSaveSignals& operator=(const CSaveSignals&) = delete;

    // A signal from now on waits until Release.
    void Hold();
    // Ends the span of Hold. From now on a signal removes `temporary` (when given) before it
    // ends the process; a signal that came during the span does so now.
    void Release(const std::string* temporary = nullptr);

private:
    std::unique_lock<std::mutex> m_turn;
    static constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
    struct sigaction m_previous[std::size(kSignals)] = {};
    bool m_installed[std::size(kSignals)] = {};
};

}  // namespace glintwick
