// The project's commands: each does its change through the document's list and settings
// operations and keeps what it needs to take the change back.
#include "model/ProjectCommands.h"

#include <algorithm>

#include <utility>

#include "model/CoreTexts.h"
#include "model/TallowmereDoc.h"

namespace glintwick {

namespace {

// A record that is in the list while done and kept here while undone (Add), or the reverse
// (Delete). A kept record's text may lie in the project's store, which the document clears
// only together with its history.
class CRowCommand : public CCommand {
public:
    CRowCommand(CTallowmereDoc& doc, int row, CEffect record, bool adds, const char* name)
        : m_doc(doc), m_row(row), m_record(std::move(record)), m_adds(adds), m_name(name) {}
    std::string Name() const override { return m_name; }
    int Do() override { return m_adds ? Insert() : Remove(); }
    int Undo() override { return m_adds ? Remove() : Insert(); }

private:
    int Insert() {
        m_doc.InsertEffect(m_row, std::move(m_record));
        return m_row;
    }
    // The row that takes the removed one's place (or the new last row) is the one to show.
    int Remove() {
        m_record = m_doc.TakeEffect(m_row);
        return std::min(m_row, m_doc.GetCount() - 1);
    }

    CTallowmereDoc& m_doc;
    int m_row;
    CEffect m_record;
    bool m_adds;
    const char* m_name;
};

// A change that trades the project's state for the one kept here: doing it and taking it back
// are the same exchange.
template <typename Exchange>
class CExchangeCommand : public CCommand {
public:
    CExchangeCommand(const char* name, Exchange exchange)
        : m_name(name), m_exchange(std::move(exchange)) {}
    std::string Name() const override { return m_name; }
    int Do() override { return m_exchange(); }
    int Undo() override { return m_exchange(); }

private:
    const char* m_name;
    Exchange m_exchange;
};

template <typename Exchange>
std::unique_ptr<CCommand> MakeExchange(const char* name, Exchange exchange) {
    return std::make_unique<CExchangeCommand<Exchange>>(name, std::move(exchange));
}

class CMoveCommand : public CCommand {
public:
    CMoveCommand(CTallowmereDoc& doc, int from, int to) : m_doc(doc), m_from(from), m_to(to) {}
    std::string Name() const override {
        if (m_to == m_from - 1) return str::kCommandMoveUp;
        if (m_to == m_from + 1) return str::kCommandMoveDown;
        return str::kCommandMove;
    }
    int Do() override {
        m_doc.MoveEffect(m_from, m_to);
        return m_to;
    }
    int Undo() override {
        m_doc.MoveEffect(m_to, m_from);
        return m_from;
    }

private:
    CTallowmereDoc& m_doc;
    int m_from;
    int m_to;
};

}  // namespace

std::unique_ptr<CCommand> AddCommand(CTallowmereDoc& doc, CEffect effect) {
    return std::make_unique<CRowCommand>(doc, doc.GetCount(), std::move(effect), true,
                                         str::kCommandAdd);
}

std::unique_ptr<CCommand> DeleteCommand(CTallowmereDoc& doc, int row) {
    return std::make_unique<CRowCommand>(doc, row, CEffect(), false, str::kCommandDelete);
}

std::unique_ptr<CCommand> EditCommand(CTallowmereDoc& doc, int row, CEffect edited) {
    return MakeExchange(str::kCommandEdit, [&doc, row, record = std::move(edited)]() mutable {
        doc.ExchangeEffect(row, record);
        return row;
    });
}

std::unique_ptr<CCommand> MoveCommand(CTallowmereDoc& doc, int from, int to) {
    return std::make_unique<CMoveCommand>(doc, from, to);
}

std::unique_ptr<CCommand> RepeatCommand(CTallowmereDoc& doc, int repeat) {
    return MakeExchange(str::kCommandRepeat, [&doc, repeat]() mutable {
        const int before = doc.GetRepeat();
        doc.SetRepeat(repeat);
        repeat = before;
        return -1;
    });
}

std::unique_ptr<CCommand> OptionsCommand(CTallowmereDoc& doc, std::string finalText,
                                         int autoStart) {
    return MakeExchange(str::kCommandOptions,
                        [&doc, finalText = std::move(finalText), autoStart]() mutable {
                            std::string text = doc.GetFinalText();
                            const int start = doc.GetAutoStart();
                            doc.SetOptions(std::move(finalText), autoStart);
                            finalText = std::move(text);
                            autoStart = start;
                            return -1;
                        });
}

}  // namespace glintwick
