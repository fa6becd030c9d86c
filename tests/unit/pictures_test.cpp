// The application's pictures as committed: what the generator makes today, and files that the
// resource compiler, libjpeg and the shell will take as the sizes and depths the windows need.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "ui/Product.h"
#include "ui/ResourceNames.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const fs::path kResources = fs::path(ZELKOVA_SOURCE_DIR) / "resources";

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const fs::path& path) {
    const Bytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

unsigned Get16(const Bytes& b, std::size_t at) { return unsigned(b.at(at)) | unsigned(b.at(at + 1)) << 8; }
std::uint32_t Get32(const Bytes& b, std::size_t at) { return Get16(b, at) | std::uint32_t(Get16(b, at + 2)) << 16; }

TEST(Pictures, RegeneratingGivesTheCommittedBytes) {
    const fs::path out = fs::temp_directory_path() / ("zelkova_pictures_" + std::to_string(std::random_device{}()));
    fs::create_directories(out);
    const std::string command = std::string("\"") + ZELKOVA_PICTURE_GENERATOR + "\" \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    EXPECT_EQ(ReadBytes(out / "pictures.rc"), ReadBytes(kResources / "pictures.rc")) << "pictures.rc differs";
    std::set<std::string> generated;
    for (const auto& entry : fs::directory_iterator(out / "pictures")) {
        const std::string file = entry.path().filename().string();
        generated.insert(file);
        EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(kResources / "pictures" / file)) << file << " differs";
    }
    for (const auto& entry : fs::directory_iterator(kResources / "pictures")) {
        if (entry.is_regular_file()) {
            EXPECT_TRUE(generated.count(entry.path().filename().string()))
                << entry.path().filename() << " is committed but no longer generated";
        }
    }
    fs::remove_all(out);
}

TEST(Pictures, ScriptLinksEveryPictureAndTheAddresses) {
    const std::string script = ReadText(kResources / "pictures.rc");
    for (const char* name : {zelkova::resource::kMainIcon, zelkova::resource::kUpdateIcon,
                             zelkova::resource::kFolderGlyph, zelkova::resource::kTitleTexture,
                             zelkova::resource::kAboutBanner, zelkova::resource::kDonateButton}) {
        EXPECT_NE(script.find(std::string("\n") + name + " "), std::string::npos) << name;
    }
    // The shell takes the first icon as the executable's own.
    EXPECT_LT(script.find("MAINICON ICON"), script.find(" ICON ", script.find("MAINICON ICON") + 1));
    EXPECT_NE(script.find("1, \"" + std::string(zelkova::kHomePage) + "\""), std::string::npos);
    EXPECT_NE(script.find("2, \"" + std::string(zelkova::kDonationPage) + "\""), std::string::npos);
}

struct JpegInfo {
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = true;
    bool decoded = false;
};

JpegInfo DecodeJpegFile(const fs::path& path) {
    const Bytes data = ReadBytes(path);
    JpegInfo info;
    jpeg_decompress_struct decoder{};
    jpeg_error_mgr errors{};
    decoder.err = jpeg_std_error(&errors);
    errors.error_exit = [](j_common_ptr) { throw std::runtime_error("libjpeg error"); };
    try {
        jpeg_create_decompress(&decoder);
        jpeg_mem_src(&decoder, data.data(), static_cast<unsigned long>(data.size()));
        jpeg_read_header(&decoder, TRUE);
        info.progressive = decoder.progressive_mode != 0;
        jpeg_start_decompress(&decoder);
        info.width = int(decoder.output_width);
        info.height = int(decoder.output_height);
        info.components = decoder.output_components;
        std::vector<JSAMPLE> row(std::size_t(info.width) * std::size_t(info.components));
        while (decoder.output_scanline < decoder.output_height) {
            JSAMPROW rows[] = {row.data()};
            jpeg_read_scanlines(&decoder, rows, 1);
        }
        jpeg_finish_decompress(&decoder);
        info.decoded = true;
    } catch (const std::runtime_error&) {
    }
    jpeg_destroy_decompress(&decoder);
    return info;
}

