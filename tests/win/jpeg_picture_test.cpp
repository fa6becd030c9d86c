// Decoding JPEG pictures into DIB sections: pixels of pictures made by an outside encoder and by
// libjpeg's own, and a clean refusal of data that is cut short, corrupt or absurd.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "gui/JpegPicture.h"
#include "support/PixelCanvas_win.h"

namespace zelkova {
namespace {

using testing::ReadBitmap;

// 16 x 16, quadrants red, green (top) and blue, white (bottom); written by ImageMagick:
//   convert -size 8x8 xc:'#FF0000' xc:'#00FF00' +append
//     \( -size 8x8 xc:'#0000FF' xc:'#FFFFFF' +append \) -append
//     -quality 95 -sampling-factor 1x1 -strip quad.jpg
const std::vector<unsigned char> kQuadrants = {
    0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x02, 0x01, 0x01, 0x01, 0x01, 0x01, 0x02,
    0x01, 0x01, 0x01, 0x02, 0x02, 0x02, 0x02, 0x02, 0x04, 0x03, 0x02, 0x02, 0x02, 0x02, 0x05, 0x04,
    0x04, 0x03, 0x04, 0x06, 0x05, 0x06, 0x06, 0x06, 0x05, 0x06, 0x06, 0x06, 0x07, 0x09, 0x08, 0x06,
    0x07, 0x09, 0x07, 0x06, 0x06, 0x08, 0x0b, 0x08, 0x09, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x06, 0x08,
    0x0b, 0x0c, 0x0b, 0x0a, 0x0c, 0x09, 0x0a, 0x0a, 0x0a, 0xff, 0xdb, 0x00, 0x43, 0x01, 0x02, 0x02,
    0x02, 0x02, 0x02, 0x02, 0x05, 0x03, 0x03, 0x05, 0x0a, 0x07, 0x06, 0x07, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0xff, 0xc0,
    0x00, 0x11, 0x08, 0x00, 0x10, 0x00, 0x10, 0x03, 0x01, 0x11, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11,
    0x01, 0xff, 0xc4, 0x00, 0x16, 0x00, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x09, 0x08, 0x0a, 0xff, 0xc4, 0x00, 0x14, 0x10, 0x01, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff,
    0xc4, 0x00, 0x17, 0x01, 0x00, 0x03, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x08, 0x09, 0x0a, 0x07, 0xff, 0xc4, 0x00, 0x14, 0x11, 0x01, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xda,
    0x00, 0x0c, 0x03, 0x01, 0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3f, 0x00, 0x8b, 0xc2, 0x99, 0xfe,
    0x12, 0x80, 0xb6, 0x85, 0x70, 0x36, 0xb4, 0xc3, 0x58, 0x6e, 0x20, 0x80, 0xda, 0xa3, 0xff, 0xd9};

// 8 x 8 mid grey, one component: convert -size 8x8 xc:gray50 -colorspace Gray -quality 90 -strip
const std::vector<unsigned char> kGrey = {
    0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x03, 0x02, 0x02, 0x03, 0x02, 0x02, 0x03,
    0x03, 0x03, 0x03, 0x04, 0x03, 0x03, 0x04, 0x05, 0x08, 0x05, 0x05, 0x04, 0x04, 0x05, 0x0a, 0x07,
    0x07, 0x06, 0x08, 0x0c, 0x0a, 0x0c, 0x0c, 0x0b, 0x0a, 0x0b, 0x0b, 0x0d, 0x0e, 0x12, 0x10, 0x0d,
    0x0e, 0x11, 0x0e, 0x0b, 0x0b, 0x10, 0x16, 0x10, 0x11, 0x13, 0x14, 0x15, 0x15, 0x15, 0x0c, 0x0f,
    0x17, 0x18, 0x16, 0x14, 0x18, 0x12, 0x14, 0x15, 0x14, 0xff, 0xc0, 0x00, 0x0b, 0x08, 0x00, 0x08,
    0x00, 0x08, 0x01, 0x01, 0x11, 0x00, 0xff, 0xc4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0xff, 0xc4, 0x00, 0x14,
    0x10, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0xff, 0xda, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3f, 0x00, 0x0f, 0xff, 0xd9};

// Lossy coding moves flat colours by a few levels at most.
::testing::AssertionResult Near(COLORREF got, COLORREF want) {
    const auto close = [](int a, int b) { return std::abs(a - b) <= 6; };
    if (close(GetRValue(got), GetRValue(want)) && close(GetGValue(got), GetGValue(want)) &&
        close(GetBValue(got), GetBValue(want))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << testing::DescribeColour(got) << " is not near " << testing::DescribeColour(want);
}

// Encodes width x height pixels with libjpeg itself (optionally progressive).
std::vector<unsigned char> Encode(int width, int height,
                                  const std::function<COLORREF(int, int)>& pixel,
                                  bool progressive = false) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 98, TRUE);
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixel(x, y);
            row[x * 3] = GetRValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetBValue(c);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> data(buffer, buffer + size);
    std::free(buffer);
    return data;
}

COLORREF LeftRed(int x, int) {
    return x < 16 ? RGB(255, 0, 0) : RGB(0, 0, 255);
}

TEST(DecodeJpeg, AnOutsideEncodersQuadrantsComeOutInPlace) {
    const JpegPicture picture = DecodeJpeg(kQuadrants);
    ASSERT_EQ(picture.width, 16);
    ASSERT_EQ(picture.height, 16);
    const auto pixels = ReadBitmap(picture.bitmap.get());
    EXPECT_TRUE(Near(pixels[2 * 16 + 2], RGB(255, 0, 0)));        // top left
    EXPECT_TRUE(Near(pixels[2 * 16 + 13], RGB(0, 255, 0)));       // top right
    EXPECT_TRUE(Near(pixels[13 * 16 + 2], RGB(0, 0, 255)));       // bottom left
    EXPECT_TRUE(Near(pixels[13 * 16 + 13], RGB(255, 255, 255)));  // bottom right
}

TEST(DecodeJpeg, TheResultIsA24BitDibSection) {
    const JpegPicture picture = DecodeJpeg(kQuadrants);
    DIBSECTION section{};
    ASSERT_EQ(GetObjectA(picture.bitmap.get(), sizeof section, &section),
              static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
    EXPECT_EQ(section.dsBmih.biWidth, 16);
    EXPECT_EQ(section.dsBmih.biHeight, 16);  // bottom-up
}

TEST(DecodeJpeg, AGreyPictureBecomesGreyInAllThreeChannels) {
    const JpegPicture picture = DecodeJpeg(kGrey);
    ASSERT_EQ(picture.width, 8);
    for (COLORREF p : ReadBitmap(picture.bitmap.get())) {
        EXPECT_TRUE(Near(p, RGB(127, 127, 127)));
    }
}

TEST(DecodeJpeg, OddWidthsAndHeightsKeepEveryRowInPlace) {
    // 37 pixels of 3 bytes leave a padded DIB row; a row out of place would show here.
    const auto data = Encode(37, 13, [](int x, int y) {
        return (y < 5) ? RGB(250, 250, 250) : (x < 16 ? RGB(0, 0, 0) : RGB(200, 30, 30));
    });
    const JpegPicture picture = DecodeJpeg(data);
    ASSERT_EQ(picture.width, 37);
    ASSERT_EQ(picture.height, 13);
    const auto pixels = ReadBitmap(picture.bitmap.get());
    EXPECT_TRUE(Near(pixels[1 * 37 + 30], RGB(250, 250, 250)));
    EXPECT_TRUE(Near(pixels[11 * 37 + 3], RGB(0, 0, 0)));
    EXPECT_TRUE(Near(pixels[11 * 37 + 30], RGB(200, 30, 30)));
}

TEST(DecodeJpeg, ProgressivePicturesDecodeToo) {
    const JpegPicture picture = DecodeJpeg(Encode(32, 8, LeftRed, true));
    const auto pixels = ReadBitmap(picture.bitmap.get());
    EXPECT_TRUE(Near(pixels[4 * 32 + 3], RGB(255, 0, 0)));
    EXPECT_TRUE(Near(pixels[4 * 32 + 28], RGB(0, 0, 255)));
}

TEST(DecodeJpeg, DataThatEndsEarlyIsRefused) {
    for (size_t keep : {kQuadrants.size() - 2, kQuadrants.size() / 2, size_t{200}, size_t{30},
                        size_t{3}, size_t{2}, size_t{1}}) {
        const std::vector<unsigned char> cut(kQuadrants.begin(), kQuadrants.begin() + keep);
        EXPECT_THROW(DecodeJpeg(cut), JpegError) << "kept " << keep << " bytes";
    }
    const auto progressive = Encode(32, 8, LeftRed, true);
    const std::vector<unsigned char> cut(progressive.begin(),
                                         progressive.begin() + progressive.size() * 2 / 3);
    EXPECT_THROW(DecodeJpeg(cut), JpegError);
}

TEST(DecodeJpeg, DataThatIsNoJpegIsRefused) {
    EXPECT_THROW(DecodeJpeg({}), JpegError);
    const std::vector<unsigned char> text = {'B', 'M', 'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'g'};
    EXPECT_THROW(DecodeJpeg(text), JpegError);
    try {
        DecodeJpeg(text);
    } catch (const JpegError& error) {
        EXPECT_NE(std::string(error.what()).find("JPEG"), std::string::npos) << error.what();
    }
}

// Offset of the frame header's height field (after FF C0/C2, length and precision).
size_t FrameSizeOffset(const std::vector<unsigned char>& data) {
    for (size_t i = 0; i + 8 < data.size(); ++i) {
        if (data[i] == 0xFF && (data[i + 1] == 0xC0 || data[i + 1] == 0xC2))
            return i + 5;
    }
    return 0;
}

TEST(DecodeJpeg, AnAbsurdDeclaredSizeIsRefusedBeforeAnyAllocation) {
    std::vector<unsigned char> huge = kQuadrants;
    const size_t at = FrameSizeOffset(huge);
    ASSERT_NE(at, 0u);
    huge[at] = 0xEA;  // height 60000
    huge[at + 1] = 0x60;
    huge[at + 2] = 0xEA;  // width 60000
    huge[at + 3] = 0x60;
    EXPECT_THROW(DecodeJpeg(huge), JpegError);

    std::vector<unsigned char> zero = kQuadrants;
    zero[at] = 0;
    zero[at + 1] = 0;
    EXPECT_THROW(DecodeJpeg(zero), JpegError);
}

TEST(DecodeJpeg, CorruptEntropyDataNeverCrashes) {
    // Whatever libjpeg makes of it, the decoder either refuses or returns a whole picture.
    for (size_t at = 0; at < kQuadrants.size(); at += 7) {
        std::vector<unsigned char> damaged = kQuadrants;
        damaged[at] ^= 0x5A;
        try {
            const JpegPicture picture = DecodeJpeg(damaged);
            EXPECT_TRUE(picture.bitmap);
            EXPECT_GT(picture.width, 0);
        } catch (const JpegError&) {
        }
    }
}

// The pictures of the program's windows, as linked into every program.
TEST(LoadJpegResource, ThePicturesOfTheWindowsDecodeAtTheirSizes) {
    struct Expected {
        const char* name;
        int width;
        int height;
    };
    for (const Expected& e : {Expected{"TITLETEXTURE", 50, 50}, Expected{"ABOUTBANNER", 360, 50},
                              Expected{"DONATEBUTTON", 62, 31}}) {
        const JpegPicture picture = LoadJpegResource(GetModuleHandleA(nullptr), e.name);
        EXPECT_EQ(picture.width, e.width) << e.name;
        EXPECT_EQ(picture.height, e.height) << e.name;
        EXPECT_EQ(BitmapSize(picture.bitmap.get()).cx, e.width) << e.name;
    }
}

TEST(LoadJpegResource, AMissingResourceIsAnError) {
    EXPECT_THROW(LoadJpegResource(GetModuleHandleA(nullptr), "NO_SUCH_PICTURE"), JpegError);
}

}  // namespace
}  // namespace zelkova
