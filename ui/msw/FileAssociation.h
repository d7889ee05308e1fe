// The .gwk file type in the registry's classes, per user, as the shell reads it.
#pragma once

#include <windows.h>

#include <string>

namespace glintwick {

// Under `classes` (HKEY_CURRENT_USER\Software\Classes for the running program): the type
// "OrvaneGWK.Document" described as "Glintwick Document" with the open command `program`, a
// blank and "%1" in double quotes; ".gwk" mapped to it only when it has no mapping yet or
// already this one in `shellClasses`, the classes as the shell sees them (the user's over the
// machine's: HKEY_CLASSES_ROOT). No icon, print or new-file entries. Only values that differ
// are written. Returns how many were written.
int RegisterFileAssociation(HKEY classes, HKEY shellClasses, const std::wstring& program);

// The running program's path in its short form (the long one where the volume has no short
// names).
std::wstring ShortProgramPath();

}  // namespace glintwick
