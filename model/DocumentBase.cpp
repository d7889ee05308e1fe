// The document base: modified flag, path, title and view notification.
#include "model/DocumentBase.h"

#include <algorithm>

#include "model/CoreTexts.h"
#include "model/PathParts.h"

namespace glintwick {

CDocumentBase::CDocumentBase() : m_strTitle(str::kUntitled) {}

void CDocumentBase::SetModified(bool modified) {
    if (m_bModified == modified) return;
    m_bModified = modified;
    NotifyTitleChanged();
}

void CDocumentBase::SetPathName(const std::string& path) {
    m_strPathName = path;
    m_strTitle = FileNameOf(path);
    NotifyTitleChanged();
}

void CDocumentBase::ClearPathName() {
    m_strPathName.clear();
    m_strTitle = str::kUntitled;
    NotifyTitleChanged();
}

void CDocumentBase::AddView(CDocumentView* view) {
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) m_views.push_back(view);
}

void CDocumentBase::RemoveView(CDocumentView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDocumentBase::NotifyViews() {
    // A view may detach itself while refreshing; work on a copy.
    const auto views = m_views;
    for (CDocumentView* view : views) view->OnUpdate();
}

void CDocumentBase::NotifyInitialUpdate() {
    const auto views = m_views;
    for (CDocumentView* view : views) view->OnInitialUpdate();
}

void CDocumentBase::NotifyHistoryChanged() {
    const auto views = m_views;
    for (CDocumentView* view : views) view->OnHistoryChanged();
}

void CDocumentBase::NotifyTitleChanged() {
    const auto views = m_views;
    for (CDocumentView* view : views) view->OnTitleChanged();
}

}  // namespace glintwick
