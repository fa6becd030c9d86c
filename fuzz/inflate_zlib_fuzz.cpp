// Any byte string through our Deflate decoder and through zlib's raw inflate. Both fail, or
// both give the same bytes, unless the stream shows one of the differences we keep on purpose;
// each is a named check below, and any other disagreement aborts. Both builds of our inner loop
// must agree exactly, and where libdeflate decodes a stream too, it must give the same bytes.
#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "skin/file/Inflate.h"

namespace {

// Both decoders stop here; ours reports OutputLimit, zlib is cut off by its buffer.
constexpr std::size_t kCap = std::size_t{1} << 20;

struct ZlibResult {
    enum Kind { Ok, Failed, PastCap } kind = Failed;
    std::string_view message;  // zlib's reason when it failed
    std::span<const std::uint8_t> output;
};

ZlibResult ZlibInflate(const std::uint8_t* data, std::size_t size) {
    // Kept between runs: clearing a megabyte each time would cost more than the decoding.
    static const auto buffer = std::make_unique<std::uint8_t[]>(kCap + 1);
    ZlibResult result;
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK) std::abort();
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size);
    z.next_out = buffer.get();
    z.avail_out = static_cast<uInt>(kCap + 1);
    const int status = inflate(&z, Z_FINISH);
    if (z.total_out > kCap) {
        result.kind = ZlibResult::PastCap;
    } else if (status == Z_STREAM_END) {
        result.kind = ZlibResult::Ok;
    } else {
        result.kind = ZlibResult::Failed;
        result.message = z.msg != nullptr ? z.msg : "truncated";
    }
    result.output = std::span<const std::uint8_t>(buffer.get(), z.total_out);
    inflateEnd(&z);
    return result;
}

// zlib refuses these streams and we decode them, by design: zlib's message for each, and why.
// (Incomplete and over-subscribed code sets are not here: we refuse the same ones zlib does.)
constexpr std::string_view kWeAccept[] = {
    // A stored block's length is not checked against its complement.
    "invalid stored block lengths",
};

bool WeAcceptOnPurpose(std::string_view zlibMessage) {
    return std::find(std::begin(kWeAccept), std::end(kWeAccept), zlibMessage) !=
           std::end(kWeAccept);
}

bool StartsWith(const std::vector<std::uint8_t>& bytes, std::span<const std::uint8_t> prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

[[noreturn]] void Disagree(const char* what, std::string_view zlibMessage) {
    std::fprintf(stderr, "inflate_zlib_fuzz: %s (zlib: %.*s)\n", what,
                 static_cast<int>(zlibMessage.size()), zlibMessage.data());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using zelkova::InflateStatus;
    std::vector<std::uint8_t> ours;
    const InflateStatus status =
        zelkova::InflateToVector(std::span<const std::uint8_t>(data, size), ours, kCap);
    const ZlibResult zlib = ZlibInflate(data, size);

    if (status == InflateStatus::SinkFailed) Disagree("memory refused bytes", zlib.message);
    std::vector<std::uint8_t> portable;
    if (zelkova::InflateToVector(std::span<const std::uint8_t>(data, size), portable, kCap,
                                 zelkova::InflateLoop::Portable) != status ||
        portable != ours)
        Disagree("the portable inner loop reads the stream otherwise", zlib.message);
    if (status == InflateStatus::Done) {
        static libdeflate_decompressor* const decompressor = libdeflate_alloc_decompressor();
        static const auto buffer = std::make_unique<std::uint8_t[]>(kCap);
        std::size_t produced = 0;
        if (libdeflate_deflate_decompress(decompressor, data, size, buffer.get(), kCap,
                                          &produced) == LIBDEFLATE_SUCCESS &&
            !std::equal(ours.begin(), ours.end(), buffer.get(), buffer.get() + produced))
            Disagree("libdeflate decodes other bytes", zlib.message);
    }
    if (ours.size() > kCap) Disagree("wrote past the limit", zlib.message);
    // Whatever both decoded before either stopped is the same bytes.
    const std::size_t common = std::min(ours.size(), zlib.output.size());
    if (!std::equal(ours.begin(), ours.begin() + static_cast<std::ptrdiff_t>(common),
                    zlib.output.begin()))
        Disagree("different bytes", zlib.message);

    switch (zlib.kind) {
        case ZlibResult::Ok:
            if (status != InflateStatus::Done) Disagree("we fail a stream zlib decodes", "ok");
            if (ours.size() != zlib.output.size()) Disagree("different output", "ok");
            break;
        case ZlibResult::PastCap:
            // By design we stop at the limit we are given; zlib's buffer merely filled.
            if (status != InflateStatus::OutputLimit)
                Disagree("we do not stop at the cap", "past cap");
            break;
        case ZlibResult::Failed:
            if (status == InflateStatus::Done || status == InflateStatus::OutputLimit) {
                if (!WeAcceptOnPurpose(zlib.message))
                    Disagree("we accept a stream zlib refuses", zlib.message);
                // Up to where zlib stopped, we read the stream as zlib did.
                if (!StartsWith(ours, zlib.output))
                    Disagree("different output before zlib's error", zlib.message);
            } else if (!WeAcceptOnPurpose(zlib.message) && ours.size() > zlib.output.size()) {
                // zlib gives out every byte whose codes it has read in full: more from us came
                // from codes the input does not hold.
                Disagree("more output than zlib from a stream both refuse", zlib.message);
            }
            break;
    }
    return 0;
}
