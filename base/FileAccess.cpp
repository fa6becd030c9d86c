#include "base/FileAccess.h"

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

bool MemoryScratchFile::Write(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return true;
}

std::size_t BufferedFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) {
    if (buffer.size() > kBlockSize / 2) return file_.ReadAt(offset, buffer);
    const bool cached = offset >= blockOffset_ && offset - blockOffset_ <= block_.size() &&
                        buffer.size() <= block_.size() - (offset - blockOffset_);
    if (!cached) {
        block_.resize(kBlockSize);
        blockOffset_ = offset;
        block_.resize(file_.ReadAt(offset, block_));
    }
    const auto at = static_cast<std::size_t>(offset - blockOffset_);  // within the block now
    const std::size_t count = std::min(buffer.size(), block_.size() - at);
    if (count > 0) std::memcpy(buffer.data(), block_.data() + at, count);
    return count;
}

}  // namespace zelkova
