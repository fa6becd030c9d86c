// Any byte string as a skin file, loaded the whole way: archive, decryption, Deflate, the
// scratch file (in memory here) and the container with its bitmaps. Whatever the bytes, the
// load ends in a result or the reader's own error, never writes more than an entry may hold,
// leaves no scratch file alive, and keeps the bitmaps inside the pixel budget.
#include <cstdint>
#include <cstdlib>

#include "skin/file/SUI2SkinReader.h"
#include "skin/file/SkinArchive.h"
#include "tests/support/CountingTempFolder.h"
#include "tests/support/MemoryFileSystem.h"

using namespace zelkova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::MemoryFileSystem files("skin.skn", std::span<const std::uint8_t>(data, size));
    testing::CountingTempFolder temp("temp/");
    for (const char* password : {"pw", ""}) {
        const Tsk2SkinFileReader reader(SkinFileEnvironment{files, temp}, "skin.skn", password);
        std::uint64_t pixels = 0;
        for (const auto& bitmap : reader.Contents().bitmaps) {
            const BmpImage& image = bitmap.value;
            if (image.Pixels().size() !=
                static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()))
                std::abort();
            pixels += image.Pixels().size();
        }
        if (pixels > kMaxSkinPixels) std::abort();
        if (!reader.Ready() && !reader.Contents().bitmaps.empty()) std::abort();
        if (reader.Ready() && reader.Fault() != SkinFileFault::None) std::abort();
        if (files.LiveScratchFiles() != 0) std::abort();
        if (files.LargestScratchFile() > kMaxSkinEntrySize) std::abort();
    }
    return 0;
}
