// The .gwk file type in the registry's classes, per user, as the shell reads it.
#pragma once

#include <windows.h>

#include <string>

namespace glintwick {

// Under `classes` (HKEY_CURRENT_USER\Software\Classes for the running program): the type
// "OrvaneGWK.Document" described as "Glintwick Document" with the open command `program` (in
// quotes when it holds a blank, as where a volume keeps no short names), a blank and "%1" in
// double quotes; ".gwk" mapped to it only when it has no mapping yet or already this one, as
// the shell sees it: the mapping in `classes`, or where it has none, the one in
// `machineClasses` (HKEY_LOCAL_MACHINE\Software\Classes; may be null). No icon, print or
// new-file entries. Only values that differ are written. Returns how many were written.
int RegisterFileAssociation(HKEY classes, HKEY machineClasses, const std::wstring& program);

// The running program's path in its short form (the long one where the volume has no short
// names).
std::wstring ShortProgramPath();

}  // namespace glintwick
