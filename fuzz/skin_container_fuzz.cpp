// Any byte string as an unpacked skin container, and as a BMP file.
#include <cstdint>
#include <cstdlib>

#include "skin/file/BmpImage.h"
#include "skin/file/SkinContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    zelkova::MemoryFile file(bytes);
    if (const auto container = zelkova::ParseSkinContainer(file)) {
        for (const auto& bitmap : container->bitmaps) {
            const auto& image = bitmap.value;
            if (image.Pixels().size() !=
                static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()))
                std::abort();
        }
        (void)container->FindInteger("SKIN2_TITLEBARICONPOSX");
    }
    if (const auto image = zelkova::ParseBmp(bytes)) {
        if (image->Width() <= 0 || image->Height() <= 0) std::abort();
        (void)image->Pixel(image->Width() - 1, image->Height() - 1);
    }
    return 0;
}
