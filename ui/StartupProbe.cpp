// The start-up measurement's seam: an event filter that watches for the first idle moment.
#include "ui/StartupProbe.h"

#include <wx/app.h>
#include <wx/event.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdio>

namespace glintwick {

namespace {

// The process's start, near enough: when the program's statics are made.
const std::chrono::steady_clock::time_point g_started = std::chrono::steady_clock::now();

// Sees every event before its handlers; the first idle one of the main loop ends it. A box shown
// while the program starts idles in a loop of its own, before the main loop runs: not yet.
class CFirstIdleFilter : public wxEventFilter {
public:
    int FilterEvent(wxEvent& event) override {
        if (event.GetEventType() != wxEVT_IDLE || m_bSeen || !InMainLoop()) return Event_Skip;
        m_bSeen = true;
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - g_started;
        std::fprintf(stderr, "glintwick: idle after %.0f ms\n", took.count());
        wxTheApp->ExitMainLoop();
        return Event_Skip;
    }

private:
    static bool InMainLoop() {
        return wxTheApp && wxEventLoopBase::GetActive() &&
               wxEventLoopBase::GetActive() == wxTheApp->GetMainLoop();
    }

    bool m_bSeen = false;
};

}  // namespace

void EndAtFirstIdleWhenAsked() {
    if (!wxGetenv("GLINTWICK_EXIT_WHEN_IDLE")) return;
    // Lives as long as the program; wx keeps the filter until it ends.
    static CFirstIdleFilter filter;
    wxEvtHandler::AddFilter(&filter);
}

}  // namespace glintwick
