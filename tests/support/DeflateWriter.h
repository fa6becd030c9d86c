#pragma once
// A small Deflate writer for building test streams by hand and for skin files written without
// zlib (portable C++, usable by the Win32 tests too). Not a good compressor: a plain one.
#include <cstdint>
#include <span>
#include <vector>

namespace zelkova::testing {

// Bits least significant first, as Deflate packs them.
class BitWriter {
public:
    void Put(std::uint64_t value, unsigned count);  // count up to 64
    // A Huffman code, whose bits go most significant first.
    void PutCode(std::uint32_t code, unsigned length);
    void AlignToByte();
    void PutByte(std::uint8_t byte) { Put(byte, 8); }
    std::vector<std::uint8_t> Finish();

private:
    std::vector<std::uint8_t> bytes_;
    std::uint32_t pending_ = 0;
    unsigned pendingBits_ = 0;
};

// The canonical codes of RFC 1951 for the given code lengths.
std::vector<std::uint32_t> CanonicalCodes(std::span<const std::uint8_t> lengths);

// Writes one block header: BFINAL and BTYPE.
void PutBlockHeader(BitWriter& bits, bool final, unsigned type);

// A stored block (at most 65535 bytes), its length and one's complement included.
void PutStoredBlock(BitWriter& bits, bool final, std::span<const std::uint8_t> data);

// Symbols with the fixed codes of block type 1.
void PutFixedLiteral(BitWriter& bits, unsigned symbol);  // 0-287, end of block is 256
// A match of length 3-258 at distance 1-32768, fixed codes.
void PutFixedMatch(BitWriter& bits, unsigned length, unsigned distance);

// The header of a dynamic block (after BFINAL/BTYPE) for the given literal/length and distance
// code lengths, each written plainly with a complete 4/5-bit code-length code.
void PutDynamicHeader(BitWriter& bits, std::span<const std::uint8_t> literalLengths,
                      std::span<const std::uint8_t> distanceLengths);

// A whole stream of stored blocks (one empty final block for empty data).
std::vector<std::uint8_t> StoredDeflate(std::span<const std::uint8_t> data);

// A whole stream of fixed-code blocks with greedy matches: small and fast to write.
std::vector<std::uint8_t> FixedDeflate(std::span<const std::uint8_t> data);

}  // namespace zelkova::testing
