#pragma once
// A raw Deflate (RFC 1951) decoder. From a source to a sink it works in fixed buffers: a 16 KB
// input buffer refilled from the source, and a 64 KB + 258 byte output window of which at least
// the last 32 KB stay behind for back-references while the rest is handed to the sink.
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "base/FileAccess.h"

namespace zelkova {

// The compressed bytes, in order; Read returns 0 at the end.
class InflateSource {
public:
    virtual ~InflateSource() = default;
    virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
};

enum class InflateStatus : std::uint8_t {
    Done,         // the final block ended; everything was written
    Malformed,    // not a valid Deflate stream, or truncated
    OutputLimit,  // the stream would produce more than the allowed size; decoding stopped
    SinkFailed,   // the sink refused bytes
};

inline constexpr std::uint64_t kNoOutputLimit = std::numeric_limits<std::uint64_t>::max();

// Which build of the decoder's inner loop runs: the best the processor allows, or the one for
// any processor (so that tests and benchmarks can hold the two side by side). Both give the
// same result.
enum class InflateLoop : std::uint8_t { Best, Portable };

// Decodes one stream. Nothing beyond outputLimit bytes is ever written; on any status but Done
// the sink may hold a prefix of the output.
InflateStatus Inflate(InflateSource& source, ByteSink& sink,
                      std::uint64_t outputLimit = kNoOutputLimit,
                      InflateLoop loop = InflateLoop::Best);

// Reads the bytes of a file from offset up to end (or the file's end, if that comes first) as a
// stream.
class FileRangeSource final : public InflateSource {
public:
    FileRangeSource(RandomAccessFile& file, std::uint64_t offset, std::uint64_t end)
        : file_(file), offset_(offset), end_(end) {}
    std::size_t Read(std::span<std::uint8_t> buffer) override {
        if (offset_ >= end_) return 0;
        const std::uint64_t left = end_ - offset_;
        if (buffer.size() > left) buffer = buffer.first(static_cast<std::size_t>(left));
        const std::size_t n = file_.ReadAt(offset_, buffer);
        offset_ += n;
        return n;
    }

private:
    RandomAccessFile& file_;
    std::uint64_t offset_;
    const std::uint64_t end_;
};

// Decodes bytes held in memory straight into `output`, whose contents are replaced and whose
// size and capacity are reused as room to decode into.
InflateStatus InflateToVector(std::span<const std::uint8_t> compressed,
                              std::vector<std::uint8_t>& output,
                              std::uint64_t outputLimit = kNoOutputLimit,
                              InflateLoop loop = InflateLoop::Best);

}  // namespace zelkova
