#include "skin/file/Inflate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "skin/file/HuffmanTree.h"
#include "support/DeflateWriter.h"

namespace zelkova {
namespace {

using testing::BitWriter;

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }
std::string Text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

struct Decoded {
    InflateStatus status;
    std::string text;
};

Decoded Decode(const std::vector<std::uint8_t>& stream, std::uint64_t limit = kNoOutputLimit) {
    std::vector<std::uint8_t> out;
    const InflateStatus status = InflateToVector(stream, out, limit);
    return {status, Text(out)};
}

// Literal/length lengths of a small complete dynamic code: literals 0-251 of 8 bits, 252-259 of
// 9 bits (end of block and lengths 3-5 among them), HLIT = 260.
// Decodes from a source that hands over one byte per read, so every symbol takes the careful
// path near the end of the input; fails the test unless the stream ends properly.
std::vector<std::uint8_t> DecodeByteByByte(std::span<const std::uint8_t> stream) {
    struct Trickle final : InflateSource {
        std::span<const std::uint8_t> rest;
        std::size_t Read(std::span<std::uint8_t> buffer) override {
            if (rest.empty() || buffer.empty()) return 0;
            buffer[0] = rest[0];
            rest = rest.subspan(1);
            return 1;
        }
    } source;
    source.rest = stream;
    MemorySink sink;
    EXPECT_EQ(Inflate(source, sink), InflateStatus::Done);
    return sink.Bytes();
}

std::vector<std::uint8_t> SmallLiteralLengths() {
    std::vector<std::uint8_t> lengths(260, 8);
    for (unsigned s = 252; s < 260; ++s) lengths[s] = 9;
    return lengths;
}

TEST(HuffmanTree, CompleteCodeRepeatsShortCodesAcrossTheTable) {
    THuffmanTree<15> tree;
    const std::uint8_t lengths[] = {1, 2, 2};
    ASSERT_TRUE(tree.Build(lengths, CodeKind::CodeLengths));
    EXPECT_EQ(tree.longest, 2);
    // Codes 0, 10, 11; the table is indexed by the bit-reversed code.
    EXPECT_EQ(tree.table[0], MakeTreeEntry(CodeKind::CodeLengths, 0, 1));
    EXPECT_EQ(tree.table[2], MakeTreeEntry(CodeKind::CodeLengths, 0, 1));
    EXPECT_EQ(tree.table[1], MakeTreeEntry(CodeKind::CodeLengths, 1, 2));
    EXPECT_EQ(tree.table[3], MakeTreeEntry(CodeKind::CodeLengths, 2, 2));
}

TEST(HuffmanTree, LengthAndDistanceEntriesCarryTheirExtraBits) {
    const BlockTrees& fixed = GetFixedTrees();
    EXPECT_EQ(fixed.literalLength.longest, 9);
    EXPECT_EQ(fixed.distance.longest, 5);
    // Fixed code of symbol 265 (length 11-12, one extra bit) is 0001001, seven bits.
    std::uint32_t reversed = 0;
    for (int bit = 0; bit < 7; ++bit) reversed |= ((0x09u >> bit) & 1u) << (6 - bit);
    const std::uint32_t length = fixed.literalLength.table[reversed];
    EXPECT_EQ(length, MakeTreeEntry(CodeKind::LiteralLength, 265, 7));
    EXPECT_EQ(EntryValue(length), 11u);
    EXPECT_EQ(EntryCodeLength(length), 7u);
    EXPECT_EQ(EntryExtraBits(length), 1u);
    // Distance code 29 is 11101; its entry takes 13 extra bits.
    const std::uint32_t distance = fixed.distance.table[0x17];
    EXPECT_EQ(distance, MakeTreeEntry(CodeKind::Distance, 29, 5));
    EXPECT_EQ(EntryValue(distance), 24577u);
    EXPECT_EQ(EntryCodeLength(distance), 5u);
    EXPECT_EQ(EntryExtraBits(distance), 13u);
}

TEST(HuffmanTree, RefusesOverSubscribedAndMostIncompleteSets) {
    THuffmanTree<15> tree;
    const std::uint8_t over[] = {1, 1, 1};
    EXPECT_FALSE(tree.Build(over, CodeKind::LiteralLength));
    const std::uint8_t incomplete[] = {2, 2, 2};
    EXPECT_FALSE(tree.Build(incomplete, CodeKind::LiteralLength));
    EXPECT_FALSE(tree.Build(incomplete, CodeKind::CodeLengths));
    // One code of one bit is how a single distance is written; no codes at all is allowed too.
    const std::uint8_t single[] = {0, 1, 0};
    EXPECT_TRUE(tree.Build(single, CodeKind::Distance));
    EXPECT_EQ(EntryCodeLength(tree.table[1]), 0u) << "the unused one-bit code must stay empty";
    EXPECT_FALSE(tree.Build(single, CodeKind::CodeLengths));
    const std::uint8_t none[] = {0, 0, 0};
    EXPECT_TRUE(tree.Build(none, CodeKind::Distance));
    EXPECT_EQ(EntryCodeLength(tree.table[0]), 0u);
    // A complete set, but of more symbols than the code-length alphabet has.
    const std::uint8_t tooMany[20] = {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5};
    EXPECT_TRUE(tree.Build(tooMany, CodeKind::LiteralLength));
    EXPECT_FALSE(tree.Build(tooMany, CodeKind::CodeLengths));
}

// A complete code whose longest codes are 15 bits: lengths 1-13 for 'a'-'m', 14 for the match
// length 3 (symbol 257), 15 for 'o' and the end of block.
std::vector<std::uint8_t> DeepLiteralLengths() {
    std::vector<std::uint8_t> lengths(258, 0);
    for (unsigned i = 0; i < 13; ++i) lengths['a' + i] = static_cast<std::uint8_t>(i + 1);
    lengths[257] = 14;
    lengths['o'] = 15;
    lengths[256] = 15;
    return lengths;
}

TEST(HuffmanTree, NarrowTableDecodesLongerCodesSlowly) {
    const std::vector<std::uint8_t> lengths = DeepLiteralLengths();
    THuffmanTree<15> full;
    ASSERT_TRUE(full.Build(lengths, CodeKind::LiteralLength));
    THuffmanTree<15, 11> narrow;
    ASSERT_TRUE(narrow.Build(lengths, CodeKind::LiteralLength));
    EXPECT_EQ(narrow.longest, 15);
    // Every position reads as in the full table, through the narrow table or the slow decoder.
    for (std::uint32_t bits = 0; bits < (1u << 15); ++bits) {
        std::uint32_t entry = narrow.table[bits & narrow.kMask];
        if (EntryCodeLength(entry) == 0) entry = narrow.DecodeSlowly(bits);
        ASSERT_EQ(entry, full.table[bits]) << bits;
    }
    // A table wider than the longest code repeats the codes across it.
    const auto shallow = std::make_unique<THuffmanTree<15, 11>>();
    ASSERT_TRUE(shallow->Build(SmallLiteralLengths(), CodeKind::LiteralLength));
    const auto exact = std::make_unique<THuffmanTree<15, 9>>();
    ASSERT_TRUE(exact->Build(SmallLiteralLengths(), CodeKind::LiteralLength));
    for (std::uint32_t bits = 0; bits < (1u << 11); ++bits)
        ASSERT_EQ(shallow->table[bits], exact->table[bits & exact->kMask]) << bits;
}

TEST(Inflate, StoredFixedAndDynamicBlocksConcatenate) {
    BitWriter bits;
    testing::PutStoredBlock(bits, false, Bytes("stored, "));

    testing::PutBlockHeader(bits, false, 1);
    for (char c : std::string_view("fixed ab")) testing::PutFixedLiteral(bits, static_cast<std::uint8_t>(c));
    testing::PutFixedMatch(bits, 5, 2);  // "ababa": overlaps what it copies
    testing::PutFixedLiteral(bits, 256);

    const std::vector<std::uint8_t> literal = SmallLiteralLengths();
    const std::vector<std::uint8_t> distance = {1, 1};  // distances 1 and 2
    testing::PutBlockHeader(bits, true, 2);
    testing::PutDynamicHeader(bits, literal, distance);
    const std::vector<std::uint32_t> codes = testing::CanonicalCodes(literal);
    for (char c : std::string_view(", dyn!")) bits.PutCode(codes[static_cast<std::uint8_t>(c)], 8);
    bits.PutCode(codes[259], 9);  // length 5 ...
    bits.PutCode(0, 1);           // ... at distance 1: "!!!!!"
    bits.PutCode(codes[256], 9);
    const Decoded d = Decode(bits.Finish());
    EXPECT_EQ(d.status, InflateStatus::Done);
    EXPECT_EQ(d.text, "stored, fixed abababa, dyn!!!!!!");
}

TEST(Inflate, OverlappingCopiesRepeatTheirSource) {
    // Every way a copy is made: short periods, word and 16-byte steps, lengths within and past
    // the first unconditional steps and a loop pass; by both builds of the inner loop.
    for (unsigned distance = 1; distance <= 50; ++distance) {
        for (unsigned length : {3u, 32u, 33u, 64u, 65u, 100u, 258u}) {
            BitWriter bits;
            testing::PutBlockHeader(bits, true, 1);
            std::string expected;
            for (unsigned i = 0; i < distance; ++i) {
                const char c = static_cast<char>('a' + i % 26 + i / 26);
                testing::PutFixedLiteral(bits, static_cast<std::uint8_t>(c));
                expected += c;
            }
            testing::PutFixedMatch(bits, length, distance);
            for (unsigned i = 0; i < length; ++i) expected += expected[i];
            testing::PutFixedLiteral(bits, 256);
            const std::vector<std::uint8_t> stream = bits.Finish();
            for (InflateLoop loop : {InflateLoop::Best, InflateLoop::Portable}) {
                std::vector<std::uint8_t> out;
                EXPECT_EQ(InflateToVector(stream, out, kNoOutputLimit, loop), InflateStatus::Done);
                EXPECT_EQ(Text(out), expected) << "distance " << distance << " length " << length;
            }
        }
    }
}

TEST(Inflate, InflateToVectorReplacesWhatTheVectorHeld) {
    std::vector<std::uint8_t> data(150000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i % 251 ^ i / 4000);
    const std::vector<std::uint8_t> stream = testing::FixedDeflate(data);
    std::vector<std::uint8_t> out(400000, 'x');
    ASSERT_EQ(InflateToVector(stream, out), InflateStatus::Done);
    EXPECT_EQ(out, data);
    out.assign(10, 'x');
    out.reserve(150100);  // capacity just short of the output and its slack
    ASSERT_EQ(InflateToVector(stream, out), InflateStatus::Done);
    EXPECT_EQ(out, data);
    ASSERT_EQ(InflateToVector(testing::FixedDeflate(Bytes("abc")), out), InflateStatus::Done);
    EXPECT_EQ(Text(out), "abc");
}

TEST(Inflate, LongStoredStreamsPassThroughTheWindow) {
    std::vector<std::uint8_t> data(300000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    std::vector<std::uint8_t> out;
    ASSERT_EQ(InflateToVector(testing::StoredDeflate(data), out), InflateStatus::Done);
    EXPECT_EQ(out, data);
    ASSERT_EQ(InflateToVector(testing::FixedDeflate(data), out), InflateStatus::Done);
    EXPECT_EQ(out, data);
}

TEST(Inflate, StoredLengthComplementIsNotChecked) {
    std::vector<std::uint8_t> stream = testing::StoredDeflate(Bytes("abc"));
    stream[3] ^= 0xFF;  // the complement's low byte
    EXPECT_EQ(Decode(stream).status, InflateStatus::Done);
    EXPECT_EQ(Decode(stream).text, "abc");
}

TEST(Inflate, BackReferenceBeforeTheFirstByteIsMalformed) {
    BitWriter bits;
    testing::PutBlockHeader(bits, true, 1);
    testing::PutFixedLiteral(bits, 'x');
    testing::PutFixedLiteral(bits, 'y');
    testing::PutFixedMatch(bits, 3, 3);
    testing::PutFixedLiteral(bits, 256);
    EXPECT_EQ(Decode(bits.Finish()).status, InflateStatus::Malformed);

    // At the very start nothing at all may be copied.
    BitWriter first;
    testing::PutBlockHeader(first, true, 1);
    testing::PutFixedMatch(first, 3, 1);
    testing::PutFixedLiteral(first, 256);
    EXPECT_EQ(Decode(first.Finish()).status, InflateStatus::Malformed);
}

TEST(Inflate, SymbolsOutsideTheAlphabetsAreMalformed) {
    for (unsigned symbol : {286u, 287u}) {
        BitWriter bits;
        testing::PutBlockHeader(bits, true, 1);
        testing::PutFixedLiteral(bits, 'a');
        testing::PutFixedLiteral(bits, symbol);
        bits.Put(0, 16);
        testing::PutFixedLiteral(bits, 256);
        EXPECT_EQ(Decode(bits.Finish()).status, InflateStatus::Malformed) << symbol;
    }
    for (unsigned code : {30u, 31u}) {
        BitWriter bits;
        testing::PutBlockHeader(bits, true, 1);
        testing::PutFixedLiteral(bits, 'a');
        testing::PutFixedLiteral(bits, 257);
        bits.PutCode(code, 5);
        bits.Put(0, 16);
        testing::PutFixedLiteral(bits, 256);
        EXPECT_EQ(Decode(bits.Finish()).status, InflateStatus::Malformed) << code;
    }
}

// A dynamic final block with the given lengths and a body of raw bits.
std::vector<std::uint8_t> DynamicBlock(std::span<const std::uint8_t> literal,
                                       std::span<const std::uint8_t> distance,
                                       const std::function<void(BitWriter&)>& body) {
    BitWriter bits;
    testing::PutBlockHeader(bits, true, 2);
    testing::PutDynamicHeader(bits, literal, distance);
    body(bits);
    bits.Put(0, 32);
    return bits.Finish();
}

TEST(Inflate, DynamicCodeSetsFollowTheRfc) {
    const std::vector<std::uint8_t> literal = SmallLiteralLengths();
    const std::vector<std::uint32_t> codes = testing::CanonicalCodes(literal);
    const std::vector<std::uint8_t> single = {0, 1};  // only distance 2, as code 0

    const auto copyAtDistance2 = [&](BitWriter& bits) {
        bits.PutCode(codes['h'], 8);
        bits.PutCode(codes['o'], 8);
        bits.PutCode(codes[257], 9);
        bits.PutCode(0, 1);
        bits.PutCode(codes[256], 9);
    };
    Decoded d = Decode(DynamicBlock(literal, single, copyAtDistance2));
    EXPECT_EQ(d.status, InflateStatus::Done);
    EXPECT_EQ(d.text, "hohoh");

    // The unused second one-bit code falls on an empty table position.
    const auto unusedCode = [&](BitWriter& bits) {
        bits.PutCode(codes['h'], 8);
        bits.PutCode(codes['o'], 8);
        bits.PutCode(codes[257], 9);
        bits.PutCode(1, 1);
        bits.PutCode(codes[256], 9);
    };
    EXPECT_EQ(Decode(DynamicBlock(literal, single, unusedCode)).status, InflateStatus::Malformed);

    // No distance codes at all: a block of literals is fine, a copy is not.
    const std::vector<std::uint8_t> none = {0};
    const auto literalsOnly = [&](BitWriter& bits) {
        bits.PutCode(codes['k'], 8);
        bits.PutCode(codes[256], 9);
    };
    d = Decode(DynamicBlock(literal, none, literalsOnly));
    EXPECT_EQ(d.status, InflateStatus::Done);
    EXPECT_EQ(d.text, "k");
    EXPECT_EQ(Decode(DynamicBlock(literal, none, copyAtDistance2)).status, InflateStatus::Malformed);

    std::vector<std::uint8_t> overSubscribed = literal;
    overSubscribed[10] = 7;
    EXPECT_EQ(Decode(DynamicBlock(overSubscribed, single, literalsOnly)).status,
              InflateStatus::Malformed);
    std::vector<std::uint8_t> incomplete = literal;
    incomplete[10] = 9;
    EXPECT_EQ(Decode(DynamicBlock(incomplete, single, literalsOnly)).status,
              InflateStatus::Malformed);
    const std::vector<std::uint8_t> incompleteDistances = {2, 2, 2};
    EXPECT_EQ(Decode(DynamicBlock(literal, incompleteDistances, literalsOnly)).status,
              InflateStatus::Malformed);

    std::vector<std::uint8_t> noEndOfBlock(260, 0);
    for (unsigned s = 0; s < 256; ++s) noEndOfBlock[s] = 8;
    EXPECT_EQ(Decode(DynamicBlock(noEndOfBlock, single, literalsOnly)).status,
              InflateStatus::Malformed);
}

TEST(Inflate, CodesLongerThanTheTablesDecodeAmongShortOnes) {
    // Distances 1 and 2 take 15 bits, distance codes 2-15 take 1-14.
    std::vector<std::uint8_t> distance(16);
    distance[0] = distance[1] = 15;
    for (unsigned code = 2; code < 16; ++code) distance[code] = static_cast<std::uint8_t>(code - 1);
    const std::vector<std::uint8_t> literal = DeepLiteralLengths();
    const std::vector<std::uint32_t> codes = testing::CanonicalCodes(literal);
    const std::vector<std::uint32_t> distanceCodes = testing::CanonicalCodes(distance);
    std::string expected;
    // Long and short codes in turn, in a block long enough for the fast loop.
    const auto body = [&](BitWriter& bits) {
        for (int i = 0; i < 400; ++i) {
            bits.PutCode(codes['o'], 15);
            bits.PutCode(codes['a'], 1);
            bits.PutCode(codes[257], 14);  // length 3 ...
            bits.PutCode(distanceCodes[0], 15);  // ... at distance 1
            bits.PutCode(codes['m'], 13);
            expected += "oaaaam";
        }
        bits.PutCode(codes[256], 15);
    };
    const std::vector<std::uint8_t> stream = DynamicBlock(literal, distance, body);
    const Decoded d = Decode(stream);
    EXPECT_EQ(d.status, InflateStatus::Done);
    EXPECT_EQ(d.text, expected);

    // Through the window, one byte at a time: every symbol takes the careful path.
    const std::vector<std::uint8_t> trickled = DecodeByteByByte(stream);
    EXPECT_EQ(Text(trickled), expected);
}

// Passes of the fast loop that take the most bits they can: none, one or two literals of the
// table's width, then a match whose length code and distance code are each as long as they
// come, with all their extra bits, or whose codes just fit the tables.
TEST(Inflate, MatchesWithTheLongestCodesAfterLiteralsDecode) {
    std::vector<std::uint8_t> literal(285, 0);
    for (unsigned i = 0; i < 8; ++i) literal['a' + i] = static_cast<std::uint8_t>(i + 1);
    literal[283] = 9;  // lengths 195-226, 5 extra bits
    literal['x'] = literal['y'] = literal['j'] = 11;
    literal['k'] = 12;
    literal['l'] = 13;
    literal['m'] = 14;
    literal[284] = literal[256] = 15;  // lengths 227-257, 5 extra bits
    std::vector<std::uint8_t> distance(30, 0);
    for (unsigned code = 0; code < 7; ++code) distance[code] = static_cast<std::uint8_t>(code + 1);
    distance[28] = 8;  // distances 16385-24576, 13 extra bits
    for (unsigned code = 7; code < 13; ++code) distance[code] = static_cast<std::uint8_t>(code + 2);
    distance[13] = distance[29] = 15;  // 29: distances 24577-32768, 13 extra bits
    const std::vector<std::uint32_t> codes = testing::CanonicalCodes(literal);
    const std::vector<std::uint32_t> distanceCodes = testing::CanonicalCodes(distance);

    std::string expected;
    const auto match = [&](BitWriter& bits, std::string_view literals, unsigned symbol,
                           unsigned distanceSymbol) {
        for (const char c : literals) bits.PutCode(codes[static_cast<std::uint8_t>(c)], 11);
        expected += literals;
        bits.PutCode(codes[symbol], literal[symbol]);
        const unsigned lengthExtra = symbol == 283 ? 31 : 30;
        bits.Put(lengthExtra, 5);
        bits.PutCode(distanceCodes[distanceSymbol], distance[distanceSymbol]);
        bits.Put(8191, 13);
        const std::size_t length = (symbol == 283 ? 195 : 227) + lengthExtra;
        const std::size_t back = (distanceSymbol == 28 ? 16385 : 24577) + 8191;
        for (std::size_t i = 0; i < length; ++i) expected += expected[expected.size() - back];
    };
    const auto body = [&](BitWriter& bits) {
        for (int i = 0; i < 33000; ++i) {
            const char c = "abcdefgh"[i % 8];
            bits.PutCode(codes[static_cast<std::uint8_t>(c)], literal[static_cast<std::uint8_t>(c)]);
            expected += c;
        }
        for (int i = 0; i < 100; ++i) {
            for (const std::string_view literals : {"xy", "x", ""}) {
                match(bits, literals, 283, 28);
                match(bits, literals, 284, 29);
            }
        }
        bits.PutCode(codes[256], 15);
    };
    const std::vector<std::uint8_t> stream = DynamicBlock(literal, distance, body);
    const Decoded d = Decode(stream);
    EXPECT_EQ(d.status, InflateStatus::Done);
    EXPECT_TRUE(d.text == expected) << "decoded " << d.text.size() << " of " << expected.size();
    EXPECT_TRUE(Text(DecodeByteByByte(stream)) == expected);
}

TEST(Inflate, MalformedDynamicHeadersAreRefused) {
    // HLIT of 287 and 288, HDIST of 31 and 32.
    for (auto [hlit, hdist] : {std::pair{30u, 0u}, {31u, 0u}, {0u, 30u}, {0u, 31u}}) {
        BitWriter bits;
        testing::PutBlockHeader(bits, true, 2);
        bits.Put(hlit, 5);
        bits.Put(hdist, 5);
        bits.Put(15, 4);
        for (int i = 0; i < 19; ++i) bits.Put(i < 13 ? 4 : 5, 3);
        bits.Put(0, 32);
        EXPECT_EQ(Decode(bits.Finish()).status, InflateStatus::Malformed) << hlit << "/" << hdist;
    }

    // Code-length symbols written with the code PutDynamicHeader uses: 4 bits for 0-12, 5 for
    // 13-18 (16 is 11011, 17 is 11100, 18 is 11101).
    const auto header = [](BitWriter& bits) {
        testing::PutBlockHeader(bits, true, 2);
        bits.Put(0, 5);  // HLIT 257
        bits.Put(0, 5);  // HDIST 1
        bits.Put(15, 4);
        const unsigned order[] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
        for (unsigned s : order) bits.Put(s < 13 ? 4 : 5, 3);
    };
    BitWriter repeatFirst;
    header(repeatFirst);
    repeatFirst.PutCode(0x1B, 5);  // 16 with nothing before it
    repeatFirst.Put(0, 34);
    EXPECT_EQ(Decode(repeatFirst.Finish()).status, InflateStatus::Malformed);

    BitWriter pastTheEnd;
    header(pastTheEnd);
    for (int i = 0; i < 2; ++i) {
        pastTheEnd.PutCode(0x1D, 5);  // 18 with 138 zeros: the second run passes 258 lengths
        pastTheEnd.Put(127, 7);
    }
    pastTheEnd.Put(0, 34);
    EXPECT_EQ(Decode(pastTheEnd.Finish()).status, InflateStatus::Malformed);

    // An over-subscribed code-length code.
    BitWriter overCodes;
    testing::PutBlockHeader(overCodes, true, 2);
    overCodes.Put(0, 14);
    overCodes.Put(15, 4);
    for (int i = 0; i < 19; ++i) overCodes.Put(1, 3);
    overCodes.Put(0, 32);
    EXPECT_EQ(Decode(overCodes.Finish()).status, InflateStatus::Malformed);
}

TEST(Inflate, ReservedBlockTypeIsMalformed) {
    BitWriter bits;
    testing::PutBlockHeader(bits, true, 3);
    bits.Put(0, 32);
    EXPECT_EQ(Decode(bits.Finish()).status, InflateStatus::Malformed);
}

TEST(Inflate, EveryTruncationOfAStreamFails) {
    std::vector<std::uint8_t> data;
    for (int i = 0; i < 3000; ++i) data.push_back(static_cast<std::uint8_t>("skin data "[i % 10] + i / 700));
    BitWriter bits;
    testing::PutStoredBlock(bits, false, std::span(data).first(100));
    const std::vector<std::uint8_t> fixedPart = testing::FixedDeflate(std::span(data).subspan(100));
    std::vector<std::uint8_t> stream = bits.Finish();
    stream.insert(stream.end(), fixedPart.begin(), fixedPart.end());
    ASSERT_EQ(Decode(stream).status, InflateStatus::Done);
    for (std::size_t cut = 0; cut < stream.size(); ++cut) {
        std::vector<std::uint8_t> prefix(stream.begin(), stream.begin() + cut);
        EXPECT_EQ(Decode(prefix).status, InflateStatus::Malformed) << "cut at " << cut;
    }
}

TEST(Inflate, EndlessEmptyBlocksStopAtTheEndOfInput) {
    // Zero bits decode as non-final empty stored blocks forever; the padding past the end
    // must not feed them.
    EXPECT_EQ(Decode(std::vector<std::uint8_t>(5, 0)).status, InflateStatus::Malformed);
    std::vector<std::uint8_t> fixedEmpty = {0x02, 0x00};  // final=0 fixed, end of block, ...
    EXPECT_EQ(Decode(fixedEmpty).status, InflateStatus::Malformed);
}

TEST(Inflate, OutputLimitStopsDecodingAtOnce) {
    std::vector<std::uint8_t> big(200000, 'z');
    const std::vector<std::uint8_t> stream = testing::FixedDeflate(big);
    std::vector<std::uint8_t> out;
    EXPECT_EQ(InflateToVector(stream, out, big.size()), InflateStatus::Done);
    EXPECT_EQ(out.size(), big.size());
    for (std::uint64_t limit : {std::uint64_t{0}, std::uint64_t{1000}, std::uint64_t{199999}}) {
        EXPECT_EQ(InflateToVector(stream, out, limit), InflateStatus::OutputLimit) << limit;
        EXPECT_LE(out.size(), limit);
    }
    EXPECT_EQ(InflateToVector(testing::StoredDeflate(big), out, 70000), InflateStatus::OutputLimit);
    EXPECT_LE(out.size(), 70000u);
}

TEST(Inflate, SinkFailureIsReported) {
    class RefusingSink final : public ByteSink {
    public:
        bool Write(std::span<const std::uint8_t>) override { return false; }
    } sink;
    std::vector<std::uint8_t> data(100, 'q');
    const std::vector<std::uint8_t> stream = testing::FixedDeflate(data);
    struct Source final : InflateSource {
        std::span<const std::uint8_t> rest;
        std::size_t Read(std::span<std::uint8_t> buffer) override {
            const std::size_t n = std::min(buffer.size(), rest.size());
            std::copy_n(rest.begin(), n, buffer.begin());
            rest = rest.subspan(n);
            return n;
        }
    } source;
    source.rest = stream;
    EXPECT_EQ(Inflate(source, sink), InflateStatus::SinkFailed);
}

TEST(Inflate, SourceDeliveringOneByteAtATimeDecodesTheSame) {
    std::vector<std::uint8_t> data(50000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>((i * i) >> 7);
    BitWriter bits;
    testing::PutStoredBlock(bits, false, std::span(data).first(3000));
    std::vector<std::uint8_t> stream = bits.Finish();
    const std::vector<std::uint8_t> rest = testing::FixedDeflate(std::span(data).subspan(3000));
    stream.insert(stream.end(), rest.begin(), rest.end());
    const std::vector<std::uint8_t> trickled = DecodeByteByByte(stream);
    EXPECT_EQ(trickled, data);
}

}  // namespace
}  // namespace zelkova
