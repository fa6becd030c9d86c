// The decoder keeps the unread input in a 64-bit bit buffer, least significant bit first.
// `bits_` holds `bitCount_` valid bits; anything above them is a copy of the bytes that follow
// `in_`, so refilling by OR-ing those same bytes in again is harmless. A refill from a full
// input buffer loads eight bytes at once without a branch: all 64 bits are then input, at least
// 56 of them counted valid. Past the end of the input the buffer is padded with zero bytes so
// that peeking never fails; `padBytes_` counts them, and consuming any of them means the stream
// was truncated, which is checked before a symbol's bytes are written.
//
// Output goes to a buffer at `out_`: either a window of 64 KB + 258 bytes, of which all but the
// last 32 KB go to the sink whenever the write position passes the flush mark, or the caller's
// vector, decoded into directly and grown as needed. Either way every legal back-reference stays
// inside the buffer, `outPos_` is the number of bytes a distance may reach back, and the buffer
// has kCopySlack bytes of room past any match, so matches are copied 8 or 16 bytes at a time.
//
// Huffman blocks run in two loops. The fast loop keeps all of this state in locals and runs
// while enough input and output room are left that it checks nothing else. A pass starts with
// a full bit buffer and its first entry looked up, and finishes three literals, or up to two
// literals and a match, each symbol with one table lookup (HuffmanTree.h gives the entries'
// layout: a length's or a distance's entry carries its base and its extra-bit count, so one
// shift drops code and extra bits together). An entry's bits are dropped as soon as it is
// loaded, before it is even known to be a literal, which keeps the lookups one shift apart; the
// rare entry that holds no code puts its bits back. The next pass's first entry is looked up
// before the match is copied. In the loop the bit count is kept in the low byte of a 32-bit
// local: an entry's own low byte is the number of bits it takes, so subtracting the whole entry
// is exact there. The careful loop decodes one symbol at a time with bounded refills near the
// end of the input.
//
// Nothing is cleared that is written before it is read: the buffers, the window and the tables
// of dynamic blocks (allocated at the first such block) start uninitialised.
#include "skin/file/Inflate.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "skin/file/HuffmanTree.h"

