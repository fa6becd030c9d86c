#pragma once
// zlib as the reference Deflate coder for tests and benchmarks (native builds only).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelkova::testing {

enum class ZlibStrategy { Default, Filtered, HuffmanOnly, Rle, Fixed };

// A raw Deflate stream (no zlib or gzip wrapper). Level -1 is zlib's default.
std::vector<std::uint8_t> ZlibRawDeflate(std::span<const std::uint8_t> data, int level,
                                         ZlibStrategy strategy = ZlibStrategy::Default);

// zlib's raw stream of data at level 6, ended at a block boundary every `every` input bytes
// with `flush` (Z_FULL_FLUSH, Z_SYNC_FLUSH, Z_BLOCK...): many small blocks, as a streaming writer
// makes them.
std::vector<std::uint8_t> ZlibFlushedEvery(std::span<const std::uint8_t> data, std::size_t every, int flush);

// zlib's reading of a raw stream: the output when the stream ends within outputLimit bytes,
// otherwise nothing, with zlib's message (or "output limit") in *why and what zlib decoded
// before it stopped in *partial.
std::optional<std::vector<std::uint8_t>> ZlibRawInflate(
    std::span<const std::uint8_t> stream, std::size_t outputLimit, std::string* why = nullptr,
    std::vector<std::uint8_t>* partial = nullptr);

}  // namespace zelkova::testing
