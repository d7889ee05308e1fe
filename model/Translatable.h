// N_ marks an interface text for the translators' catalogue (po/glintwick.pot, collected by
// xgettext with --keyword=N_): the text itself stays the English original, and the windows
// look it up in the user's language where they show it. Texts of projects are never marked.
#pragma once

// wx's translation header has the same mark, spelt (s).
#ifndef N_
#define N_(text) text
#endif
