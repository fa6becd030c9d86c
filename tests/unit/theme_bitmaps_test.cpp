// The committed theme bitmaps: that they are the generator's output, that the resource script
// links every bitmap the table names, and that each file has the geometry the controls rely on.
#include "skin/NinePart.h"
#include "skin/SUIThemes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zelkova {
namespace {

namespace fs = std::filesystem;

const fs::path kResources = fs::path(ZELKOVA_SOURCE_DIR) / "resources";
constexpr std::uint32_t kFuchsia = 0xFF00FF;

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Just enough of a BMP reader to check what the generator wrote, independent of it.
class BmpProbe {
public:
    explicit BmpProbe(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    bool HasHeaders() const { return bytes_.size() >= 54 && bytes_[0] == 'B' && bytes_[1] == 'M'; }
    std::uint32_t FileSize() const { return U32(2); }
    std::uint32_t PixelOffset() const { return U32(10); }
    std::uint32_t InfoSize() const { return U32(14); }
    std::int32_t Width() const { return std::int32_t(U32(18)); }
    std::int32_t RawHeight() const { return std::int32_t(U32(22)); }  // > 0: bottom-up
    int Bits() const { return U16(28); }
    std::uint32_t Compression() const { return U32(30); }
    std::uint32_t PaletteEntries() const {
        const std::uint32_t used = U32(46);
        return Bits() > 8 ? 0 : used != 0 ? used : 1u << Bits();
    }
    std::size_t Size() const { return bytes_.size(); }

    // 0xRRGGBB of pixel (x, y), y counted from the top.
    std::uint32_t Pixel(int x, int y) const {
        const std::size_t stride = ((std::size_t(Width()) * std::size_t(Bits()) + 31) / 32) * 4;
        const std::size_t row = PixelOffset() + std::size_t(RawHeight() - 1 - y) * stride;
        if (Bits() == 24) {
            const std::size_t p = row + std::size_t(x) * 3;
            return std::uint32_t(bytes_.at(p + 2)) << 16 | std::uint32_t(bytes_.at(p + 1)) << 8 |
                   bytes_.at(p);
        }
        std::uint32_t index = 0;
        if (Bits() == 8) {
            index = bytes_.at(row + std::size_t(x));
        } else {
            const std::uint8_t pair = bytes_.at(row + std::size_t(x) / 2);
            index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
        }
        const std::size_t entry = 14 + InfoSize() + index * 4;
        return std::uint32_t(bytes_.at(entry + 2)) << 16 |
               std::uint32_t(bytes_.at(entry + 1)) << 8 | bytes_.at(entry);
    }

private:
    std::uint32_t U16(std::size_t at) const { return bytes_.at(at) | bytes_.at(at + 1) << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }

    std::vector<std::uint8_t> bytes_;
};

BmpProbe Load(const std::string& name) {
    return BmpProbe(ReadBytes(kResources / "themes" / (name + ".bmp")));
}

// Resource name -> the text of "NAME BITMAP "file"" lines of the script.
std::map<std::string, std::string> ScriptBitmaps(std::vector<std::string>* duplicates) {
    std::ifstream script(kResources / "kit.rc");
    std::map<std::string, std::string> bitmaps;
    std::string line;
    while (std::getline(script, line)) {
        std::istringstream words(line);
        std::string name, type, file;
        if (!(words >> name >> type >> file) || type != "BITMAP")
            continue;
        if (!bitmaps.emplace(name, file).second)
            duplicates->push_back(name);
    }
    return bitmaps;
}

TEST(ThemeBitmaps, RegeneratingGivesTheCommittedBytes) {
    const fs::path out =
        fs::temp_directory_path() / ("zelkova_themes_" + std::to_string(std::random_device{}()));
    fs::create_directories(out);
    const std::string command =
        std::string("\"") + ZELKOVA_THEME_GENERATOR + "\" \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    EXPECT_EQ(ReadBytes(out / "kit.rc"), ReadBytes(kResources / "kit.rc")) << "kit.rc differs";
    std::set<std::string> generated;
    for (const auto& entry : fs::directory_iterator(out / "themes")) {
        const std::string file = entry.path().filename().string();
        generated.insert(file);
        EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(kResources / "themes" / file))
            << file << " differs from its committed copy";
    }
    for (const auto& entry : fs::directory_iterator(kResources / "themes")) {
        EXPECT_TRUE(generated.count(entry.path().filename().string()))
            << entry.path().filename() << " is committed but no longer generated";
    }
    fs::remove_all(out);
}

TEST(ThemeBitmaps, ScriptLinksEveryTableBitmapOnce) {
    std::vector<std::string> duplicates;
    const auto bitmaps = ScriptBitmaps(&duplicates);
    EXPECT_TRUE(duplicates.empty()) << duplicates.front();
    const auto names = BuiltInThemeBitmapNames();
    EXPECT_EQ(bitmaps.size(), names.size());
    for (std::string_view name : names) {
        const auto it = bitmaps.find(std::string(name));
        ASSERT_NE(it, bitmaps.end()) << name << " is not linked in";
        EXPECT_EQ(it->second, "\"themes/" + std::string(name) + ".bmp\"");
        EXPECT_TRUE(fs::exists(kResources / "themes" / (std::string(name) + ".bmp"))) << name;
    }
}

struct Expected {
    const char* name;
    int width;
    int height;
    int bits;
};

// The geometry the kit's controls cut and stretch these bitmaps by.
constexpr Expected kDocumented[] = {
    {"MACOS_BUTTON", 252, 23, 8},          {"WINXP_BUTTON", 54, 21, 8},
    {"DEEPBLUE_BUTTON", 222, 21, 4},       {"PROTEIN_BUTTON", 222, 21, 8},
    {"BLUEGLASS_BUTTON", 231, 27, 8},      {"MACOS_TITLEBTN", 306, 17, 24},
    {"WINXP_TITLEBTN", 378, 21, 24},       {"DEEPBLUE_TITLEBTN", 342, 19, 4},
    {"PROTEIN_TITLEBTN", 342, 19, 4},      {"BLUEGLASS_TITLEBTN", 342, 19, 4},
    {"MACOS_TITLE_LEFT", 48, 23, 8},       {"WINXP_TITLE_LEFT", 35, 29, 8},
    {"DEEPBLUE_TITLE_LEFT", 97, 32, 8},    {"PROTEIN_TITLE_LEFT", 441, 23, 8},
    {"BLUEGLASS_TITLE_LEFT", 162, 33, 8},  {"MACOS_TITLE_CLIENT", 49, 23, 8},
    {"WINXP_TITLE_CLIENT", 37, 29, 8},     {"DEEPBLUE_TITLE_CLIENT", 98, 32, 4},
    {"PROTEIN_TITLE_CLIENT", 1, 23, 4},    {"BLUEGLASS_TITLE_CLIENT", 179, 33, 8},
    {"MACOS_TITLE_RIGHT", 48, 23, 8},      {"WINXP_TITLE_RIGHT", 35, 29, 8},
    {"DEEPBLUE_TITLE_RIGHT", 97, 32, 8},   {"PROTEIN_TITLE_RIGHT", 1, 23, 8},
    {"BLUEGLASS_TITLE_RIGHT", 101, 33, 8}, {"MACOS_CHECKBOX", 60, 17, 8},
    {"WINXP_CHECKBOX", 52, 13, 8},         {"DEEPBLUE_CHECKBOX", 52, 13, 4},
    {"PROTEIN_CHECKBOX", 52, 13, 4},       {"BLUEGLASS_CHECKBOX", 52, 13, 4},
    {"MACOS_RADIOBUTTON", 64, 17, 8},      {"WINXP_RADIOBUTTON", 52, 13, 8},
    {"DEEPBLUE_RADIOBUTTON", 52, 13, 4},   {"PROTEIN_RADIOBUTTON", 52, 13, 4},
    {"BLUEGLASS_RADIOBUTTON", 52, 13, 4},  {"MACOS_PROGRESSBAR", 13, 10, 8},
    {"WINXP_PROGRESSBAR", 6, 10, 8},       {"DEEPBLUE_PROGRESSBAR", 1, 10, 8},
    {"PROTEIN_PROGRESSBAR", 1, 10, 8},     {"BLUEGLASS_PROGRESSBAR", 1, 10, 8},
};

TEST(ThemeBitmaps, DocumentedBitmapsHaveTheirSizeAndDepth) {
    for (const Expected& e : kDocumented) {
        SCOPED_TRACE(e.name);
        const BmpProbe bmp = Load(e.name);
        ASSERT_TRUE(bmp.HasHeaders());
        EXPECT_EQ(bmp.Width(), e.width);
        EXPECT_EQ(bmp.RawHeight(), e.height);  // positive: stored bottom-up
        EXPECT_EQ(bmp.Bits(), e.bits);
    }
}

TEST(ThemeBitmaps, EveryFileIsAWellFormedBottomUpDib) {
    for (std::string_view name : BuiltInThemeBitmapNames()) {
        SCOPED_TRACE(name);
        const BmpProbe bmp = Load(std::string(name));
        ASSERT_TRUE(bmp.HasHeaders());
        EXPECT_EQ(bmp.InfoSize(), 40u);
        EXPECT_GT(bmp.Width(), 0);
        EXPECT_GT(bmp.RawHeight(), 0);
        EXPECT_EQ(bmp.Compression(), 0u);
        ASSERT_TRUE(bmp.Bits() == 4 || bmp.Bits() == 8 || bmp.Bits() == 24) << bmp.Bits();
        // Indexed images carry their palette between the headers and the pixels.
        EXPECT_EQ(bmp.PixelOffset(), 14 + 40 + bmp.PaletteEntries() * 4);
        if (bmp.Bits() <= 8) {
            EXPECT_EQ(bmp.PaletteEntries(), 1u << bmp.Bits());
        }
        const std::size_t stride =
            ((std::size_t(bmp.Width()) * std::size_t(bmp.Bits()) + 31) / 32) * 4;
        EXPECT_EQ(bmp.Size(), bmp.PixelOffset() + stride * std::size_t(bmp.RawHeight()));
        EXPECT_EQ(bmp.FileSize(), bmp.Size());
    }
}

struct ButtonStrip {
    const char* name;
    bool transparent;
};
constexpr ButtonStrip kButtonStrips[] = {{"MACOS_BUTTON", true},
                                         {"WINXP_BUTTON", false},
                                         {"DEEPBLUE_BUTTON", false},
                                         {"PROTEIN_BUTTON", false},
                                         {"BLUEGLASS_BUTTON", true}};

TEST(ThemeBitmaps, TransparentButtonStripsHaveFuchsiaCorners) {
    for (const ButtonStrip& strip : kButtonStrips) {
        SCOPED_TRACE(strip.name);
        const BmpProbe bmp = Load(strip.name);
        const int h = bmp.RawHeight();
        for (int frame = 1; frame <= 3; ++frame) {
            const auto columns = StripFrameColumns(bmp.Width(), h, 3, frame);
            ASSERT_TRUE(columns);
            const int l = columns->left;
            const int r = columns->left + columns->width - 1;
            int keyed = 0;
            for (int y = 0; y < h; ++y) {
                for (int x = l; x <= r; ++x) keyed += bmp.Pixel(x, y) == kFuchsia;
            }
            if (!strip.transparent) {
                EXPECT_EQ(keyed, 0) << "opaque strips hold no key colour, frame " << frame;
                continue;
            }
            // The four corners are keyed; so is the top-left pixel that a plain image-list
            // draw takes its mask colour from.
            for (auto [x, y] : {std::pair{l, 0}, {r, 0}, {l, h - 1}, {r, h - 1}}) {
                EXPECT_EQ(bmp.Pixel(x, y), kFuchsia)
                    << "frame " << frame << " at " << x << "," << y;
            }
            // Keyed pixels lie only outside the outline: in every row they run in from the two
            // ends, never in the middle of the face.
            for (int y = 0; y < h; ++y) {
                int x = l;
                while (x <= r && bmp.Pixel(x, y) == kFuchsia) ++x;
                int end = r;
                while (end >= x && bmp.Pixel(end, y) == kFuchsia) --end;
                for (int inside = x; inside <= end; ++inside) {
                    ASSERT_NE(bmp.Pixel(inside, y), kFuchsia) << "hole at " << inside << "," << y;
                }
            }
            EXPECT_NE(bmp.Pixel(l + columns->width / 2, h / 2), kFuchsia);
        }
    }
}

// The three frames must look different, or hovering and pressing would show nothing.
TEST(ThemeBitmaps, ButtonStatesAreClearlyDistinct) {
    for (const ButtonStrip& strip : kButtonStrips) {
        SCOPED_TRACE(strip.name);
        const BmpProbe bmp = Load(strip.name);
        const int h = bmp.RawHeight();
        std::vector<std::vector<std::uint32_t>> frames;
        for (int frame = 1; frame <= 3; ++frame) {
            const auto columns = *StripFrameColumns(bmp.Width(), h, 3, frame);
            std::vector<std::uint32_t> pixels;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < columns.width; ++x)
                    pixels.push_back(bmp.Pixel(columns.left + x, y));
            }
            frames.push_back(std::move(pixels));
        }
        for (std::size_t a = 0; a < 3; ++a) {
            for (std::size_t b = a + 1; b < 3; ++b) {
                int changed = 0;
                for (std::size_t i = 0; i < frames[a].size(); ++i)
                    changed += frames[a][i] != frames[b][i];
                EXPECT_GT(changed, int(frames[a].size()) / 4)
                    << "frames " << a + 1 << " and " << b + 1;
            }
        }
    }
}

