// The commands that change a project, each able to take itself back, for CTallowmereDoc::Submit.
#pragma once

#include <memory>
#include <string>

#include "model/CommandHistory.h"
#include "model/Effect.h"

namespace glintwick {

class CTallowmereDoc;

// Appends `effect` as the last row.
std::unique_ptr<CCommand> AddCommand(CTallowmereDoc& doc, CEffect effect);
// Puts `edited` in the place of the record at `row`.
std::unique_ptr<CCommand> EditCommand(CTallowmereDoc& doc, int row, CEffect edited);
std::unique_ptr<CCommand> DeleteCommand(CTallowmereDoc& doc, int row);
// Moves the record at `from` to `to` (both rows of the list), any distance.
std::unique_ptr<CCommand> MoveCommand(CTallowmereDoc& doc, int from, int to);
// 0 repeats forever, N plays the sequence N times.
std::unique_ptr<CCommand> RepeatCommand(CTallowmereDoc& doc, int repeat);
std::unique_ptr<CCommand> OptionsCommand(CTallowmereDoc& doc, std::string finalText, int autoStart);

}  // namespace glintwick
