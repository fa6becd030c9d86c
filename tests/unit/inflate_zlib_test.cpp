// Our decoder against zlib's on the same streams: zlib writes them, both read them.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>
#include <string>

#include "skin/file/Inflate.h"
#include "support/ZlibDeflate.h"

namespace zelkova {
namespace {

using testing::ZlibStrategy;

enum class Kind { Text, Bitmap, Random, Runs, Mixed };

// Deterministic sample data resembling what skin files hold.
std::vector<std::uint8_t> MakeData(Kind kind, std::size_t size, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<std::uint8_t> data;
    data.reserve(size);
    static const char* const kWords[] = {"skin ", "button ", "frame ", "colour ", "bitmap ",
                                         "SKIN2_", "TITLEBAR ", "\r\n", "0x00FF00FF ", "= "};
    switch (kind) {
        case Kind::Text:
            while (data.size() < size) {
                const char* w = kWords[rng() % 10];
                while (*w != '\0' && data.size() < size) data.push_back(static_cast<std::uint8_t>(*w++));
            }
            break;
        case Kind::Bitmap: {
            // Rows of 24-bit pixels: gradients, a key colour, some noise; rows repeat with drift.
            const std::size_t row = 3 * (16 + rng() % 200);
            while (data.size() < size) {
                const std::size_t y = data.size() / row;
                for (std::size_t x = 0; x < row && data.size() < size; x += 3) {
                    const bool key = ((x / 3 + y) / 7) % 5 == 0;
                    const std::uint8_t noise = (rng() % 16 == 0) ? static_cast<std::uint8_t>(rng()) : 0;
                    data.push_back(key ? 0xFF : static_cast<std::uint8_t>(x + noise));
                    if (data.size() < size) data.push_back(key ? 0x00 : static_cast<std::uint8_t>(y * 3));
                    if (data.size() < size) data.push_back(key ? 0xFF : static_cast<std::uint8_t>(x ^ y));
                }
            }
            break;
        }
        case Kind::Random:
            while (data.size() < size) data.push_back(static_cast<std::uint8_t>(rng()));
            break;
        case Kind::Runs:
            while (data.size() < size) {
                const std::uint8_t b = static_cast<std::uint8_t>(rng() % 4);
                for (std::size_t n = 1 + rng() % 600; n > 0 && data.size() < size; --n) data.push_back(b);
            }
            break;
        case Kind::Mixed:
            while (data.size() < size) {
                const auto part = MakeData(static_cast<Kind>(rng() % 4), 1 + rng() % 5000, rng());
                for (std::size_t i = 0; i < part.size() && data.size() < size; ++i) data.push_back(part[i]);
            }
            break;
    }
    return data;
}

constexpr ZlibStrategy kStrategies[] = {ZlibStrategy::Default, ZlibStrategy::Filtered,
                                        ZlibStrategy::HuffmanOnly, ZlibStrategy::Rle,
                                        ZlibStrategy::Fixed};
constexpr Kind kKinds[] = {Kind::Text, Kind::Bitmap, Kind::Random, Kind::Runs, Kind::Mixed};

TEST(InflateAgainstZlib, DecodesEveryLevelAndStrategy) {
    const std::size_t sizes[] = {0, 1, 17, 300, 4000, 70000};
    int streams = 0;
    std::uint32_t seed = 1;
    for (int level = -1; level <= 9; ++level) {
        for (ZlibStrategy strategy : kStrategies) {
            for (Kind kind : kKinds) {
                for (std::size_t size : sizes) {
                    const std::vector<std::uint8_t> data = MakeData(kind, size, seed++);
                    const std::vector<std::uint8_t> stream = testing::ZlibRawDeflate(data, level, strategy);
                    std::vector<std::uint8_t> out;
                    ASSERT_EQ(InflateToVector(stream, out, data.size()), InflateStatus::Done)
                        << "level " << level << " strategy " << static_cast<int>(strategy) << " kind "
                        << static_cast<int>(kind) << " size " << size;
                    ASSERT_EQ(out, data);
                    ++streams;
                }
            }
        }
    }
    EXPECT_GE(streams, 1000);
}

TEST(InflateAgainstZlib, DecodesMegabytes) {
    for (Kind kind : {Kind::Bitmap, Kind::Text, Kind::Mixed}) {
        const std::vector<std::uint8_t> data = MakeData(kind, 3 * 1024 * 1024 + 12345, 77);
        for (int level : {1, 6, 9}) {
            const std::vector<std::uint8_t> stream = testing::ZlibRawDeflate(data, level);
            // The inner loop as the processor allows it best, and as any processor runs it.
            for (InflateLoop loop : {InflateLoop::Best, InflateLoop::Portable}) {
                std::vector<std::uint8_t> out;
                ASSERT_EQ(InflateToVector(stream, out, data.size(), loop), InflateStatus::Done)
                    << level;
                ASSERT_TRUE(out == data) << "kind " << static_cast<int>(kind) << " level " << level;
            }
        }
    }
}

// Many small blocks, each with its own tables, and empty stored blocks between them.
TEST(InflateAgainstZlib, DecodesStreamsFlushedEveryFewBytes) {
    const std::vector<std::uint8_t> data = MakeData(Kind::Mixed, 200000, 5);
    for (std::size_t every : {1, 7, 64, 1000}) {
        for (int flush : {Z_FULL_FLUSH, Z_SYNC_FLUSH, Z_BLOCK}) {
            const std::span<const std::uint8_t> part(data.data(), every == 1 ? 5000 : data.size());
            std::vector<std::uint8_t> out;
            ASSERT_EQ(InflateToVector(testing::ZlibFlushedEvery(part, every, flush), out), InflateStatus::Done)
                << every << " " << flush;
            ASSERT_TRUE(std::equal(out.begin(), out.end(), part.begin(), part.end())) << every << " " << flush;
        }
    }
}

// A stream cut short gives no more than zlib makes of it: only bytes whose codes lie wholly
// within the input, none decoded from what lies past it.
TEST(InflateAgainstZlib, CutStreamsGiveOnlyTheBytesTheirCodesHold) {
    for (Kind kind : {Kind::Text, Kind::Bitmap, Kind::Runs}) {
        const std::vector<std::uint8_t> data = MakeData(kind, 3000, 11);
        const std::vector<std::uint8_t> stream = testing::ZlibRawDeflate(data, 6);
        for (std::size_t cut = 0; cut < stream.size(); ++cut) {
            const std::span<const std::uint8_t> prefix(stream.data(), cut);
            std::vector<std::uint8_t> zlib;
            ASSERT_FALSE(testing::ZlibRawInflate(prefix, data.size(), nullptr, &zlib).has_value());
            std::vector<std::uint8_t> out;
            ASSERT_EQ(InflateToVector(prefix, out), InflateStatus::Malformed) << cut;
            ASSERT_LE(out.size(), zlib.size())
                << "kind " << static_cast<int>(kind) << " cut " << cut;
            ASSERT_TRUE(std::equal(out.begin(), out.end(), zlib.begin())) << cut;
        }
    }
}

// A damaged stream must give exactly zlib's output, or a clean failure. We decode where zlib
// only differs by checking the stored-length complement, which we keep unchecked.
TEST(InflateAgainstZlib, DamagedStreamsFailCleanlyOrMatchZlib) {
    std::mt19937 rng(2024);
    int compared = 0;
    int bothDecoded = 0;
    for (int i = 0; i < 400; ++i) {
        const Kind kind = kKinds[i % 5];
        const std::vector<std::uint8_t> data = MakeData(kind, 1 + rng() % 6000, rng());
        const std::vector<std::uint8_t> clean =
            testing::ZlibRawDeflate(data, static_cast<int>(rng() % 10), kStrategies[rng() % 5]);
        for (int m = 0; m < 3; ++m) {
            std::vector<std::uint8_t> stream = clean;
            switch (rng() % 4) {
                case 0:
                    stream[rng() % stream.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
                    break;
                case 1:
                    stream[rng() % stream.size()] = static_cast<std::uint8_t>(rng());
                    break;
                case 2:
                    stream.resize(rng() % stream.size());
                    break;
                default:
                    stream.insert(stream.begin() + static_cast<std::ptrdiff_t>(rng() % stream.size()),
                                  static_cast<std::uint8_t>(rng()));
                    break;
            }
            const std::size_t limit = data.size() * 2 + 1000;
            std::string why;
            const auto expected = testing::ZlibRawInflate(stream, limit, &why);
            std::vector<std::uint8_t> out;
            const InflateStatus status = InflateToVector(stream, out, limit);
            ++compared;
            if (status == InflateStatus::Done) {
                ASSERT_LE(out.size(), limit);
                if (expected) {
                    ASSERT_EQ(out, *expected) << "stream " << i << "." << m;
                    ++bothDecoded;
                } else {
                    ASSERT_EQ(why, "invalid stored block lengths") << "stream " << i << "." << m;
                }
            } else {
                ASSERT_TRUE(status == InflateStatus::Malformed || status == InflateStatus::OutputLimit);
                ASSERT_LE(out.size(), limit);
                // zlib decodes only what we decode too, unless we stopped at the limit.
                ASSERT_FALSE(expected.has_value())
                    << "stream " << i << "." << m << " status " << static_cast<int>(status);
            }
        }
    }
    EXPECT_EQ(compared, 1200);
    EXPECT_GT(bothDecoded, 0);
}

}  // namespace
}  // namespace zelkova
