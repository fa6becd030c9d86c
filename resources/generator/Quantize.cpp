#include "resources/generator/Quantize.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

namespace zelkova::art {
namespace {

struct Weighted {
    std::uint32_t rgb;
    std::uint64_t count;
};

int Channel(std::uint32_t rgb, int c) { return int(rgb >> (16 - 8 * c)) & 0xFF; }

// Perceptual weights for green, red, blue differences.
std::uint64_t Distance(std::uint32_t a, std::uint32_t b) {
    static constexpr std::array<int, 3> kWeight{3, 4, 2};
    std::uint64_t sum = 0;
    for (int c = 0; c < 3; ++c) {
        const int d = Channel(a, c) - Channel(b, c);
        sum += std::uint64_t(kWeight[std::size_t(c)] * d * d);
    }
    return sum;
}

int Range(const std::vector<Weighted>& box, int c) {
    int lo = 255;
    int hi = 0;
    for (const Weighted& w : box) {
        lo = std::min(lo, Channel(w.rgb, c));
        hi = std::max(hi, Channel(w.rgb, c));
    }
    return hi - lo;
}

std::uint32_t Mean(const std::vector<Weighted>& box) {
    std::array<std::uint64_t, 3> sum{};
    std::uint64_t total = 0;
    for (const Weighted& w : box) {
        for (int c = 0; c < 3; ++c)
            sum[std::size_t(c)] += std::uint64_t(Channel(w.rgb, c)) * w.count;
        total += w.count;
    }
    std::uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c)
        rgb = rgb << 8 | std::uint32_t((sum[std::size_t(c)] + total / 2) / total);
    return rgb;
}

std::vector<std::uint32_t> MedianCut(std::vector<Weighted> colours, std::size_t budget) {
    std::vector<std::vector<Weighted>> boxes{std::move(colours)};
    while (boxes.size() < budget) {
        // Split the box with the widest spread on any channel.
        std::size_t best = boxes.size();
        int bestRange = 0;
        int bestChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2) continue;
            for (int c = 0; c < 3; ++c) {
                const int range = Range(boxes[i], c);
                if (range > bestRange) {
                    best = i;
                    bestRange = range;
                    bestChannel = c;
                }
            }
        }
        if (best == boxes.size()) break;
        std::vector<Weighted>& box = boxes[best];
        std::sort(box.begin(), box.end(), [&](const Weighted& a, const Weighted& b) {
            const int ca = Channel(a.rgb, bestChannel);
            const int cb = Channel(b.rgb, bestChannel);
            return ca != cb ? ca < cb : a.rgb < b.rgb;
        });
        std::uint64_t total = 0;
        for (const Weighted& w : box) total += w.count;
        std::uint64_t running = 0;
        std::size_t cut = 1;
        for (; cut < box.size(); ++cut) {
            running += box[cut - 1].count;
            if (running * 2 >= total) break;
        }
        cut = std::min(cut, box.size() - 1);
        std::vector<Weighted> upper(box.begin() + std::ptrdiff_t(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<std::uint32_t> palette;
    for (const auto& box : boxes) palette.push_back(Mean(box));
    return palette;
}

}  // namespace

IndexedImage Quantize(const Canvas& canvas, int maxColours) {
    std::map<std::uint32_t, std::uint64_t> counts;
    bool hasKey = false;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.IsKey(x, y)) {
                hasKey = true;
            } else {
                ++counts[canvas.Rgb24(x, y)];
            }
        }
    }
    const std::size_t budget = std::size_t(maxColours) - (hasKey ? 1 : 0);
    std::vector<std::uint32_t> drawn;
    if (counts.size() <= budget) {
        for (const auto& [rgb, count] : counts) drawn.push_back(rgb);
    } else {
        std::vector<Weighted> colours;
        for (const auto& [rgb, count] : counts) colours.push_back({rgb, count});
        drawn = MedianCut(std::move(colours), budget);
    }
    std::sort(drawn.begin(), drawn.end());
    drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());

    IndexedImage image;
    image.width = canvas.Width();
    image.height = canvas.Height();
    image.palette = drawn;
    std::uint8_t keyIndex = 0;
    if (hasKey) {
        keyIndex = std::uint8_t(image.palette.size());
        image.palette.push_back(kKeyRgb);
    }
    if (image.palette.size() > std::size_t(maxColours)) throw std::logic_error("palette overflow");

    std::map<std::uint32_t, std::uint8_t> nearest;
    for (const auto& [rgb, count] : counts) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < drawn.size(); ++i) {
            if (Distance(rgb, drawn[i]) < Distance(rgb, drawn[best])) best = i;
        }
        nearest[rgb] = std::uint8_t(best);
    }
    image.indices.reserve(std::size_t(image.width) * std::size_t(image.height));
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            image.indices.push_back(canvas.IsKey(x, y) ? keyIndex : nearest.at(canvas.Rgb24(x, y)));
        }
    }
    return image;
}

}  // namespace zelkova::art
