// Must not compile: built with the engine's settings alone, a wx header is not found.
#include <wx/string.h>

#include "model/TallowmereDoc.h"
