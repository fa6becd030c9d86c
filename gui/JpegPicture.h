// JPEG pictures of the window layouts, decoded with libjpeg into 24-bit DIB sections.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>
#include <stdexcept>

#include "gui/Gdi.h"

namespace zelkova {

// The data is not a whole, decodable JPEG picture (or a picture resource is missing).
class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decoded picture: a bottom-up 24-bit DIB section of width x height.
struct JpegPicture {
    OwnedBitmap bitmap;
    int width = 0;
    int height = 0;
};

// Largest picture accepted, per side and in total, so that a corrupt header cannot ask for
// gigabytes.
inline constexpr int kMaxJpegSide = 16384;
inline constexpr long long kMaxJpegPixels = 1LL << 25;

// Decodes JPEG data with one (grey) or three (colour) components. Data that ends early is an
// error rather than a picture padded with grey. Throws JpegError.
JpegPicture DecodeJpeg(std::span<const unsigned char> data);

// Decodes the RCDATA resource of that name in the module. Throws JpegError.
JpegPicture LoadJpegResource(HMODULE module, const char* name);

}  // namespace zelkova
