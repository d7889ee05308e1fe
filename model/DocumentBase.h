// The document base: modified flag, path, title and the views that show the document.
#pragma once

#include <string>
#include <vector>

namespace glintwick {

// A window that shows a document and rebuilds itself completely when told to.
class CDocumentView {
public:
    virtual ~CDocumentView() = default;
    virtual void OnUpdate() = 0;
    // The document is a new or newly opened project (also the first at start): the view starts
    // over, as wx's document manager tells the views of a document it creates or opens.
    virtual void OnInitialUpdate() { OnUpdate(); }
    // The title or the modified flag changed; frames update their caption.
    virtual void OnTitleChanged() {}
    // What Undo and Redo would do changed; frames update their Edit menu.
    virtual void OnHistoryChanged() {}
};

class CDocumentBase {
public:
    virtual ~CDocumentBase() = default;

    bool IsModified() const { return m_bModified; }
    virtual void SetModified(bool modified = true);

    // Empty until the document is saved or loaded.
    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path);
    void ClearPathName();
    // The file name without its folder, or "Untitled".
    const std::string& GetTitle() const { return m_strTitle; }

    void AddView(CDocumentView* view);
    void RemoveView(CDocumentView* view);
    // Tells every view to refresh itself completely.
    void NotifyViews();
    // Tells every view that the document is a new or newly opened project.
    void NotifyInitialUpdate();
    void NotifyHistoryChanged();

private:
    void NotifyTitleChanged();

    bool m_bModified = false;
    std::string m_strPathName;
    std::string m_strTitle;
    std::vector<CDocumentView*> m_views;

protected:
    CDocumentBase();
};

}  // namespace glintwick
