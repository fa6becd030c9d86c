#include "skin/FileAccess.h"

#include <algorithm>
#include <cstring>

namespace zelkova {

std::size_t MemoryFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) {
    if (offset >= bytes_.size()) return 0;
    const std::size_t count =
        std::min<std::uint64_t>(buffer.size(), bytes_.size() - static_cast<std::size_t>(offset));
    if (count > 0) std::memcpy(buffer.data(), bytes_.data() + offset, count);
    return count;
}

bool MemorySink::Write(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return true;
}

}  // namespace zelkova