TEST(Pictures, JpegPicturesAreBaselineColourOfTheirSizes) {
    struct Expected {
        const char* file;
        int width;
        int height;
    };
    for (const Expected& e : {Expected{"TITLETEXTURE.jpg", 50, 50}, Expected{"ABOUTBANNER.jpg", 360, 50},
                              Expected{"DONATEBUTTON.jpg", 62, 31}}) {
        const JpegInfo info = DecodeJpegFile(kResources / "pictures" / e.file);
        ASSERT_TRUE(info.decoded) << e.file;
        EXPECT_EQ(info.width, e.width) << e.file;
        EXPECT_EQ(info.height, e.height) << e.file;
        EXPECT_EQ(info.components, 3) << e.file;
        EXPECT_FALSE(info.progressive) << e.file;
    }
}

// One image of the icon file: its size and depth, and whether a pixel is masked out.
struct IconImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::size_t maskOffset = 0;
    std::size_t maskStride = 0;
    bool Transparent(const Bytes& file, int x, int y) const {
        const std::size_t row = maskOffset + std::size_t(height - 1 - y) * maskStride;
        return (file.at(row + std::size_t(x / 8)) & (0x80 >> (x % 8))) != 0;
    }
};

IconImage ReadIcon(const Bytes& file) {
    IconImage icon;
    EXPECT_EQ(Get16(file, 2), 1u) << "not an icon";
    EXPECT_EQ(Get16(file, 4), 1u) << "one image expected";
    const std::uint32_t size = Get32(file, 6 + 8);
    const std::uint32_t offset = Get32(file, 6 + 12);
    EXPECT_EQ(std::size_t(offset) + size, file.size()) << "the image must end the file";
    icon.width = int(Get32(file, offset + 4));
    icon.height = int(Get32(file, offset + 8)) / 2;
    icon.bitCount = int(Get16(file, offset + 14));
    const std::size_t colours = 1u << icon.bitCount;
    const std::size_t colourStride = std::size_t((icon.width * icon.bitCount + 31) / 32) * 4;
    icon.maskStride = std::size_t((icon.width + 31) / 32) * 4;
    icon.maskOffset = offset + 40 + colours * 4 + colourStride * std::size_t(icon.height);
    EXPECT_EQ(icon.maskOffset + icon.maskStride * std::size_t(icon.height), file.size());
    return icon;
}

TEST(Pictures, IconsAreSixteenColourWithTransparentSurroundings) {
    struct Expected {
        const char* file;
        int size;
    };
    for (const Expected& e : {Expected{"MAINICON.ico", 32}, Expected{"UPDATEICON.ico", 16}}) {
        const Bytes file = ReadBytes(kResources / "pictures" / e.file);
        ASSERT_GT(file.size(), 6u + 16 + 40) << e.file;
        const IconImage icon = ReadIcon(file);
        EXPECT_EQ(icon.width, e.size) << e.file;
        EXPECT_EQ(icon.height, e.size) << e.file;
        EXPECT_EQ(icon.bitCount, 4) << e.file;
        EXPECT_TRUE(icon.Transparent(file, 0, 0)) << e.file << ": the corner should show through";
        EXPECT_TRUE(icon.Transparent(file, e.size - 1, 0)) << e.file;
        int opaque = 0;
        for (int y = 0; y < e.size; ++y) {
            for (int x = 0; x < e.size; ++x) opaque += icon.Transparent(file, x, y) ? 0 : 1;
        }
        EXPECT_GT(opaque, e.size * e.size / 4) << e.file << ": too little is drawn";
    }
}

TEST(Pictures, FolderGlyphIsTwentyFourBitOnTheMaskedGrey) {
    const Bytes file = ReadBytes(kResources / "pictures" / "FOLDERGLYPH.bmp");
    ASSERT_GE(file.size(), 54u + 16 * 16 * 3);
    const std::uint32_t pixels = Get32(file, 10);
    EXPECT_EQ(Get32(file, 18), 16u);
    EXPECT_EQ(int(std::int32_t(Get32(file, 22))), 16) << "bottom-up, 16 rows";
    EXPECT_EQ(Get16(file, 28), 24u);
    // Rows are bottom-up, 48 bytes each, blue first: the top-left pixel is the last row's first.
    const std::size_t topLeft = pixels + 15 * 48;
    EXPECT_EQ(file.at(topLeft), 200);
    EXPECT_EQ(file.at(topLeft + 1), 200);
    EXPECT_EQ(file.at(topLeft + 2), 200);
    // Somewhere in the middle the folder is yellow: much more red than blue.
    const std::size_t middle = pixels + std::size_t(16 - 1 - 10) * 48 + 8 * 3;
    EXPECT_GT(int(file.at(middle + 2)) - int(file.at(middle)), 80);
}

}  // namespace
