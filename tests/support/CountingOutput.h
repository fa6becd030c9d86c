#pragma once

#include "base/FileAccess.h"

#include <cstdint>
#include <span>

namespace zelkova::testing {

// An output file that keeps nothing and counts the bytes it was given, so a test or fuzz
// target can see how much a decoder tried to write.
class CountingOutput final : public OutputFile {
public:
    bool Write(std::span<const std::uint8_t> bytes) override {
        written_ += bytes.size();
        return true;
    }
    std::uint64_t BytesWritten() const override { return written_; }
    void Close() override {}

private:
    std::uint64_t written_ = 0;
};

}  // namespace zelkova::testing
