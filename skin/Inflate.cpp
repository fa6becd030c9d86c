// The decoder keeps the unread input in a 64-bit bit buffer, least significant bit first.
// `bits_` holds `bitCount_` valid bits; anything above them is a copy of the bytes that follow
// `in_`, so refilling by OR-ing those same bytes in again is harmless. A refill from a full
// input buffer loads eight bytes at once and leaves at least 56 valid bits. Past the end of the
// input the buffer is padded with zero bytes so that peeking never fails; `padBytes_` counts
// them, and consuming any of them means the stream was truncated.
//
// Output goes to a window of 64 KB + 258 bytes. When the write position passes the flush mark,
// all but the last 32 KB go to the sink and the rest moves to the front, so every legal
// back-reference stays inside the window and `outPos_` is always the number of bytes a
// distance may reach back.
#include "skin/Inflate.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "skin/HuffmanTree.h"

namespace zelkova {
namespace {

constexpr std::size_t kInputBufferSize = 16 * 1024;
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kWindowSize = 64 * 1024 + kMaxMatch;
constexpr std::size_t kHistory = 32 * 1024;
// Matches are copied eight bytes at a time and may write up to seven bytes past their end.
constexpr std::size_t kCopySlack = 8;
// At or past this position the window is flushed before the next symbol, which then fits.
constexpr std::size_t kFlushMark = kWindowSize - kMaxMatch - kCopySlack;
static_assert(kFlushMark - 1 + kMaxMatch + kCopySlack <= kWindowSize);
static_assert(kFlushMark > kHistory);

// Padding bytes the bit buffer can hold without one of them having been consumed.
constexpr unsigned kMaxPadBytes = sizeof(std::uint64_t);

constexpr std::array<std::uint8_t, kCodeLengthSymbols> kCodeLengthOrder = {
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

inline std::uint64_t LoadLittleEndian64(const std::uint8_t* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    if constexpr (std::endian::native == std::endian::big) {
        std::uint64_t r = 0;
        for (int i = 0; i < 8; ++i) r |= ((v >> (8 * i)) & 0xFF) << (8 * (7 - i));
        v = r;
    }
    return v;
}

// Per-call decoding tables: about 256 KB, so they live on the heap.
struct DynamicTrees {
    LiteralLengthTree literalLength;
    DistanceTree distance;
    CodeLengthTree codeLength;
};

class Inflater {
public:
    Inflater(InflateSource& source, ByteSink& sink, std::uint64_t limit)
        : source_(source),
          sink_(sink),
          limit_(limit),
          input_(std::make_unique<std::uint8_t[]>(kInputBufferSize)),
          window_(std::make_unique<std::uint8_t[]>(kWindowSize)) {
        in_ = inEnd_ = input_.get();
        UpdateOutputStop();
    }

    InflateStatus Run();

private:
    // Bit input.
    bool Refill() {
        if (inEnd_ - in_ >= 8) {
            bits_ |= LoadLittleEndian64(in_) << bitCount_;
            in_ += (63 - bitCount_) >> 3;
            bitCount_ |= 56;
            return true;
        }
        return RefillSlowly();
    }
    bool RefillSlowly();
    bool Need(unsigned count) { return bitCount_ >= count || Refill(); }
    std::uint32_t Peek(unsigned count) const {
        return static_cast<std::uint32_t>(bits_ & ((std::uint64_t{1} << count) - 1));
    }
    void Drop(unsigned count) {
        bits_ >>= count;
        bitCount_ -= count;
    }
    std::uint32_t Take(unsigned count) {
        const std::uint32_t v = Peek(count);
        Drop(count);
        return v;
    }
    bool ReadMoreInput();

    // Output.
    void UpdateOutputStop() {
        const std::uint64_t room = limit_ - std::min(limit_, flushed_);
        outStop_ = room < kFlushMark ? static_cast<std::size_t>(room) + 1 : kFlushMark;
    }
    InflateStatus MakeRoom();
    InflateStatus FinishOutput();

    // Blocks.
    InflateStatus StoredBlock();
    InflateStatus ReadDynamicTrees(DynamicTrees& trees);
    InflateStatus HuffmanBlock(HuffmanTableView literal, HuffmanTableView distance);

    InflateSource& source_;
    ByteSink& sink_;
    const std::uint64_t limit_;

    std::unique_ptr<std::uint8_t[]> input_;
    const std::uint8_t* in_ = nullptr;
    const std::uint8_t* inEnd_ = nullptr;
    bool sourceEnded_ = false;
    std::uint64_t bits_ = 0;
    unsigned bitCount_ = 0;
    unsigned padBytes_ = 0;

    std::unique_ptr<std::uint8_t[]> window_;
    std::size_t outPos_ = 0;
    std::size_t outStop_ = 0;  // the loop checks the window once outPos_ reaches this
    std::uint64_t flushed_ = 0;
};

bool Inflater::ReadMoreInput() {
    if (sourceEnded_) return false;
    const std::size_t kept = static_cast<std::size_t>(inEnd_ - in_);
    std::memmove(input_.get(), in_, kept);
    const std::size_t got =
        source_.Read(std::span<std::uint8_t>(input_.get() + kept, kInputBufferSize - kept));
    if (got == 0) sourceEnded_ = true;
    in_ = input_.get();
    inEnd_ = in_ + kept + got;
    return got != 0;
}

bool Inflater::RefillSlowly() {
    while (inEnd_ - in_ < 8 && ReadMoreInput()) {
    }
    if (inEnd_ - in_ >= 8) return Refill();
    while (bitCount_ <= 56) {
        std::uint64_t byte = 0;
        if (in_ < inEnd_) {
            byte = *in_++;
        } else if (++padBytes_ > kMaxPadBytes) {
            return false;  // a padding byte was consumed: the stream is truncated
        }
        bits_ |= byte << bitCount_;
        bitCount_ += 8;
    }
    return true;
}

InflateStatus Inflater::MakeRoom() {
    if (flushed_ + outPos_ > limit_) return InflateStatus::OutputLimit;
    if (outPos_ >= kFlushMark) {
        const std::size_t out = outPos_ - kHistory;
        if (!sink_.Write(std::span<const std::uint8_t>(window_.get(), out)))
            return InflateStatus::SinkFailed;
        std::memmove(window_.get(), window_.get() + out, kHistory);
        outPos_ = kHistory;
        flushed_ += out;
    }
    UpdateOutputStop();
    return InflateStatus::Done;
}

InflateStatus Inflater::FinishOutput() {
    // Consuming padding means the final block ended past the real input.
    if (bitCount_ < padBytes_ * 8) return InflateStatus::Malformed;
    if (flushed_ + outPos_ > limit_) return InflateStatus::OutputLimit;
    if (outPos_ > 0 && !sink_.Write(std::span<const std::uint8_t>(window_.get(), outPos_)))
        return InflateStatus::SinkFailed;
    flushed_ += outPos_;
    outPos_ = 0;
    return InflateStatus::Done;
}

InflateStatus Inflater::StoredBlock() {
    Drop(bitCount_ & 7);
    if (!Need(32)) return InflateStatus::Malformed;
    // The one's complement that follows the length is not checked: stored files may rely on it.
    std::size_t length = Take(16);
    Drop(16);
    if (bitCount_ < padBytes_ * 8) return InflateStatus::Malformed;
    // Whole bytes still in the bit buffer come first; padding among them means truncation.
    while (length > 0 && bitCount_ >= 8) {
        if (bitCount_ / 8 <= padBytes_) return InflateStatus::Malformed;
        if (outPos_ >= outStop_) {
            if (const InflateStatus s = MakeRoom(); s != InflateStatus::Done) return s;
        }
        window_[outPos_++] = static_cast<std::uint8_t>(Take(8));
        --length;
    }
    if (length == 0) return InflateStatus::Done;
    // The bit buffer holds no whole byte now; what is above it is a copy of the input.
    bits_ = 0;
    bitCount_ = 0;
    while (length > 0) {
        if (in_ == inEnd_ && !ReadMoreInput()) return InflateStatus::Malformed;
        if (outPos_ >= outStop_) {
            if (const InflateStatus s = MakeRoom(); s != InflateStatus::Done) return s;
        }
        const std::size_t room = kWindowSize - outPos_;
        const std::size_t n =
            std::min({length, static_cast<std::size_t>(inEnd_ - in_), std::min(room, kMaxMatch)});
        std::memcpy(window_.get() + outPos_, in_, n);
        in_ += n;
        outPos_ += n;
        length -= n;
    }
    return InflateStatus::Done;
}

InflateStatus Inflater::ReadDynamicTrees(DynamicTrees& trees) {
    if (!Need(14)) return InflateStatus::Malformed;
    const unsigned literalCount = Take(5) + 257;
    const unsigned distanceCount = Take(5) + 1;
    const unsigned codeLengthCount = Take(4) + 4;
    if (literalCount > 286 || distanceCount > 30) return InflateStatus::Malformed;

    std::array<std::uint8_t, kCodeLengthSymbols> codeLengthLengths{};
    for (unsigned i = 0; i < codeLengthCount; ++i) {
        if (!Need(3)) return InflateStatus::Malformed;
        codeLengthLengths[kCodeLengthOrder[i]] = static_cast<std::uint8_t>(Take(3));
    }
    if (!trees.codeLength.Build(codeLengthLengths, CodeKind::CodeLengths))
        return InflateStatus::Malformed;
    const HuffmanTableView codeLength = trees.codeLength.View();

    std::array<std::uint8_t, 286 + 30> lengths{};
    const unsigned total = literalCount + distanceCount;
    unsigned n = 0;
    while (n < total) {
        // A code of up to 7 bits and up to 7 extra bits.
        if (!Need(14)) return InflateStatus::Malformed;
        const std::uint32_t entry = codeLength.entries[Peek(codeLength.longest)];
        const unsigned codeBits = EntryCodeLength(entry);
        if (codeBits == 0) return InflateStatus::Malformed;
        Drop(codeBits);
        const std::uint32_t symbol = EntrySymbol(entry);
        if (symbol < 16) {
            lengths[n++] = static_cast<std::uint8_t>(symbol);
            continue;
        }
        std::uint8_t value = 0;
        unsigned repeat = 0;
        if (symbol == 16) {
            if (n == 0) return InflateStatus::Malformed;  // nothing to repeat
            value = lengths[n - 1];
            repeat = 3 + Take(2);
        } else if (symbol == 17) {
            repeat = 3 + Take(3);
        } else {
            repeat = 11 + Take(7);
        }
        if (repeat > total - n) return InflateStatus::Malformed;
        std::fill_n(lengths.begin() + n, repeat, value);
        n += repeat;
    }
    // Without an end-of-block code no block could ever end.
    if (lengths[256] == 0) return InflateStatus::Malformed;
    const std::span<const std::uint8_t> all(lengths.data(), total);
    if (!trees.literalLength.Build(all.first(literalCount), CodeKind::LiteralLength) ||
        !trees.distance.Build(all.subspan(literalCount), CodeKind::Distance))
        return InflateStatus::Malformed;
    return InflateStatus::Done;
}

InflateStatus Inflater::HuffmanBlock(HuffmanTableView literal, HuffmanTableView distance) {
    const std::uint32_t* const literalEntries = literal.entries;
    const std::uint32_t literalMask = literal.mask;
    const std::uint32_t* const distanceEntries = distance.entries;
    const std::uint32_t distanceMask = distance.mask;
    std::uint8_t* const window = window_.get();

    for (;;) {
        if (outPos_ >= outStop_) {
            if (const InflateStatus s = MakeRoom(); s != InflateStatus::Done) return s;
        }
        if (bitCount_ < kMaxCodeBits && !Refill()) return InflateStatus::Malformed;
        const std::uint32_t entry = literalEntries[bits_ & literalMask];
        const unsigned codeBits = EntryCodeLength(entry);
        if (codeBits == 0) return InflateStatus::Malformed;
        Drop(codeBits);
        const std::uint32_t symbol = EntrySymbol(entry);
        if (symbol < 256) {
            window[outPos_++] = static_cast<std::uint8_t>(symbol);
            continue;
        }
        if (symbol == 256) return InflateStatus::Done;
        if (symbol > 285) return InflateStatus::Malformed;  // 286 and 287 take part in no code

        // Up to 5 extra length bits, a 15-bit distance code and 13 extra distance bits.
        if (bitCount_ < 33 && !Refill()) return InflateStatus::Malformed;
        const unsigned lengthExtra = EntryExtraBits(entry);
        const std::size_t length = kLengthBase[symbol - 257] + Take(lengthExtra);
        const std::uint32_t distanceEntry = distanceEntries[bits_ & distanceMask];
        const unsigned distanceBits = EntryCodeLength(distanceEntry);
        if (distanceBits == 0) return InflateStatus::Malformed;
        Drop(distanceBits);
        const std::uint32_t distanceSymbol = EntrySymbol(distanceEntry);
        if (distanceSymbol >= kDistanceBase.size()) return InflateStatus::Malformed;
        const std::size_t dist =
            kDistanceBase[distanceSymbol] + Take(EntryExtraBits(distanceEntry));
        // Nothing before the first byte written may be referred to.
        if (dist > outPos_) return InflateStatus::Malformed;

        std::uint8_t* out = window + outPos_;
        const std::uint8_t* from = out - dist;
        outPos_ += length;
        if (dist >= kCopySlack) {
            // Each eight-byte step reads only bytes written before it.
            std::uint8_t* const end = out + length;
            do {
                std::memcpy(out, from, 8);
                out += 8;
                from += 8;
            } while (out < end);
        } else if (dist == 1) {
            std::memset(out, *from, length);
        } else {
            // Short periods (pixels of 2 to 7 bytes): write the pattern byte by byte until a
            // whole number of periods of at least eight bytes lies behind, then copy words
            // from that far back, which repeats the same pattern.
            const std::size_t reach = dist * ((kCopySlack + dist - 1) / dist);
            const std::size_t head = std::min(length, reach - dist);
            for (std::size_t i = 0; i < head; ++i) out[i] = from[i];
            std::uint8_t* const end = out + length;
            out += head;
            from = out - reach;
            while (out < end) {
                std::memcpy(out, from, 8);
                out += 8;
                from += 8;
            }
        }
    }
}

InflateStatus Inflater::Run() {
    auto trees = std::make_unique<DynamicTrees>();
    const FixedTrees& fixed = GetFixedTrees();
    for (;;) {
        if (!Need(3)) return InflateStatus::Malformed;
        const bool final = Take(1) != 0;
        InflateStatus status = InflateStatus::Done;
        switch (Take(2)) {
            case 0:
                status = StoredBlock();
                break;
            case 1:
                status = HuffmanBlock(fixed.literalLength.View(), fixed.distance.View());
                break;
            case 2:
                status = ReadDynamicTrees(*trees);
                if (status == InflateStatus::Done)
                    status = HuffmanBlock(trees->literalLength.View(), trees->distance.View());
                break;
            default:
                status = InflateStatus::Malformed;  // block type 3 is reserved
                break;
        }
        if (status != InflateStatus::Done) return status;
        if (final) return FinishOutput();
    }
}

class MemorySource final : public InflateSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : rest_(bytes) {}
    std::size_t Read(std::span<std::uint8_t> buffer) override {
        const std::size_t n = std::min(buffer.size(), rest_.size());
        if (n > 0) std::memcpy(buffer.data(), rest_.data(), n);
        rest_ = rest_.subspan(n);
        return n;
    }

private:
    std::span<const std::uint8_t> rest_;
};

}  // namespace

InflateStatus Inflate(InflateSource& source, ByteSink& sink, std::uint64_t outputLimit) {
    return Inflater(source, sink, outputLimit).Run();
}

InflateStatus InflateToVector(std::span<const std::uint8_t> compressed,
                              std::vector<std::uint8_t>& output, std::uint64_t outputLimit) {
    MemorySource source(compressed);
    MemorySink sink;
    sink.Bytes() = std::move(output);
    sink.Bytes().clear();
    const InflateStatus status = Inflate(source, sink, outputLimit);
    output = std::move(sink.Bytes());
    return status;
}

}  // namespace zelkova
