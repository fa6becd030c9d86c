// Any byte string as a skin archive, opened with the seeds' password and with none.
#include <cstdint>
#include <cstdlib>

#include "skin/file/SkinArchive.h"
#include "tests/support/CountingOutput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zelkova::MemoryFile file(std::span<const std::uint8_t>(data, size));
    const auto entry = zelkova::FindSkinEntry(file, "SKINDATA.SK2");
    if (!entry) return 0;
    for (const char* password : {"pw", ""}) {
        zelkova::testing::CountingOutput output;
        const auto outcome = zelkova::UnpackSkinEntry(file, *entry, output, password);
        if (output.BytesWritten() > entry->uncompressedSize) std::abort();
        if (outcome == zelkova::ExtractOutcome::Success &&
            output.BytesWritten() != entry->uncompressedSize)
            std::abort();
    }
    return 0;
}
