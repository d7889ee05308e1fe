// The undo and redo stack of a document.
#include "model/CommandHistory.h"

#include <utility>

namespace glintwick {

int CCommandHistory::Submit(std::unique_ptr<CCommand> command) {
    const int row = command->Do();
    m_commands.resize(m_done);
    if (m_clean != kNoClean && m_clean > m_done) m_clean = kNoClean;
    m_commands.push_back(std::move(command));
    ++m_done;
    return row;
}

int CCommandHistory::Undo() {
    const int row = m_commands[m_done - 1]->Undo();
    --m_done;
    return row;
}

int CCommandHistory::Redo() {
    const int row = m_commands[m_done]->Do();
    ++m_done;
    return row;
}

std::string CCommandHistory::UndoName() const {
    return CanUndo() ? m_commands[m_done - 1]->Name() : std::string();
}

std::string CCommandHistory::RedoName() const {
    return CanRedo() ? m_commands[m_done]->Name() : std::string();
}

void CCommandHistory::Clear() {
    m_commands.clear();
    m_done = 0;
    m_clean = 0;
}

}  // namespace glintwick
