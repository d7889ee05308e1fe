// One application-wide style rule that lets controls fit the dialog-unit layouts.
#pragma once

namespace glintwick {

// GTK's default theme gives entries and buttons a minimum height above what the layouts allow;
// this trims padding so every control fits its designed rectangle. Call once after wx starts.
void ApplyCompactStyle();

}  // namespace glintwick