// The nine-part drawing stretches the rows and columns named by its source rectangles; where the
// face differs between them, every stretched button shows a seam.
TEST(ThemeBitmaps, ButtonFacesStretchWithoutSeams) {
    for (const ButtonStrip& strip : kButtonStrips) {
        SCOPED_TRACE(strip.name);
        const BmpProbe bmp = Load(strip.name);
        const int h = bmp.RawHeight();
        for (int frame = 1; frame <= 3; ++frame) {
            const auto columns = *StripFrameColumns(bmp.Width(), h, 3, frame);
            const int w = columns.width;
            const NinePartPlan plan = PlanNinePart({w, h}, {0, 0, 4 * w, 4 * h});
            const Rect left = plan.Find(NinePiece::LeftEdge)->source;
            const Rect right = plan.Find(NinePiece::RightEdge)->source;
            const Rect top = plan.Find(NinePiece::TopEdge)->source;
            // Left edge and centre stretch one row, the right edge another: they must match.
            for (int x = 0; x < w; ++x) {
                EXPECT_EQ(bmp.Pixel(columns.left + x, left.top),
                          bmp.Pixel(columns.left + x, right.top))
                    << "frame " << frame << " column " << x;
            }
            // Odd widths stretch two columns side by side.
            for (int y = 0; y < h; ++y) {
                EXPECT_EQ(bmp.Pixel(columns.left + top.left, y),
                          bmp.Pixel(columns.left + top.right - 1, y))
                    << "frame " << frame << " row " << y;
            }
        }
    }
}

}  // namespace
}  // namespace zelkova