namespace zelkova {
namespace {

constexpr std::size_t kInputBufferSize = std::size_t{16} * 1024;
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kWindowSize = std::size_t{64} * 1024 + kMaxMatch;
constexpr std::size_t kHistory = std::size_t{32} * 1024;
// A match is copied in words or 16-byte blocks, up to 32 bytes a loop pass, so the copy may
// write up to 31 bytes past the match's end.
constexpr std::size_t kCopySlack = 32;
// One pass of the fast loop writes three literals, or up to two and a match.
constexpr std::size_t kMaxPassWrite = 2 + kMaxMatch;
constexpr std::size_t kMaxSymbolWrite = kMaxPassWrite + kCopySlack;
// At or past this position the window is flushed before the next symbol, which then fits.
constexpr std::size_t kFlushMark = kWindowSize - kMaxSymbolWrite;
static_assert(kFlushMark > kHistory);
// A refill reads eight bytes and moves on by at most seven; a pass refills at most twice.
constexpr std::size_t kInputSlack = 8;
constexpr std::size_t kRefillStep = 7;
constexpr std::size_t kMaxPassInput = 2 * kRefillStep;
// Entering the fast loop refills once, and its first pass must still fit.
constexpr std::size_t kFastLoopInput = kInputSlack + kRefillStep + kMaxPassInput;
// The most extra bits a length or a distance takes.
constexpr unsigned kMaxLengthExtraBits =
    *std::max_element(kLengthExtraBits.begin(), kLengthExtraBits.end());
constexpr unsigned kMaxDistanceExtraBits =
    *std::max_element(kDistanceExtraBits.begin(), kDistanceExtraBits.end());
// What the careful loop makes sure of before a symbol: a length's code and extra bits and a
// distance's take up to 48.
constexpr unsigned kMaxMatchBits =
    kMaxCodeBits + kMaxLengthExtraBits + kMaxCodeBits + kMaxDistanceExtraBits;

// Where the compiler can build one function for a processor extension and the program can ask
// the processor for it (GCC and Clang on x86), the fast loop is built twice, the second time
// with BMI2, whose shifts and bit extraction take a count from any register (shlx, shrx, bzhi):
// most of the loop's work is shifting by counts taken from table entries. Which one runs is
// asked once.
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#define ZELKOVA_INFLATE_BMI2 1
#else
#define ZELKOVA_INFLATE_BMI2 0
#endif

// Padding bytes the bit buffer can hold without one of them having been consumed.
constexpr unsigned kMaxPadBytes = sizeof(std::uint64_t);

constexpr std::array<std::uint8_t, kCodeLengthSymbols> kCodeLengthOrder = {
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// For a copy with a period of 2 to 7 bytes: the smallest whole number of periods of at least
// eight bytes, so that eight-byte steps from that far back repeat the pattern.
constexpr std::array<std::uint8_t, 8> kPatternReach = {0, 8, 8, 9, 8, 10, 12, 14};

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

// The value of the extra bits of an entry decoded from `saved`, the bit buffer as it was
// before the entry's bits were dropped: the bits between the code's end and the entry's.
// Shift counts are taken modulo 64, as the processor takes them; no entry's counts reach 64.
inline std::uint32_t ExtraBitsValue(std::uint64_t saved, std::uint32_t entry) {
    const std::uint64_t upToEnd = saved & ((std::uint64_t{1} << (entry & 63)) - 1);
    return static_cast<std::uint32_t>(upToEnd >> ((entry >> 8) & 63));
}

inline void CopyWord(std::uint8_t* to, const std::uint8_t* from) {
    std::uint64_t word;
    std::memcpy(&word, from, sizeof word);
    std::memcpy(to, &word, sizeof word);
}

// Copies a match of `length` bytes from `distance` bytes back; writes up to kCopySlack - 1
// bytes past the end. Each step reads only bytes written before it: a step of n bytes needs a
// distance of at least n. The first four word steps cover most matches without a branch on
// the length; longer ones take four more a loop pass. A fifth first step, for matches of 33 to
// 40 bytes, measured slower on streams of short matches.
// Steps are words even where vectors would fit: a wider load that reaches into the bytes just
// stored waits for them to be written, where a word often does not.
inline void CopyMatch(std::uint8_t* out, std::size_t distance, std::size_t length) {
    const std::uint8_t* from = out - distance;
    std::uint8_t* const end = out + length;
    if (distance >= 8) [[likely]] {
        CopyWord(out, from);
        CopyWord(out + 8, from + 8);
        CopyWord(out + 16, from + 16);
        CopyWord(out + 24, from + 24);
        out += 32;
        from += 32;
        while (out < end) {
            CopyWord(out, from);
            CopyWord(out + 8, from + 8);
            CopyWord(out + 16, from + 16);
            CopyWord(out + 24, from + 24);
            out += 32;
            from += 32;
        }
        return;
    }
    if (distance == 1 || distance == 2 || distance == 4) {
        // The period divides a word: repeat one word made of it (four first: four-byte pixels).
        std::uint64_t pattern;
        if (distance == 4) {
            std::uint32_t half;
            std::memcpy(&half, from, sizeof half);
            pattern = half | std::uint64_t{half} << 32;
        } else if (distance == 1) {
            pattern = *from * 0x0101010101010101ull;
        } else {
            pattern = (from[0] | std::uint64_t{from[1]} << 8) * 0x0001000100010001ull;
        }
        // Sixteen bytes a step (one vector store where there are vectors); most such matches
        // are short and end after the first.
        std::uint8_t block[16];
        std::memcpy(block, &pattern, 8);
        std::memcpy(block + 8, &pattern, 8);
        std::memcpy(out, block, 16);
        out += 16;
        while (out < end) {
            std::memcpy(out, block, 16);
            out += 16;
        }
        return;
    }
    // Periods of 3, 5, 6 and 7 bytes: word steps of one period each, whose first `distance`
    // bytes are right, until a whole number of periods of at least eight bytes lies behind;
    // then words from that far back repeat the pattern.
    const std::size_t reach = kPatternReach[distance];
    std::uint8_t* const headEnd = out + std::min(length, reach - distance);
    while (out < headEnd) {
        CopyWord(out, from);
        out += distance;
        from += distance;
    }
    out = headEnd;
    from = out - reach;
    while (out < end) {
        CopyWord(out, from);
        out += 8;
        from += 8;
    }
}

// The tables of dynamic blocks, made at the first one and rebuilt for each: about 16 KB, on
// the heap.
struct DynamicTrees {
    BlockTrees block;
    CodeLengthTree codeLength;
};

class Inflater {
public:
    // Decodes from a source into a sink through the window.
    Inflater(InflateSource& source, ByteSink& sink, std::uint64_t limit, InflateLoop loop)
        : source_(&source),
          sink_(&sink),
          limit_(limit),
          loop_(loop),
          input_(std::make_unique_for_overwrite<std::uint8_t[]>(kInputBufferSize)),
          window_(std::make_unique_for_overwrite<std::uint8_t[]>(kWindowSize)) {
        in_ = inEnd_ = input_.get();
        out_ = window_.get();
        UpdateOutputStop();
    }

    // Decodes from memory straight into a vector, which is resized to the output at the end.
    Inflater(std::span<const std::uint8_t> compressed, std::vector<std::uint8_t>& output,
             std::uint64_t limit, InflateLoop loop)
        : vector_(&output), limit_(limit), loop_(loop) {
        in_ = compressed.data();
        inEnd_ = in_ + compressed.size();
        sourceEnded_ = true;
        // What the vector already holds, or room for a typical ratio.
        const std::size_t guess =
            std::max(kWindowSize, std::min(compressed.size(), SIZE_MAX / 4) * 4);
        if (output.size() < kWindowSize) output.resize(std::min(guess, VectorCap()));
        out_ = output.data();
        UpdateOutputStop();
    }

    InflateStatus Run();

    // Bytes decoded so far, as far as the limit allows them.
    std::uint64_t Produced() const { return std::min(limit_, flushed_ + outPos_); }

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
    // Whether any padding byte has been consumed: the stream then runs past the input.
    bool ConsumedPadding() const { return bitCount_ < padBytes_ * 8; }
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
    // Drops a table entry's code and extra bits; returns the extra bits' value.
    std::uint32_t TakeEntry(std::uint32_t entry) {
        const std::uint64_t saved = bits_;
        Drop(EntryBits(entry));
        return ExtraBitsValue(saved, entry);
    }
    bool ReadMoreInput();

    // Output.
    std::size_t VectorCap() const {
        // The limit plus room for the last symbol's overrun, without overflowing.
        const std::uint64_t cap =
            std::min<std::uint64_t>(limit_, SIZE_MAX / 2) + 1 + kMaxSymbolWrite;
        return static_cast<std::size_t>(cap);
    }
    void UpdateOutputStop();
    InflateStatus MakeRoom();
    InflateStatus FinishOutput();

    // Blocks.
    InflateStatus StoredBlock();
    InflateStatus ReadDynamicTrees(DynamicTrees& trees);
    InflateStatus HuffmanBlock(const BlockTrees& trees);
    InflateStatus FastLoop(const BlockTrees& trees);
    [[gnu::always_inline]] inline InflateStatus FastLoopBody(const BlockTrees& trees);
    [[gnu::noinline]] InflateStatus FastLoopPortable(const BlockTrees& trees) {
        return FastLoopBody(trees);
    }
#if ZELKOVA_INFLATE_BMI2
    [[gnu::noinline, gnu::target("bmi,bmi2")]] InflateStatus FastLoopBmi2(const BlockTrees& trees) {
        return FastLoopBody(trees);
    }
#endif
    InflateStatus CarefulSymbol(const BlockTrees& trees);

    // Not yet decided: the block goes on.
    static constexpr InflateStatus kGoOn = static_cast<InflateStatus>(0xFF);

    InflateSource* source_ = nullptr;
    ByteSink* sink_ = nullptr;
    std::vector<std::uint8_t>* vector_ = nullptr;
    const std::uint64_t limit_;
    const InflateLoop loop_;

    std::unique_ptr<std::uint8_t[]> input_;
    const std::uint8_t* in_ = nullptr;
    const std::uint8_t* inEnd_ = nullptr;
    bool sourceEnded_ = false;
    std::uint64_t bits_ = 0;
    unsigned bitCount_ = 0;
    unsigned padBytes_ = 0;

    std::unique_ptr<std::uint8_t[]> window_;
    std::uint8_t* out_ = nullptr;
    std::size_t outPos_ = 0;
    std::size_t outStop_ = 0;  // the loops make room once outPos_ reaches this
    std::uint64_t flushed_ = 0;
};

bool Inflater::ReadMoreInput() {
    if (sourceEnded_) return false;
    const auto kept = static_cast<std::size_t>(inEnd_ - in_);
    std::memmove(input_.get(), in_, kept);
    const std::size_t got =
        source_->Read(std::span<std::uint8_t>(input_.get() + kept, kInputBufferSize - kept));
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

void Inflater::UpdateOutputStop() {
    // One byte past the limit stops the loops, so that MakeRoom sees the overrun.
    const std::uint64_t room = limit_ - std::min(limit_, flushed_);
    const std::size_t bufferStop = vector_ ? vector_->size() - kMaxSymbolWrite : kFlushMark;
    outStop_ = room < bufferStop ? static_cast<std::size_t>(room) + 1 : bufferStop;
}

InflateStatus Inflater::MakeRoom() {
    if (flushed_ + outPos_ > limit_) return InflateStatus::OutputLimit;
    if (vector_ != nullptr) {
        while (outPos_ + kMaxSymbolWrite >= vector_->size()) {
            // Within the capacity a vector already has, a step of a window is cheap and does
            // not clear more than needed; beyond it, doubling keeps reallocation linear.
            const std::size_t size = vector_->size();
            const std::size_t grown = vector_->capacity() > size
                                          ? std::min(vector_->capacity(), size + kWindowSize)
                                          : size * 2;
            vector_->resize(std::min(grown, VectorCap()));
            out_ = vector_->data();
        }
    } else if (outPos_ >= kFlushMark) {
        const std::size_t out = outPos_ - kHistory;
        if (!sink_->Write(std::span<const std::uint8_t>(out_, out)))
            return InflateStatus::SinkFailed;
        std::memmove(out_, out_ + out, kHistory);
        outPos_ = kHistory;
        flushed_ += out;
    }
    UpdateOutputStop();
    return InflateStatus::Done;
}

InflateStatus Inflater::FinishOutput() {
    // Consuming padding means the final block ended past the real input.
    if (ConsumedPadding()) return InflateStatus::Malformed;
    if (flushed_ + outPos_ > limit_) return InflateStatus::OutputLimit;
    if (vector_ != nullptr) return InflateStatus::Done;
    if (outPos_ > 0 && !sink_->Write(std::span<const std::uint8_t>(out_, outPos_)))
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
    if (ConsumedPadding()) return InflateStatus::Malformed;
    // Whole bytes still in the bit buffer come first; padding among them means truncation.
    while (length > 0 && bitCount_ >= 8) {
        if (bitCount_ / 8 <= padBytes_) return InflateStatus::Malformed;
        if (outPos_ >= outStop_) {
            if (const InflateStatus s = MakeRoom(); s != InflateStatus::Done) return s;
        }
        out_[outPos_++] = static_cast<std::uint8_t>(Take(8));
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
        const std::size_t n =
            std::min({length, static_cast<std::size_t>(inEnd_ - in_), outStop_ - outPos_});
        std::memcpy(out_ + outPos_, in_, n);
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
    CodeLengthTree& codeLength = trees.codeLength;
    if (!codeLength.Build(codeLengthLengths, CodeKind::CodeLengths))
        return InflateStatus::Malformed;
    const std::uint32_t* const codeLengthEntries = codeLength.table.data();
    constexpr std::uint32_t codeLengthMask = CodeLengthTree::kMask;

    // Written before they are read, up to `total`; runs are written eight bytes at a time, up
    // to seven past their end.
    std::array<std::uint8_t, 286 + 30 + 7> lengths;
    const unsigned total = literalCount + distanceCount;
    unsigned n = 0;
    // The bit buffer in locals: the byte stores to `lengths` could otherwise alias the members.
    std::uint64_t bits = bits_;
    unsigned bitCount = bitCount_;
    while (n < total) {
        // A code of up to 7 bits and up to 7 extra bits.
        if (bitCount < 14) {
            bits_ = bits;
            bitCount_ = bitCount;
            if (!Refill()) return InflateStatus::Malformed;
            bits = bits_;
            bitCount = bitCount_;
        }
        const std::uint32_t entry = codeLengthEntries[bits & codeLengthMask];
        if (EntryCodeLength(entry) == 0) return InflateStatus::Malformed;
        const std::uint32_t extra = ExtraBitsValue(bits, entry);
        bits >>= EntryBits(entry);
        bitCount -= EntryBits(entry);
        const std::uint32_t symbol = EntryValue(entry);
        if (symbol < 16) {
            lengths[n++] = static_cast<std::uint8_t>(symbol);
            continue;
        }
        std::uint8_t value = 0;
        unsigned repeat = 3 + extra;
        if (symbol == 16) {
            if (n == 0) return InflateStatus::Malformed;  // nothing to repeat
            value = lengths[n - 1];
        } else if (symbol == 18) {
            repeat += 8;
        }
        if (repeat > total - n) return InflateStatus::Malformed;
        const std::uint64_t run = value * 0x0101010101010101ull;
        for (unsigned i = 0; i < repeat; i += 8) std::memcpy(lengths.data() + n + i, &run, 8);
        n += repeat;
    }
    bits_ = bits;
    bitCount_ = bitCount;
    // Without an end-of-block code no block could ever end.
    if (lengths[256] == 0) return InflateStatus::Malformed;
    const std::span<const std::uint8_t> all(lengths.data(), total);
    if (!trees.block.literalLength.Build(all.first(literalCount), CodeKind::LiteralLength) ||
        !trees.block.distance.Build(all.subspan(literalCount), CodeKind::Distance))
        return InflateStatus::Malformed;
    return InflateStatus::Done;
}

// The entry of a code longer than the table, or kNoCodeEntry where no code starts at all; out
// of line, so that the rare walk takes no room in the fast loop.
template <class Tree>
[[gnu::noinline, gnu::cold]] std::uint32_t ResolveLongCode(const Tree& tree, std::uint64_t bits) {
    return tree.DecodeSlowly(bits);
}

InflateStatus Inflater::FastLoop(const BlockTrees& trees) {
#if ZELKOVA_INFLATE_BMI2
    static const bool hasBmi2 = __builtin_cpu_supports("bmi2");
    if (hasBmi2 && loop_ == InflateLoop::Best) return FastLoopBmi2(trees);
#endif
    return FastLoopPortable(trees);
}

InflateStatus Inflater::FastLoopBody(const BlockTrees& trees) {
    const LiteralLengthTree& literal = trees.literalLength;
    const DistanceTree& distance = trees.distance;
    constexpr std::uint32_t kLiteralMask = LiteralLengthTree::kMask;
    constexpr std::uint32_t kDistanceMask = DistanceTree::kMask;
    // A distance takes up to 13 extra bits after its code, and the lookup after it the
    // literal table's width; a code of the table's width is the usual case, one up to 15 bits
    // long the rare one.
    constexpr std::uint32_t kDistanceAndLookupBits =
        kDistanceTableBits + kMaxDistanceExtraBits + kLiteralLengthTableBits;
    constexpr std::uint32_t kLongDistanceAndLookupBits =
        kMaxCodeBits + kMaxDistanceExtraBits + kLiteralLengthTableBits;
    const std::uint32_t* const literalEntries = literal.table.data();
    const std::uint32_t* const distanceEntries = distance.table.data();
    std::uint8_t* const out = out_;
    std::uint8_t* const outStop = out_ + outStop_;
    std::uint8_t* op = out_ + outPos_;
    const std::uint8_t* in = in_;
    // Where a pass may start: both its refills then read inside the input.
    const std::uint8_t* const inStop = inEnd_ - kInputSlack - kRefillStep;
    std::uint64_t bits = bits_;
    // Only the low byte counts: subtracting whole entries leaves their upper bits above it.
    std::uint32_t bitCount = bitCount_;
    std::uint64_t saved = 0;  // the bit buffer before the last entry's bits were dropped

    const auto refill = [&] {
        bits |= LoadLittleEndian64(in) << (bitCount & 63);
        in += kRefillStep - ((bitCount >> 3) & 7);
        bitCount |= 56;
    };
    const auto consume = [&](std::uint32_t entry) {
        saved = bits;
        bits >>= entry & 63;
        bitCount -= entry;
    };
    const auto literalByte = [](std::uint32_t entry) {
        return static_cast<std::uint8_t>(entry >> 16);
    };

    InflateStatus status = kGoOn;
    if (op >= outStop || inEnd_ - in < static_cast<std::ptrdiff_t>(kFastLoopInput)) return status;
    refill();
    std::uint32_t entry = literalEntries[bits & kLiteralMask];
    // One pass: false when the block ends here or the stream is malformed (status says which).
    const auto pass = [&]() __attribute__((always_inline)) {
        // At least 56 bits are buffered: three literal codes of the table's width and the next
        // lookup, or two and a length of up to 15 + 5 bits.
        consume(entry);
        if (IsLiteral(entry)) {
            *op++ = literalByte(entry);
            entry = literalEntries[bits & kLiteralMask];
            consume(entry);
            if (IsLiteral(entry)) {
                *op++ = literalByte(entry);
                entry = literalEntries[bits & kLiteralMask];
                consume(entry);
                if (IsLiteral(entry)) {
                    *op++ = literalByte(entry);
                    entry = literalEntries[bits & kLiteralMask];
                    refill();
                    return true;
                }
            }
        }
        if (IsExceptional(entry)) [[unlikely]] {
            // Not a code of the table's width: put its bits back and look further.
            bits = saved;
            bitCount += entry;
            if (EntryCodeLength(entry) == 0) {
                entry = ResolveLongCode(literal, bits);
                if (entry == kNoCodeEntry) {
                    status = InflateStatus::Malformed;
                    return false;
                }
            }
            consume(entry);
            if (IsExceptional(entry)) {
                // The end of the block, or 286 and 287, which take part in no code.
                status = IsEndOfBlock(entry) ? InflateStatus::Done : InflateStatus::Malformed;
                return false;
            }
            if (IsLiteral(entry)) {
                *op++ = literalByte(entry);
                entry = literalEntries[bits & kLiteralMask];
                refill();
                return true;
            }
        }
        const std::size_t length = EntryValue(entry) + ExtraBitsValue(saved, entry);
        // The distance's entry is looked up first: a refill leaves the bits it needs alone.
        std::uint32_t distanceEntry = distanceEntries[bits & kDistanceMask];
        if (IsExceptional(distanceEntry)) [[unlikely]] {
            // A code longer than the table, or distances 30 and 31, which take part in no code.
            if ((bitCount & 0xFF) < kLongDistanceAndLookupBits) refill();
            if (EntryCodeLength(distanceEntry) == 0)
                distanceEntry = ResolveLongCode(distance, bits);
            if (IsExceptional(distanceEntry)) {
                status = InflateStatus::Malformed;
                return false;
            }
        } else if ((bitCount & 0xFF) < kDistanceAndLookupBits) {
            refill();
        }
        consume(distanceEntry);
        const std::size_t dist = EntryValue(distanceEntry) + ExtraBitsValue(saved, distanceEntry);
        entry = literalEntries[bits & kLiteralMask];
        // Nothing before the first byte written may be referred to.
        if (dist > static_cast<std::size_t>(op - out)) {
            status = InflateStatus::Malformed;
            return false;
        }
        refill();
        CopyMatch(op, dist, length);
        op += length;
        return true;
    };
    // The passes that are sure to start within both bounds run without checking them. Near the
    // end of the output, where that count would be small, each pass checks the bounds instead.
    do {
        const auto room = static_cast<std::size_t>(outStop - 1 - op);
        if (room < 8 * kMaxPassWrite) {
            while (pass() && op < outStop && in <= inStop) {
            }
            break;
        }
        std::size_t passes =
            std::min(static_cast<std::size_t>(inStop - in) / kMaxPassInput, room / kMaxPassWrite) +
            1;
        while (pass() && --passes != 0) {
        }
    } while (status == kGoOn && op < outStop && in <= inStop);
    outPos_ = static_cast<std::size_t>(op - out);
    in_ = in;
    bits_ = bits;
    bitCount_ = bitCount & 0xFF;
    return status;
}

InflateStatus Inflater::CarefulSymbol(const BlockTrees& trees) {
    const LiteralLengthTree& literal = trees.literalLength;
    const DistanceTree& distance = trees.distance;
    if (bitCount_ < kMaxMatchBits && !Refill()) return InflateStatus::Malformed;
    std::uint32_t entry = literal.table[bits_ & LiteralLengthTree::kMask];
    if (EntryCodeLength(entry) == 0) entry = ResolveLongCode(literal, bits_);
    if (entry == kNoCodeEntry) return InflateStatus::Malformed;
    const std::uint32_t lengthExtra = TakeEntry(entry);
    // A code that reaches into the padding past the input is not part of the stream.
    if (ConsumedPadding()) return InflateStatus::Malformed;
    if (IsLiteral(entry)) {
        out_[outPos_++] = static_cast<std::uint8_t>(entry >> 16);
        return kGoOn;
    }
    if (IsExceptional(entry))
        return IsEndOfBlock(entry) ? InflateStatus::Done : InflateStatus::Malformed;

    const std::size_t length = EntryValue(entry) + lengthExtra;
    std::uint32_t distanceEntry = distance.table[bits_ & DistanceTree::kMask];
    if (EntryCodeLength(distanceEntry) == 0) distanceEntry = ResolveLongCode(distance, bits_);
    if (IsExceptional(distanceEntry)) return InflateStatus::Malformed;
    const std::size_t dist = EntryValue(distanceEntry) + TakeEntry(distanceEntry);
    if (ConsumedPadding() || dist > outPos_) return InflateStatus::Malformed;
    CopyMatch(out_ + outPos_, dist, length);
    outPos_ += length;
    return kGoOn;
}

InflateStatus Inflater::HuffmanBlock(const BlockTrees& trees) {
    for (;;) {
        if (outPos_ >= outStop_) {
            if (const InflateStatus s = MakeRoom(); s != InflateStatus::Done) return s;
        }
        const InflateStatus status = inEnd_ - in_ >= static_cast<std::ptrdiff_t>(kFastLoopInput)
                                         ? FastLoop(trees)
                                         : CarefulSymbol(trees);
        if (status != kGoOn) return status;
    }
}

InflateStatus Inflater::Run() {
    std::unique_ptr<DynamicTrees> trees;
    const BlockTrees& fixed = GetFixedTrees();
    for (;;) {
        if (!Need(3)) return InflateStatus::Malformed;
        const bool final = Take(1) != 0;
        InflateStatus status = InflateStatus::Done;
        switch (Take(2)) {
            case 0: status = StoredBlock(); break;
            case 1: status = HuffmanBlock(fixed); break;
            case 2:
                if (!trees) trees = std::make_unique_for_overwrite<DynamicTrees>();
                status = ReadDynamicTrees(*trees);
                if (status == InflateStatus::Done) status = HuffmanBlock(trees->block);
                break;
            default:
                status = InflateStatus::Malformed;  // block type 3 is reserved
                break;
        }
        if (status != InflateStatus::Done) return status;
        if (final) return FinishOutput();
    }
}

}  // namespace

InflateStatus Inflate(InflateSource& source, ByteSink& sink, std::uint64_t outputLimit,
                      InflateLoop loop) {
    return Inflater(source, sink, outputLimit, loop).Run();
}

InflateStatus InflateToVector(std::span<const std::uint8_t> compressed,
                              std::vector<std::uint8_t>& output, std::uint64_t outputLimit,
                              InflateLoop loop) {
    Inflater inflater(compressed, output, outputLimit, loop);
    const InflateStatus status = inflater.Run();
    output.resize(std::min<std::uint64_t>(output.size(), inflater.Produced()));
    return status;
}

}  // namespace zelkova
