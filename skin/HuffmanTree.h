#pragma once
// Single-level Huffman decoding tables for Deflate. A tree whose table is T bits wide has 2^T
// entries; the low T bits of the bit stream, least significant first, index it directly. Each
// 32-bit entry packs the symbol (bits 0-15), the code length (bits 16-23) and the number of
// extra bits the symbol takes (bits 24-31). An entry with code length 0 (kNoCodeEntry) marks a
// position that no code of at most T bits reaches: either a longer code starts there, which the
// exact canonical decoder resolves, or nothing does, which is how incomplete sets fail safely.
//
// T starts as the longest code present (L), capped by the caller: a block of a few symbols with
// a 15-bit code would otherwise fill 32,768 entries. A capped tree counts the long codes it had
// to decode slowly and widens itself to L once they have cost about as much as the fill would.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace zelkova {

inline constexpr int kMaxCodeBits = 15;           // literal/length and distance codes
inline constexpr int kMaxCodeLengthCodeBits = 7;  // the code-length alphabet
inline constexpr int kLiteralLengthSymbols = 288;
inline constexpr int kDistanceSymbols = 32;
inline constexpr int kCodeLengthSymbols = 19;

constexpr std::uint32_t MakeTreeEntry(std::uint32_t symbol, std::uint32_t length,
                                      std::uint32_t extraBits) {
    return symbol | (length << 16) | (extraBits << 24);
}
constexpr std::uint32_t EntrySymbol(std::uint32_t entry) { return entry & 0xFFFFu; }
constexpr std::uint32_t EntryCodeLength(std::uint32_t entry) { return (entry >> 16) & 0xFFu; }
constexpr std::uint32_t EntryExtraBits(std::uint32_t entry) { return entry >> 24; }

// Which rules a code set must meet. Over-subscribed sets are always refused. Incomplete sets
// are refused too, except what RFC 1951 and zlib accept: a literal/length or distance code with
// a single one-bit code, and a code with no codes at all (any use of it fails).
enum class CodeKind : std::uint8_t { CodeLengths, LiteralLength, Distance };

