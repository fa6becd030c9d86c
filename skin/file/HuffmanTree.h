#pragma once
// Single-level Huffman decoding tables for Deflate. A table is T bits wide, a constant of its
// type, and has 2^T entries; the low T bits of the bit stream, least significant first, index it
// directly, and one lookup gives everything needed to finish a symbol whose code is at most T
// bits long (see the entry layout below). A width known to the compiler makes the index mask an
// immediate operand, and a table that size stays in the first-level cache.
//
// Codes longer than T bits are rare (a code of L bits stands for about 2^-L of the symbols) and
// are found by walking the canonical code from T + 1 bits on. Codes shorter than T bits repeat
// at every position whose low bits match them, so a short code set still fills the whole table.
//
// Entry layout, 32 bits:
//   bits 0-7    bits the symbol takes from the stream: its code plus the extra bits after it
//               (at most 15 + 13; bits 6 and 7 are always 0, so the entry itself can be a shift)
//   bits 8-11   the code's length, 1-15; 0 where no code of at most T bits starts
//   bit  14     end of block (with bit 15)
//   bit  15     exceptional: end of block, a symbol outside the alphabet (286, 287; distances 30
//               and 31), or no code here (kNoCodeEntry: a longer code starts here, or nothing)
//   bits 16-30  the value: a literal's byte, a length's or a distance's base, or the symbol of
//               the code-length alphabet (0-18)
//   bit  31     a literal (literal/length alphabet only)
// The number of extra bits is bits 0-7 less the code length; the extra bits' value is added to
// the base. So an entry holds what the symbol, its code length and its extra-bit count say,
// with the symbol's base already looked up.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

