#include "resources/pictures/generator/Encoders.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

#include "resources/generator/Quantize.h"

namespace zelkova::art {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// Rows of a DIB are padded to whole 32-bit words.
std::size_t Stride(int width, int bitsPerPixel) {
    return std::size_t((width * bitsPerPixel + 31) / 32) * 4;
}

}  // namespace

std::vector<std::uint8_t> EncodeIcon16(const Canvas& canvas) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    if (width <= 0 || width > 256 || height <= 0 || height > 256) {
        throw std::invalid_argument("an icon is 1 to 256 pixels on a side");
    }
    IndexedImage image = Quantize(canvas, 16);
    // The key colour's entry colours only masked pixels: black leaves the screen as it was.
    for (std::uint32_t& colour : image.palette) {
        if (colour == kKeyRgb) colour = 0;
    }
    image.palette.resize(16, 0);

    const std::size_t colourStride = Stride(width, 4);
    const std::size_t maskStride = Stride(width, 1);
    const std::uint32_t imageBytes =
        std::uint32_t(40 + 16 * 4 + (colourStride + maskStride) * std::size_t(height));

    std::vector<std::uint8_t> out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, 1);  // one image
    out.push_back(std::uint8_t(width == 256 ? 0 : width));
    out.push_back(std::uint8_t(height == 256 ? 0 : height));
    out.push_back(16);  // colours
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, 4);  // bits per pixel
    Put32(out, imageBytes);
    Put32(out, 6 + 16);  // offset of the image

    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height * 2));  // colour image and mask together
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);  // uncompressed
    Put32(out, std::uint32_t((colourStride + maskStride) * std::size_t(height)));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 16);
    Put32(out, 0);
    for (std::uint32_t colour : image.palette) {
        out.push_back(std::uint8_t(colour & 0xFF));
        out.push_back(std::uint8_t((colour >> 8) & 0xFF));
        out.push_back(std::uint8_t((colour >> 16) & 0xFF));
        out.push_back(0);
    }
    // Both bitmaps are stored bottom-up.
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(colourStride, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t index =
                image.indices[std::size_t(y) * std::size_t(width) + std::size_t(x)];
            row[std::size_t(x / 2)] |= std::uint8_t(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskStride, 0);
        for (int x = 0; x < width; ++x) {
            if (canvas.IsKey(x, y)) row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<std::uint8_t> EncodeJpeg(const Canvas& canvas, int quality) {
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    // The generator's own pictures are small and well formed; a libjpeg error here ends the run.
    errors.error_exit = [](j_common_ptr info) {
        (*info->err->output_message)(info);
        std::exit(1);
    };
    jpeg_create_compress(&compressor);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);
    compressor.image_width = JDIMENSION(canvas.Width());
    compressor.image_height = JDIMENSION(canvas.Height());
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, quality, TRUE);
    compressor.optimize_coding = FALSE;
    jpeg_start_compress(&compressor, TRUE);
    std::vector<JSAMPLE> row(std::size_t(canvas.Width()) * 3);
    while (compressor.next_scanline < compressor.image_height) {
        const int y = int(compressor.next_scanline);
        for (int x = 0; x < canvas.Width(); ++x) {
            const std::uint32_t rgb = canvas.Rgb24(x, y);
            row[std::size_t(x) * 3] = JSAMPLE((rgb >> 16) & 0xFF);
            row[std::size_t(x) * 3 + 1] = JSAMPLE((rgb >> 8) & 0xFF);
            row[std::size_t(x) * 3 + 2] = JSAMPLE(rgb & 0xFF);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&compressor, rows, 1);
    }
    jpeg_finish_compress(&compressor);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&compressor);
    std::free(buffer);
    return out;
}

}  // namespace zelkova::art
