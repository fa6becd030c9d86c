// libjpeg reports a fatal error by calling error_exit, which must not return. We leave it with
// longjmp back to GuardedStep. That is only sound when no C++ object with a destructor lives in the
// frames the jump skips, so every libjpeg call runs inside a GuardedStep whose own frame holds
// nothing but plain data, and everything owning (the DIB, the row buffer, the decompressor's
// cleanup) lives in DecodeJpeg's frame, which the jump never leaves.
//
// Input comes from our own memory source: when the data runs out it reports the fact and feeds an
// end-of-image marker, so a truncated picture is refused instead of being shown half grey.
#include "gui/JpegPicture.h"

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "gui/ResourceBytes.h"

namespace zelkova {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;  // first, so libjpeg's pointer to it is a pointer to us
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ExitWithMessage(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings go nowhere: the default prints to stderr, which a GUI program does not have.
void IgnoreMessage(j_common_ptr, int) {}

struct MemorySource {
    jpeg_source_mgr base;  // first, as above
    bool ranOut;
};

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr info) {
    auto* source = reinterpret_cast<MemorySource*>(info->src);
    source->ranOut = true;
    source->base.next_input_byte = kEndOfImage;
    source->base.bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    jpeg_source_mgr* source = info->src;
    if (static_cast<unsigned long>(count) > source->bytes_in_buffer) {
        FillInputBuffer(info);
        return;
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<std::size_t>(count);
}

// Runs one libjpeg step. Returns false when libjpeg gave up (the message is in the error
// manager). Nothing here may own anything: see the top of the file.
template <typename Step>
bool GuardedStep(ErrorManager& errors, Step* step, j_decompress_ptr info, void* context) noexcept {
    if (setjmp(errors.jump) != 0) return false;
    step(info, context);
    return true;
}

void ReadHeader(j_decompress_ptr info, void*) {
    jpeg_read_header(info, TRUE);
    if (info->num_components == 1) {
        info->out_color_space = JCS_GRAYSCALE;
    } else {
        info->out_color_space = JCS_RGB;
    }
    jpeg_calc_output_dimensions(info);
}

struct PixelTarget {
    unsigned char* bits;  // bottom-up 24-bit DIB rows
    std::size_t stride;   // bytes per DIB row
    unsigned char* row;   // one decoded scanline
};

void ReadPixels(j_decompress_ptr info, void* context) {
    const auto* target = static_cast<const PixelTarget*>(context);
    jpeg_start_decompress(info);
    const JDIMENSION width = info->output_width;
    const JDIMENSION height = info->output_height;
    const bool grey = info->output_components == 1;
    while (info->output_scanline < height) {
        JSAMPROW rows[1] = {target->row};
        const JDIMENSION y = info->output_scanline;
        if (jpeg_read_scanlines(info, rows, 1) != 1) break;
        unsigned char* out =
            target->bits + static_cast<std::size_t>(height - 1 - y) * target->stride;
        const unsigned char* in = target->row;
        for (std::size_t x = 0; x < width; ++x, out += 3) {
            if (grey) {
                out[0] = out[1] = out[2] = in[x];
            } else {
                out[0] = in[3 * x + 2];
                out[1] = in[3 * x + 1];
                out[2] = in[3 * x];
            }
        }
    }
    jpeg_finish_decompress(info);
}

// Releases libjpeg's memory however decoding ends.
struct DecompressorCleanup {
    jpeg_decompress_struct* info;
    ~DecompressorCleanup() { jpeg_destroy_decompress(info); }
};

[[noreturn]] void Fail(const ErrorManager& errors) {
    throw JpegError(std::string("Cannot decode JPEG picture: ") + errors.message);
}

}  // namespace

JpegPicture DecodeJpeg(std::span<const unsigned char> data) {
    if (data.empty()) throw JpegError("Cannot decode JPEG picture: no data");

    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ExitWithMessage;
    errors.base.emit_message = IgnoreMessage;

    // jpeg_create_decompress can fail (out of memory) and then has nothing to destroy yet.
    if (!GuardedStep(
            errors, +[](j_decompress_ptr d, void*) { jpeg_create_decompress(d); }, &info,
            nullptr)) {
        Fail(errors);
    }
    DecompressorCleanup cleanup{&info};

    MemorySource source{};
    source.base.init_source = InitSource;
    source.base.fill_input_buffer = FillInputBuffer;
    source.base.skip_input_data = SkipInputData;
    source.base.resync_to_restart = jpeg_resync_to_restart;
    source.base.term_source = TermSource;
    source.base.next_input_byte = data.data();
    source.base.bytes_in_buffer = data.size();
    info.src = &source.base;

    if (!GuardedStep(errors, ReadHeader, &info, nullptr)) Fail(errors);
    if (source.ranOut) throw JpegError("Cannot decode JPEG picture: the data ends early");
    if (info.output_components != 1 && info.output_components != 3) {
        throw JpegError("Cannot decode JPEG picture: unsupported colour format");
    }
    const long long width = info.output_width;
    const long long height = info.output_height;
    if (width < 1 || height < 1 || width > kMaxJpegSide || height > kMaxJpegSide ||
        width * height > kMaxJpegPixels) {
        throw JpegError("Cannot decode JPEG picture: unsupported size");
    }

    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = static_cast<LONG>(width);
    header.bmiHeader.biHeight = static_cast<LONG>(height);  // positive: bottom-up
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap bitmap(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) throw JpegError("Cannot decode JPEG picture: out of memory");

    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    PixelTarget target{static_cast<unsigned char*>(bits),
                       (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}, row.data()};
    if (!GuardedStep(errors, ReadPixels, &info, &target)) Fail(errors);
    if (source.ranOut) throw JpegError("Cannot decode JPEG picture: the data ends early");

    return JpegPicture{std::move(bitmap), static_cast<int>(width), static_cast<int>(height)};
}

JpegPicture LoadJpegResource(HMODULE module, const char* name) {
    const auto bytes = ResourceBytes(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (bytes.empty()) {
        throw JpegError(std::string("Picture resource not found: ") + name);
    }
    return DecodeJpeg(bytes);
}

}  // namespace zelkova
