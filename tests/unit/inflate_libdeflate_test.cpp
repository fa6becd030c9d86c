// Our decoder on streams libdeflate writes: its levels search differently from zlib's (level 12
// finds longer matches and splits blocks its own way), and libdeflate as a second reader of the
// same damaged streams.
#include <gtest/gtest.h>

#include <random>

#include "skin/file/Inflate.h"
#include "support/Libdeflate.h"

namespace zelkova {
namespace {

// Text-like runs of words, pixel-like rows and noise, as skins hold them.
std::vector<std::uint8_t> Sample(std::size_t size, std::uint32_t seed) {
    std::mt19937 rng(seed);
    static const char* const kWords[] = {"SKIN2_", "BUTTON ", "frame ", "0x00FF00FF ", "\r\n"};
    std::vector<std::uint8_t> data;
    while (data.size() < size) {
        switch (rng() % 3) {
            case 0:
                for (const char* w = kWords[rng() % 5]; *w != '\0'; ++w)
                    data.push_back(static_cast<std::uint8_t>(*w));
                break;
            case 1:
                for (int x = 0; x < 48; ++x)
                    data.push_back(static_cast<std::uint8_t>(x * 3 + data.size() / 997));
                break;
            default:
                data.push_back(static_cast<std::uint8_t>(rng()));
                break;
        }
    }
    data.resize(size);
    return data;
}

TEST(InflateAgainstLibdeflate, DecodesEveryLevel) {
    for (int level = 0; level <= 12; ++level) {
        for (std::size_t size : {0u, 1u, 100u, 4096u, 70000u, 300000u}) {
            const std::vector<std::uint8_t> data =
                Sample(size, static_cast<std::uint32_t>(level * 31 + size));
            const std::vector<std::uint8_t> stream = testing::LibdeflateRawDeflate(data, level);
            for (InflateLoop loop : {InflateLoop::Best, InflateLoop::Portable}) {
                std::vector<std::uint8_t> out;
                ASSERT_EQ(InflateToVector(stream, out, data.size(), loop), InflateStatus::Done)
                    << "level " << level << " size " << size;
                ASSERT_TRUE(out == data) << "level " << level << " size " << size;
            }
        }
    }
}

// Where both decoders accept a damaged stream, they give the same bytes.
TEST(InflateAgainstLibdeflate, DamagedStreamsBothAcceptDecodeAlike) {
    std::mt19937 rng(77);
    int bothDecoded = 0;
    for (int i = 0; i < 600; ++i) {
        const std::vector<std::uint8_t> data = Sample(1 + rng() % 5000, rng());
        std::vector<std::uint8_t> stream =
            testing::LibdeflateRawDeflate(data, 1 + static_cast<int>(rng() % 12));
        stream[rng() % stream.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
        const std::size_t limit = data.size() * 2 + 1000;
        const auto theirs = testing::LibdeflateRawInflate(stream, limit);
        std::vector<std::uint8_t> ours;
        if (InflateToVector(stream, ours, limit) != InflateStatus::Done || !theirs) continue;
        ASSERT_TRUE(ours == *theirs) << "stream " << i;
        ++bothDecoded;
    }
    EXPECT_GT(bothDecoded, 0);
}

}  // namespace
}  // namespace zelkova
