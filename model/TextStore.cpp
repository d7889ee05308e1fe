// Texts read from a project, kept in a few large blocks instead of one allocation each.
#include "model/TextStore.h"

#include <utility>

namespace glintwick {

CTextStore::CTextStore(CTextStore&& other) noexcept
    : m_blocks(std::move(other.m_blocks)),
      m_next(std::exchange(other.m_next, nullptr)),
      m_left(std::exchange(other.m_left, 0)) {}

CTextStore& CTextStore::operator=(CTextStore&& other) noexcept {
    m_blocks = std::move(other.m_blocks);
    m_next = std::exchange(other.m_next, nullptr);
    m_left = std::exchange(other.m_left, 0);
    return *this;
}

char* CTextStore::Reserve(size_t size) {
    if (size > m_left) {
        // A long text gets a block of its own; the shared block goes on filling.
        if (size >= kBlockBytes / 4) {
            m_blocks.push_back(std::make_unique_for_overwrite<char[]>(size));
            return m_blocks.back().get();
        }
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(kBlockBytes));
        m_next = m_blocks.back().get();
        m_left = kBlockBytes;
    }
    char* at = m_next;
    m_next += size;
    m_left -= size;
    return at;
}

void CTextStore::Clear() {
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_next = nullptr;
    m_left = 0;
}

}  // namespace glintwick
