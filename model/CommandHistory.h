// The undo and redo stack of a document: named commands done, undone and redone in turn.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace glintwick {

// One change that knows how to take itself back. Do and Undo each return the row the change
// leaves for the windows to show, or -1 when it leaves none.
class CCommand {
public:
    virtual ~CCommand() = default;
    // What the Edit menu calls the command: "Undo <name>".
    virtual std::string Name() const = 0;
    virtual int Do() = 0;
    virtual int Undo() = 0;
};

class CCommandHistory {
public:
    // Does the command and keeps it for Undo; the commands that were undone are dropped. A
    // command that throws is not kept.
    int Submit(std::unique_ptr<CCommand> command);
    // Callers check CanUndo / CanRedo first.
    int Undo();
    int Redo();
    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_commands.size(); }
    // The names of the commands Undo and Redo would take; empty when there is none.
    std::string UndoName() const;
    std::string RedoName() const;
    // Forgets every command; the state now is the saved one.
    void Clear();

    // The clean point is where the document was last saved: back there, it is unmodified.
    void MarkClean() { m_clean = m_done; }
    // The saved state can no longer be reached (a change made outside the history).
    void ForgetClean() { m_clean = kNoClean; }
    bool IsClean() const { return m_clean == m_done; }

private:
    static constexpr size_t kNoClean = static_cast<size_t>(-1);

    std::vector<std::unique_ptr<CCommand>> m_commands;
    size_t m_done = 0;  // the commands before this are done, the rest undone
    size_t m_clean = 0;
};

}  // namespace glintwick
