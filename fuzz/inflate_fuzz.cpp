// Any byte string as a raw Deflate stream: the decoder must end cleanly within its limit.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/file/Inflate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::uint64_t kLimit = 1u << 22;
    std::vector<std::uint8_t> out;
    const zelkova::InflateStatus status =
        zelkova::InflateToVector(std::span<const std::uint8_t>(data, size), out, kLimit);
    if (out.size() > kLimit) std::abort();
    if (status == zelkova::InflateStatus::SinkFailed) std::abort();  // memory never refuses
    return 0;
}
