#include "skin/file/HuffmanTree.h"

namespace zelkova {
namespace {

constexpr BlockTrees BuildFixedTrees() {
    std::array<std::uint8_t, kLiteralLengthSymbols> literal{};
    for (int s = 0; s < kLiteralLengthSymbols; ++s)
        literal[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
    std::array<std::uint8_t, kDistanceSymbols> distance{};
    distance.fill(5);
    BlockTrees trees{};
    if (!trees.literalLength.Build(literal, CodeKind::LiteralLength) ||
        !trees.distance.Build(distance, CodeKind::Distance))
        throw "fixed Deflate code set is not complete";  // fails the constant evaluation
    return trees;
}

// Computed by the compiler: the program starts with both fixed trees ready and never
// changes them.
constinit const BlockTrees kFixedTrees = BuildFixedTrees();

}  // namespace

const BlockTrees& GetFixedTrees() { return kFixedTrees; }

}  // namespace zelkova
