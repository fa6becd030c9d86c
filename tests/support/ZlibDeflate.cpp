#include "support/ZlibDeflate.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>

namespace zelkova::testing {
namespace {

int ToZlib(ZlibStrategy strategy) {
    switch (strategy) {
        case ZlibStrategy::Filtered: return Z_FILTERED;
        case ZlibStrategy::HuffmanOnly: return Z_HUFFMAN_ONLY;
        case ZlibStrategy::Rle: return Z_RLE;
        case ZlibStrategy::Fixed: return Z_FIXED;
        case ZlibStrategy::Default: break;
    }
    return Z_DEFAULT_STRATEGY;
}

}  // namespace

std::vector<std::uint8_t> ZlibRawDeflate(std::span<const std::uint8_t> data, int level,
                                         ZlibStrategy strategy) {
    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, -15, 8, ToZlib(strategy)) != Z_OK)
        throw std::runtime_error("deflateInit2 failed");
    std::vector<std::uint8_t> out(deflateBound(&z, static_cast<uLong>(data.size())) + 16);
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    if (rc != Z_STREAM_END) throw std::runtime_error("deflate did not finish");
    return out;
}

std::vector<std::uint8_t> ZlibFlushedEvery(std::span<const std::uint8_t> data, std::size_t every, int flush) {
    z_stream z{};
    deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::vector<std::uint8_t> out(deflateBound(&z, static_cast<uLong>(data.size())) + data.size() / every * 16 + 64);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    for (std::size_t pos = 0; pos < data.size(); pos += every) {
        const std::size_t n = std::min(every, data.size() - pos);
        z.next_in = const_cast<Bytef*>(data.data() + pos);
        z.avail_in = static_cast<uInt>(n);
        deflate(&z, pos + n == data.size() ? Z_FINISH : flush);
    }
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

std::optional<std::vector<std::uint8_t>> ZlibRawInflate(std::span<const std::uint8_t> stream,
                                                        std::size_t outputLimit, std::string* why,
                                                        std::vector<std::uint8_t>* partial) {
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK) throw std::runtime_error("inflateInit2 failed");
    std::vector<std::uint8_t> out(outputLimit + 1);
    z.next_in = const_cast<Bytef*>(stream.data());
    z.avail_in = static_cast<uInt>(stream.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    const std::size_t produced = z.total_out;
    std::string message = z.msg != nullptr ? z.msg : "";
    inflateEnd(&z);
    if (rc == Z_STREAM_END && produced <= outputLimit) {
        out.resize(produced);
        return out;
    }
    if (why != nullptr) *why = produced > outputLimit ? "output limit" : message;
    if (partial != nullptr) {
        out.resize(produced);
        *partial = std::move(out);
    }
    return std::nullopt;
}

}  // namespace zelkova::testing
