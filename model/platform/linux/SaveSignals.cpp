// Ending a process by a signal in the middle of a save without leaving its temporary file.
#include "model/platform/linux/SaveSignals.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

namespace glintwick {

namespace {

// What a signal does now: end the process at once, wait for Release, or remove the temporary
// file and end the process. Lock-free atomics, so the handler may read them.
enum State : int { kEnding, kHeld, kRemoving };
std::atomic<int> g_state{kEnding};
std::atomic<int> g_held{0};  // the signal that came while held
char g_temporary[PATH_MAX];
std::mutex g_oneSaveAtATime;

// Ends the process as the signal would have without our handler. Inside the handler the
// signal is blocked until it returns, and then ends the process.
void EndAsTheSignalWould(int signal) {
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);
}

extern "C" void OnEndingSignal(int signal) {
    // Stored before the state is read: either this handler sees the state Release sets, or
    // Release sees this signal.
    g_held.store(signal);
    const int state = g_state.load();
    if (state == kHeld) return;
    if (state == kRemoving) ::unlink(g_temporary);
    EndAsTheSignalWould(signal);
}

}  // namespace

CSaveSignals::CSaveSignals() : m_turn(g_oneSaveAtATime) {
    g_state.store(kEnding);
    g_held.store(0);
    struct sigaction ours {};
    ours.sa_handler = OnEndingSignal;
    sigemptyset(&ours.sa_mask);
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        // A signal the program ignores or handles itself is left to it.
        if (::sigaction(kSignals[i], nullptr, &m_previous[i]) != 0 ||
            (m_previous[i].sa_flags & SA_SIGINFO) || m_previous[i].sa_handler != SIG_DFL)
            continue;
        m_installed[i] = ::sigaction(kSignals[i], &ours, nullptr) == 0;
    }
}

CSaveSignals::~CSaveSignals() {
    g_state.store(kEnding);
    for (size_t i = 0; i < std::size(kSignals); ++i)
        if (m_installed[i]) ::sigaction(kSignals[i], &m_previous[i], nullptr);
}

void CSaveSignals::Hold() { g_state.store(kHeld); }

void CSaveSignals::Release(const std::string* temporary) {
    const int savedErrno = errno;
    if (temporary && temporary->size() < sizeof g_temporary) {
        std::memcpy(g_temporary, temporary->c_str(), temporary->size() + 1);
        g_state.store(kRemoving);
    } else {
        g_state.store(kEnding);
    }
    if (const int signal = g_held.load()) {
        if (g_state.load() == kRemoving) ::unlink(g_temporary);
        EndAsTheSignalWould(signal);
    }
    errno = savedErrno;
}

}  // namespace glintwick
