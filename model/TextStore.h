// Texts read from a project, kept in a few large blocks instead of one allocation each.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace glintwick {

class CTextStore {
public:
    CTextStore() = default;
    CTextStore(CTextStore&& other) noexcept;
    CTextStore& operator=(CTextStore&& other) noexcept;

    // Room for `size` bytes that stays in place until the store is cleared or destroyed.
    char* Reserve(size_t size);
    void Clear();

private:
    static constexpr size_t kBlockBytes = size_t{1} << 20;

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_next = nullptr;  // the free end of the last shared block
    size_t m_left = 0;
};

}  // namespace glintwick
