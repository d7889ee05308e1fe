#!/usr/bin/env bash
# Runs a window test program on a virtual X server of its own. Each window test is one ctest
# entry, and ctest runs them side by side: the server number starts at a random place, which
# keeps two starting servers from racing for the same one (xvfb-run -a goes on upward). The
# server never resets: a reset, when its last client leaves, refuses a program connecting then.
exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$@"