namespace zelkova {

inline constexpr int kMaxCodeBits = 15;           // literal/length and distance codes
inline constexpr int kMaxCodeLengthCodeBits = 7;  // the code-length alphabet
inline constexpr int kLiteralLengthSymbols = 288;
inline constexpr int kDistanceSymbols = 32;
inline constexpr int kCodeLengthSymbols = 19;

// Which rules a code set must meet, and what its symbols mean. Over-subscribed sets are always
// refused. Incomplete sets are refused too, except what RFC 1951 and zlib accept: a
// literal/length or distance code with a single one-bit code, and a code with no codes at all
// (any use of it fails).
enum class CodeKind : std::uint8_t { CodeLengths, LiteralLength, Distance };

inline constexpr std::uint32_t kLiteralFlag = 0x80000000u;
inline constexpr std::uint32_t kExceptionalFlag = 0x8000u;
inline constexpr std::uint32_t kEndOfBlockFlag = 0x4000u;

// A position no code of at most the table's width reaches.
inline constexpr std::uint32_t kNoCodeEntry = kExceptionalFlag;

constexpr std::uint32_t EntryBits(std::uint32_t entry) { return entry & 0xFFu; }
constexpr std::uint32_t EntryCodeLength(std::uint32_t entry) { return (entry >> 8) & 0xFu; }
constexpr std::uint32_t EntryExtraBits(std::uint32_t entry) {
    return EntryBits(entry) - EntryCodeLength(entry);
}
constexpr std::uint32_t EntryValue(std::uint32_t entry) { return (entry >> 16) & 0x7FFFu; }
constexpr bool IsLiteral(std::uint32_t entry) { return (entry & kLiteralFlag) != 0; }
constexpr bool IsExceptional(std::uint32_t entry) { return (entry & kExceptionalFlag) != 0; }
constexpr bool IsEndOfBlock(std::uint32_t entry) { return (entry & kEndOfBlockFlag) != 0; }

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

// A symbol's entry without its code: value, flags and extra-bit count.
constexpr std::uint32_t SymbolEntry(CodeKind kind, std::uint32_t symbol) {
    switch (kind) {
        case CodeKind::LiteralLength:
            if (symbol < 256) return kLiteralFlag | symbol << 16;
            if (symbol == 256) return kExceptionalFlag | kEndOfBlockFlag;
            if (symbol < 257 + kLengthBase.size())
                return std::uint32_t{kLengthBase[symbol - 257]} << 16 |
                       kLengthExtraBits[symbol - 257];
            return kExceptionalFlag;
        case CodeKind::Distance:
            if (symbol < kDistanceBase.size())
                return std::uint32_t{kDistanceBase[symbol]} << 16 | kDistanceExtraBits[symbol];
            return kExceptionalFlag;
        case CodeKind::CodeLengths: break;
    }
    // Repeat codes: 16 takes 2 extra bits, 17 takes 3, 18 takes 7.
    constexpr std::uint8_t kRepeatExtraBits[3] = {2, 3, 7};
    return symbol << 16 | (symbol >= 16 ? kRepeatExtraBits[symbol - 16] : 0u);
}

// The entry of a symbol of the given kind whose code is `length` bits long.
constexpr std::uint32_t MakeTreeEntry(CodeKind kind, std::uint32_t symbol, std::uint32_t length) {
    return SymbolEntry(kind, symbol) + length * 0x101u;
}

// Each kind's symbol entries, so that building a table looks them up instead of working them out.
template <CodeKind Kind, int Count>
inline constexpr std::array<std::uint32_t, Count> kSymbolEntries = [] {
    std::array<std::uint32_t, Count> entries{};
    for (int s = 0; s < Count; ++s) entries[s] = SymbolEntry(Kind, static_cast<std::uint32_t>(s));
    return entries;
}();

constexpr std::span<const std::uint32_t> SymbolEntries(CodeKind kind) {
    switch (kind) {
        case CodeKind::LiteralLength:
            return kSymbolEntries<CodeKind::LiteralLength, kLiteralLengthSymbols>;
        case CodeKind::Distance: return kSymbolEntries<CodeKind::Distance, kDistanceSymbols>;
        case CodeKind::CodeLengths: break;
    }
    return kSymbolEntries<CodeKind::CodeLengths, kCodeLengthSymbols>;
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

// The low `length` bits of `code` in reverse order (length at most 16).
constexpr std::uint32_t ReverseCode(std::uint32_t code, int length) {
    return ((std::uint32_t{kReversedBytes[code & 0xFFu]} << 8) |
            kReversedBytes[(code >> 8) & 0xFFu]) >>
           (16 - length);
}

// One decoding table, TableBits wide, for codes of up to MaxBits bits.
template <int MaxBits, int TableBits = MaxBits>
struct THuffmanTree {
    static_assert(TableBits >= 1 && TableBits <= MaxBits);
    static constexpr int kMaxLength = MaxBits;
    static constexpr std::uint32_t kMask = (1u << TableBits) - 1u;
    int longest = 0;  // L, the longest code present
    // The canonical code, kept for decoding codes longer than the table.
    static constexpr std::size_t kCounts = std::bit_ceil(std::size_t{MaxBits + 1});
    std::array<std::uint16_t, kCounts> count{};
    std::array<std::uint16_t, MaxBits + 1> firstCode{};   // first code of each length
    std::array<std::uint16_t, MaxBits + 1> firstIndex{};  // its entry's place in `sorted`
    // Written before they are read: left uninitialised, so that making a tree costs nothing.
    std::array<std::uint32_t, kLiteralLengthSymbols> sorted;  // entries by code length, then symbol
    std::array<std::uint32_t, (1u << TableBits)> table;

    // Builds the canonical code of RFC 1951 from code lengths (one per symbol, 0 for unused).
    // False, with the tree unusable, when the lengths do not form an acceptable code set.
    constexpr bool Build(std::span<const std::uint8_t> lengths, CodeKind kind) {
        const std::span<const std::uint32_t> symbolEntries = SymbolEntries(kind);
        if (lengths.size() > symbolEntries.size()) return false;
        // Lengths are checked once, by their maximum; until then a count is indexed by the
        // length's low bits, which stay inside the (power-of-two sized) counts.
        count = {};
        std::uint32_t top = 0;
        ForEachLength(lengths, [&](std::size_t symbol) {
            const std::uint32_t len = lengths[symbol];
            top = std::max(top, len);
            ++count[len & (kCounts - 1)];
        });
        if (top > MaxBits) return false;
        count[0] = 0;
        longest = static_cast<int>(top);
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
        // Unused symbols are put past the used ones, where nothing reads them: no branch on
        // the length.
        std::array<std::uint16_t, MaxBits + 1> next = firstIndex;
        next[0] = index;
        ForEachLength(lengths, [&](std::size_t symbol) {
            const std::uint32_t len = lengths[symbol];
            sorted[next[len]++] = symbolEntries[symbol] + len * 0x101u;
        });
        Fill();
        return true;
    }

    // The entry of the code at the start of `bits` (least significant first), for a position
    // whose table entry holds no code: a code longer than the table is found by walking the
    // canonical code past the table's width; kNoCodeEntry when no code starts there.
    constexpr std::uint32_t DecodeSlowly(std::uint64_t bits) const {
        std::uint32_t code = ReverseCode(static_cast<std::uint32_t>(bits & kMask), TableBits);
        bits >>= TableBits;
        for (int len = TableBits + 1; len <= longest; ++len) {
            code = code << 1 | static_cast<std::uint32_t>(bits & 1u);
            bits >>= 1;
            const std::uint32_t offset = code - firstCode[len];  // wraps when code is smaller
            if (offset < count[len]) return sorted[firstIndex[len] + offset];
        }
        return kNoCodeEntry;
    }

private:
    // Calls visit(i) for each i of `lengths`, except some whose length is 0: a small block's
    // lengths are mostly 0, and eight of them at once are skipped.
    template <class Visit>
    static constexpr void ForEachLength(std::span<const std::uint8_t> lengths, Visit visit) {
        const std::size_t size = lengths.size();
        std::size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word = 0;
            if (std::is_constant_evaluated()) {
                for (int k = 0; k < 8; ++k) word |= lengths[i + k];
            } else {
                std::memcpy(&word, lengths.data() + i, sizeof word);
            }
            if (word == 0) continue;
            for (std::size_t k = 0; k < 8; ++k) visit(i + k);
        }
        for (; i < size; ++i) visit(i);
    }

    // Fills the table one bit of width at a time: each step doubles it, so that every shorter
    // code repeats at each position whose low bits match it, then adds the codes of the new
    // length at their bit-reversed positions.
    constexpr void Fill() {
        table[0] = kNoCodeEntry;
        table[1] = kNoCodeEntry;
        PlaceCodes(1);
        for (int len = 2; len <= TableBits; ++len) {
            std::copy_n(table.begin(), 1u << (len - 1), table.begin() + (1u << (len - 1)));
            PlaceCodes(len);
        }
    }

    constexpr void PlaceCodes(int len) {
        const std::uint32_t first = firstCode[len];
        const std::uint32_t* const entries = sorted.data() + firstIndex[len];
        // len is at most TableBits, so the mask changes no position; it states the table's
        // bound where the compiler sees it (which also keeps GCC from folding the function of
        // one width into another's and then warning about that one's bound).
        for (std::uint32_t n = 0; n < count[len]; ++n)
            table[ReverseCode(first + n, len) & kMask] = entries[n];
    }
};

// Table widths: 11 bits hold every literal/length code of most blocks (8 KB of entries); the
// 30 distance codes are fewer and shorter, and 8 bits (1 KB) hold nearly all of them. Wider
// tables cost more to fill for each block than their rarer slow decodes save (measured with
// bench/inflate_bench: 10 and 12 bits for literals, 10 for distances).
inline constexpr int kLiteralLengthTableBits = 11;
inline constexpr int kDistanceTableBits = 8;

using LiteralLengthTree = THuffmanTree<kMaxCodeBits, kLiteralLengthTableBits>;
using DistanceTree = THuffmanTree<kMaxCodeBits, kDistanceTableBits>;
using CodeLengthTree = THuffmanTree<kMaxCodeLengthCodeBits>;

// The two trees a Huffman block is decoded with. Fixed and dynamic blocks use the same types,
// so one decoding loop serves both.
struct BlockTrees {
    LiteralLengthTree literalLength;
    DistanceTree distance;
};

// The fixed trees of block type 1 (codes of 9 and 5 bits), built at compile time.
const BlockTrees& GetFixedTrees();

}  // namespace zelkova
