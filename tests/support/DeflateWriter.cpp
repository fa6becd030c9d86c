#include "support/DeflateWriter.h"

#include <algorithm>
#include <array>

namespace zelkova::testing {
namespace {

constexpr std::array<std::uint16_t, 29> kLengthBase = {
    3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                         4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                         9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr std::array<std::uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                           11, 4,  12, 3, 13, 2, 14, 1, 15};

}  // namespace

void BitWriter::Put(std::uint64_t value, unsigned count) {
    for (unsigned i = 0; i < count; ++i) {
        pending_ |= static_cast<std::uint32_t>((value >> i) & 1u) << pendingBits_;
        if (++pendingBits_ == 8) {
            bytes_.push_back(static_cast<std::uint8_t>(pending_));
            pending_ = 0;
            pendingBits_ = 0;
        }
    }
}

void BitWriter::PutCode(std::uint32_t code, unsigned length) {
    for (unsigned i = length; i-- > 0;) Put((code >> i) & 1u, 1);
}

void BitWriter::AlignToByte() {
    if (pendingBits_ > 0) Put(0, 8 - pendingBits_);
}

std::vector<std::uint8_t> BitWriter::Finish() {
    AlignToByte();
    return std::move(bytes_);
}

std::vector<std::uint32_t> CanonicalCodes(std::span<const std::uint8_t> lengths) {
    std::array<std::uint32_t, 16> count{};
    for (std::uint8_t len : lengths) ++count[len];
    count[0] = 0;
    std::array<std::uint32_t, 16> next{};
    std::uint32_t code = 0;
    for (int len = 1; len < 16; ++len) {
        code = (code + count[len - 1]) << 1;
        next[len] = code;
    }
    std::vector<std::uint32_t> codes(lengths.size());
    for (std::size_t s = 0; s < lengths.size(); ++s)
        if (lengths[s] != 0) codes[s] = next[lengths[s]]++;
    return codes;
}

void PutBlockHeader(BitWriter& bits, bool final, unsigned type) {
    bits.Put(final ? 1 : 0, 1);
    bits.Put(type, 2);
}

void PutStoredBlock(BitWriter& bits, bool final, std::span<const std::uint8_t> data) {
    PutBlockHeader(bits, final, 0);
    bits.AlignToByte();
    const auto length = static_cast<std::uint32_t>(data.size());
    bits.Put(length, 16);
    bits.Put(~length & 0xFFFF, 16);
    for (std::uint8_t b : data) bits.PutByte(b);
}

void PutFixedLiteral(BitWriter& bits, unsigned symbol) {
    if (symbol < 144)
        bits.PutCode(0x30 + symbol, 8);
    else if (symbol < 256)
        bits.PutCode(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        bits.PutCode(symbol - 256, 7);
    else
        bits.PutCode(0xC0 + symbol - 280, 8);
}

void PutFixedMatch(BitWriter& bits, unsigned length, unsigned distance) {
    unsigned l = 28;
    while (kLengthBase[l] > length) --l;
    PutFixedLiteral(bits, 257 + l);
    bits.Put(length - kLengthBase[l], kLengthExtra[l]);
    unsigned d = 29;
    while (kDistanceBase[d] > distance) --d;
    bits.PutCode(d, 5);
    bits.Put(distance - kDistanceBase[d], kDistanceExtra[d]);
}

void PutDynamicHeader(BitWriter& bits, std::span<const std::uint8_t> literalLengths,
                      std::span<const std::uint8_t> distanceLengths) {
    bits.Put(static_cast<std::uint32_t>(literalLengths.size() - 257), 5);
    bits.Put(static_cast<std::uint32_t>(distanceLengths.size() - 1), 5);
    bits.Put(19 - 4, 4);
    // Lengths 0-12 take four bits and 13-18 five: 13/16 + 6/32 fills the code space.
    std::array<std::uint8_t, 19> codeLengthLengths{};
    for (unsigned s = 0; s < 19; ++s) codeLengthLengths[s] = s < 13 ? 4 : 5;
    for (unsigned i = 0; i < 19; ++i) bits.Put(codeLengthLengths[kCodeLengthOrder[i]], 3);
    const std::vector<std::uint32_t> codes = CanonicalCodes(codeLengthLengths);
    for (std::uint8_t len : literalLengths) bits.PutCode(codes[len], codeLengthLengths[len]);
    for (std::uint8_t len : distanceLengths) bits.PutCode(codes[len], codeLengthLengths[len]);
}

std::vector<std::uint8_t> StoredDeflate(std::span<const std::uint8_t> data) {
    BitWriter bits;
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min<std::size_t>(data.size() - pos, 65535);
        PutStoredBlock(bits, pos + n == data.size(), data.subspan(pos, n));
        pos += n;
    } while (pos < data.size());
    return bits.Finish();
}

std::vector<std::uint8_t> FixedDeflate(std::span<const std::uint8_t> data) {
    BitWriter bits;
    PutBlockHeader(bits, true, 1);
    constexpr std::size_t kHashSize = 1 << 14;
    std::vector<std::int64_t> lastSeen(kHashSize, -1);
    auto hash = [&](std::size_t i) {
        return ((data[i] << 8) ^ (data[i + 1] << 4) ^ data[i + 2]) & (kHashSize - 1);
    };
    std::size_t pos = 0;
    while (pos < data.size()) {
        std::size_t best = 0;
        std::size_t distance = 0;
        if (pos + 3 <= data.size()) {
            const std::size_t h = hash(pos);
            const std::int64_t candidate = lastSeen[h];
            lastSeen[h] = static_cast<std::int64_t>(pos);
            if (candidate >= 0 && pos - static_cast<std::size_t>(candidate) <= 32768) {
                const std::size_t from = static_cast<std::size_t>(candidate);
                const std::size_t limit = std::min<std::size_t>(258, data.size() - pos);
                while (best < limit && data[from + best] == data[pos + best]) ++best;
                distance = pos - from;
            }
        }
        if (best >= 3) {
            PutFixedMatch(bits, static_cast<unsigned>(best), static_cast<unsigned>(distance));
            pos += best;
        } else {
            PutFixedLiteral(bits, data[pos]);
            ++pos;
        }
    }
    PutFixedLiteral(bits, 256);
    return bits.Finish();
}

}  // namespace zelkova::testing
