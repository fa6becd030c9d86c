#include "support/Libdeflate.h"

#include <libdeflate.h>

#include <memory>
#include <stdexcept>

namespace zelkova::testing {

std::vector<std::uint8_t> LibdeflateRawDeflate(std::span<const std::uint8_t> data, int level) {
    const std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor(
        libdeflate_alloc_compressor(level), &libdeflate_free_compressor);
    if (!compressor) throw std::runtime_error("libdeflate_alloc_compressor failed");
    std::vector<std::uint8_t> out(libdeflate_deflate_compress_bound(compressor.get(), data.size()));
    const std::size_t n = libdeflate_deflate_compress(compressor.get(), data.data(), data.size(),
                                                      out.data(), out.size());
    if (n == 0) throw std::runtime_error("libdeflate_deflate_compress failed");
    out.resize(n);
    return out;
}

std::optional<std::vector<std::uint8_t>> LibdeflateRawInflate(std::span<const std::uint8_t> stream,
                                                              std::size_t outputLimit) {
    const std::unique_ptr<libdeflate_decompressor, decltype(&libdeflate_free_decompressor)>
        decompressor(libdeflate_alloc_decompressor(), &libdeflate_free_decompressor);
    if (!decompressor) throw std::runtime_error("libdeflate_alloc_decompressor failed");
    std::vector<std::uint8_t> out(outputLimit);
    std::size_t produced = 0;
    if (libdeflate_deflate_decompress(decompressor.get(), stream.data(), stream.size(), out.data(),
                                      out.size(), &produced) != LIBDEFLATE_SUCCESS)
        return std::nullopt;
    out.resize(produced);
    return out;
}

}  // namespace zelkova::testing