// Base values and extra-bit counts of RFC 1951, section 3.2.5.
inline constexpr std::array<std::uint16_t, 29> kLengthBase = {
    3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
inline constexpr std::array<std::uint8_t, 29> kLengthExtraBits = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
inline constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
inline constexpr std::array<std::uint8_t, 30> kDistanceExtraBits = {
    0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

constexpr std::uint32_t ExtraBitsOf(CodeKind kind, std::uint32_t symbol) {
    if (kind == CodeKind::LiteralLength && symbol >= 257 && symbol < 257 + kLengthExtraBits.size())
        return kLengthExtraBits[symbol - 257];
    if (kind == CodeKind::Distance && symbol < kDistanceExtraBits.size())
        return kDistanceExtraBits[symbol];
    return 0;
}

// Each byte with its bits in reverse order: canonical codes are sent most significant bit
// first, and the table is indexed by the bits in the order they arrive.
inline constexpr std::array<std::uint8_t, 256> kReversedBytes = [] {
    std::array<std::uint8_t, 256> reversed{};
    for (unsigned byte = 0; byte < 256; ++byte)
        for (unsigned bit = 0; bit < 8; ++bit)
            reversed[byte] |= static_cast<std::uint8_t>(((byte >> bit) & 1u) << (7 - bit));
    return reversed;
}();

// A position no code of at most the table's width reaches. Its symbol bits are all set, so a
// test of bits 8-15 alone tells literals (symbols below 256) from everything else.
inline constexpr std::uint32_t kNoCodeEntry = 0xFFFFu;

// One decoding table with room for codes of up to MaxBits bits.
template <int MaxBits>
struct THuffmanTree {
    static constexpr int kMaxLength = MaxBits;
    int longest = 0;    // L, the longest code present
    int tableBits = 0;  // T, the table's width: L unless the build capped it
    std::uint32_t slowDecodes = 0;
    CodeKind kind = CodeKind::CodeLengths;
    // The canonical code, kept for decoding codes longer than the table and for widening it.
    std::array<std::uint16_t, MaxBits + 1> count{};
    std::array<std::uint16_t, MaxBits + 1> firstCode{};   // first code of each length
    std::array<std::uint16_t, MaxBits + 1> firstIndex{};  // its symbol's place in `sorted`
    // Written before they are read: left uninitialised, so that making a tree costs nothing.
    std::array<std::uint16_t, kLiteralLengthSymbols> sorted;  // by code length, then value
    std::array<std::uint32_t, (1u << MaxBits)> table;

    constexpr std::uint32_t Mask() const { return (1u << tableBits) - 1u; }

    // Builds the canonical code of RFC 1951 from code lengths (one per symbol, 0 for unused),
    // with a table at most maxTableBits wide. False, with the tree unusable, when the lengths do
    // not form an acceptable code set.
    constexpr bool Build(std::span<const std::uint8_t> lengths, CodeKind codeKind,
                         int maxTableBits = MaxBits) {
        kind = codeKind;
        count = {};
        for (std::uint8_t len : lengths) {
            if (len > MaxBits) return false;
            ++count[len];
        }
        count[0] = 0;
        longest = 0;
        for (int len = MaxBits; len >= 1; --len) {
            if (count[len] != 0) {
                longest = len;
                break;
            }
        }
        // Count the code space: over-subscribed sets can never be decoded unambiguously.
        std::int32_t left = 1;
        for (int len = 1; len <= MaxBits; ++len) {
            left = left * 2 - count[len];
            if (left < 0) return false;
        }
        const bool complete = left == 0;
        if (!complete && longest != 0 && (kind == CodeKind::CodeLengths || longest != 1))
            return false;

        std::uint32_t code = 0;
        std::uint16_t index = 0;
        for (int len = 1; len <= MaxBits; ++len) {
            firstCode[len] = static_cast<std::uint16_t>(code);
            firstIndex[len] = index;
            code = (code + count[len]) << 1;
            index = static_cast<std::uint16_t>(index + count[len]);
        }
        std::array<std::uint16_t, MaxBits + 1> next = firstIndex;
        for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol)
            if (lengths[symbol] != 0)
                sorted[next[lengths[symbol]]++] = static_cast<std::uint16_t>(symbol);

        slowDecodes = 0;
        tableBits = 0;
        table[0] = kNoCodeEntry;
        FillTo(std::min(longest, std::max(maxTableBits, 1)));
        return true;
    }

    // The entry of the code at the start of `bits` (least significant first), found by walking
    // the canonical code one bit at a time; kNoCodeEntry when no code starts there.
    constexpr std::uint32_t DecodeSlowly(std::uint64_t bits) const {
        std::uint32_t code = 0;
        for (int len = 1; len <= longest; ++len) {
            code |= static_cast<std::uint32_t>(bits & 1u);
            bits >>= 1;
            const std::uint32_t offset = code - firstCode[len];  // wraps when code is smaller
            if (offset < count[len]) {
                const std::uint16_t symbol = sorted[firstIndex[len] + offset];
                return MakeTreeEntry(symbol, static_cast<std::uint32_t>(len),
                                     ExtraBitsOf(kind, symbol));
            }
            code <<= 1;
        }
        return kNoCodeEntry;
    }

    // Called for each code the decoder had to decode slowly. Returns true when the table has
    // just been widened to the longest code, so the caller must take its mask again.
    constexpr bool NoteSlowDecode() {
        if (tableBits == longest) return false;
        // Widen after 2^(L-7) slow decodes (256 for 15 bits): each took a few dozen
        // instructions and more input bits than the table is wide, so the fill costs at most
        // 128 entries per such code, a bounded multiple of the input the block has consumed.
        if (++slowDecodes < (longest > 7 ? 1u << (longest - 7) : 1u)) return false;
        FillTo(longest);
        return true;
    }

private:
    // Widens the table from tableBits to `bits`: each step doubles it, so that every shorter
    // code repeats at each position whose low bits match it, then adds the codes of the new
    // length at their bit-reversed positions.
    constexpr void FillTo(int bits) {
        if (tableBits == 0 && bits >= 1) {
            table[1] = kNoCodeEntry;
            PlaceCodes(1);
            tableBits = 1;
        }
        for (int len = tableBits + 1; len <= bits; ++len) {
            std::copy_n(table.begin(), 1u << (len - 1), table.begin() + (1u << (len - 1)));
            PlaceCodes(len);
        }
        tableBits = std::max(tableBits, bits);
    }

    constexpr void PlaceCodes(int len) {
        for (std::uint32_t n = 0; n < count[len]; ++n) {
            const std::uint32_t code = firstCode[len] + n;
            const std::uint16_t symbol = sorted[firstIndex[len] + n];
            const std::uint32_t reversed =
                ((kReversedBytes[code & 0xFFu] << 8) | kReversedBytes[code >> 8]) >> (16 - len);
            table[reversed] =
                MakeTreeEntry(symbol, static_cast<std::uint32_t>(len), ExtraBitsOf(kind, symbol));
        }
    }
};

using LiteralLengthTree = THuffmanTree<kMaxCodeBits>;
using DistanceTree = THuffmanTree<kMaxCodeBits>;
using CodeLengthTree = THuffmanTree<kMaxCodeLengthCodeBits>;

// The two fixed trees of block type 1, built at compile time: 9 and 5 bits long.
struct FixedTrees {
    THuffmanTree<9> literalLength;
    THuffmanTree<5> distance;
};
const FixedTrees& GetFixedTrees();

}  // namespace zelkova
