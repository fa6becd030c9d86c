#pragma once
// libdeflate as a second reference Deflate coder beside zlib, for tests and benchmarks (native
// builds only). Its level 12 searches harder than any zlib level: longer matches, other blocks.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zelkova::testing {

// A raw Deflate stream of data at libdeflate's level (1 to 12).
std::vector<std::uint8_t> LibdeflateRawDeflate(std::span<const std::uint8_t> data, int level);

// libdeflate's reading of a raw stream: the output when the stream ends within outputLimit
// bytes, otherwise nothing.
std::optional<std::vector<std::uint8_t>> LibdeflateRawInflate(std::span<const std::uint8_t> stream,
                                                              std::size_t outputLimit);

}  // namespace zelkova::testing
