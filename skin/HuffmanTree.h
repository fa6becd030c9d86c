#pragma once
// Single-level Huffman decoding tables for Deflate. A tree whose longest code is L bits has 2^L
// entries; the low L bits of the bit stream, least significant first, index it directly. Each
// 32-bit entry packs the symbol (bits 0-15), the code length (bits 16-23) and the number of
// extra bits the symbol takes (bits 24-31). An entry with code length 0 marks a position that
// no code reaches: decoding it is an error, which is how incomplete code sets fail safely.
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
    0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

constexpr std::uint32_t ExtraBitsOf(CodeKind kind, std::uint32_t symbol) {
    if (kind == CodeKind::LiteralLength && symbol >= 257 && symbol < 257 + kLengthExtraBits.size())
        return kLengthExtraBits[symbol - 257];
    if (kind == CodeKind::Distance && symbol < kDistanceExtraBits.size())
        return kDistanceExtraBits[symbol];
    return 0;
}

// What the decoder needs of a built tree.
struct HuffmanTableView {
    const std::uint32_t* entries = nullptr;
    std::uint32_t mask = 0;  // 2^L - 1
    int longest = 0;         // L
};

// One decoding table with room for codes of up to MaxBits bits.
template <int MaxBits>
struct THuffmanTree {
    static constexpr int kMaxLength = MaxBits;
    int longest = 0;
    std::array<std::uint32_t, (1u << MaxBits)> table{};

    constexpr HuffmanTableView View() const {
        return {table.data(), (1u << longest) - 1u, longest};
    }

    // Builds the canonical code of RFC 1951 from code lengths (one per symbol, 0 for unused).
    // False, with the tree unusable, when the lengths do not form an acceptable code set.
    constexpr bool Build(std::span<const std::uint8_t> lengths, CodeKind kind) {
        std::array<std::uint16_t, MaxBits + 1> count{};
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

        // Symbols sorted by code length, then by value: the canonical order.
        std::array<std::uint16_t, MaxBits + 2> offset{};
        for (int len = 1; len <= MaxBits; ++len) offset[len + 1] = offset[len] + count[len];
        std::array<std::uint16_t, kLiteralLengthSymbols> sorted{};
        for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol)
            if (lengths[symbol] != 0) sorted[offset[lengths[symbol]]++] = static_cast<std::uint16_t>(symbol);

        // Fill the table for codes of length 1, then double it and add the next length, so
        // that every shorter code is repeated at each position whose low bits match it.
        table[0] = 0;
        table[1] = 0;
        std::uint32_t code = 0;  // canonical code, counted up most significant bit first
        std::size_t next = 0;
        for (int len = 1; len <= longest; ++len) {
            if (len > 1) std::copy_n(table.begin(), 1u << (len - 1), table.begin() + (1u << (len - 1)));
            for (int n = 0; n < count[len]; ++n, ++code) {
                const std::uint16_t symbol = sorted[next++];
                std::uint32_t reversed = 0;
                for (int bit = 0; bit < len; ++bit) reversed |= ((code >> bit) & 1u) << (len - 1 - bit);
                table[reversed] = MakeTreeEntry(symbol, static_cast<std::uint32_t>(len),
                                                ExtraBitsOf(kind, symbol));
            }
            code <<= 1;
        }
        return true;
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
