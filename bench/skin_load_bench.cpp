// Whole skin loads (archive, Deflate, scratch file, container, bitmaps) beside zlib inflating
// the same entry to memory, for ordinary and hostile skins. The ratio Load / Zlib of a sample
// is what a skin file can make us spend for each unit of work zlib would do on it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "skin/file/SUI2SkinReader.h"
#include "base/StdioFileSystem.h"
#include "support/ScratchFolder.h"
#include "support/SkinFileWriter.h"
#include "support/ZlibDeflate.h"

namespace {

using zelkova::testing::SkinContainerBuilder;

std::vector<std::uint8_t> OneBitBmp(int width, int height) {
    const std::size_t stride = static_cast<std::size_t>((width + 31) / 32 * 4);
    std::vector<std::uint8_t> bmp(62 + stride * static_cast<std::size_t>(height), 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    zelkova::testing::Put32(bmp, 10, 62);
    zelkova::testing::Put32(bmp, 14, 40);
    zelkova::testing::Put32(bmp, 18, static_cast<std::uint32_t>(width));
    zelkova::testing::Put32(bmp, 22, static_cast<std::uint32_t>(height));
    zelkova::testing::Put16(bmp, 26, 1);
    zelkova::testing::Put16(bmp, 28, 1);
    return bmp;
}

struct Sample {
    std::vector<std::uint8_t> container;
    std::vector<std::uint8_t> stream;  // the container, raw Deflate
    std::string skinPath;
};

Sample Make(const SkinContainerBuilder& builder, zelkova::testing::ScratchFolder& folder,
            const std::string& name) {
    Sample sample;
    sample.container = builder.Build();
    sample.stream = zelkova::testing::ZlibRawDeflate(sample.container, 9);
    zelkova::testing::SkinArchiveOptions options;
    const std::vector<std::uint8_t> stream = sample.stream;
    options.deflate = [stream](std::span<const std::uint8_t>) { return stream; };
    sample.skinPath = folder.File(name);
    zelkova::testing::WriteFileBytes(
        sample.skinPath,
        zelkova::testing::BuildSkinArchive({{"SKINDATA.SK2", sample.container}}, options));
    return sample;
}

// An ordinary skin: a button strip and a few values.
SkinContainerBuilder ButtonSkin() {
    SkinContainerBuilder skin;
    skin.AddBitmap("SKIN2_BUTTON", zelkova::testing::MakeBmp24(
                                       90, 21,
                                       [](int x, int y) {
                                           return static_cast<std::uint32_t>(x * 0x020100 + y * 3);
                                       }))
        .AddBoolean("SKIN2_BUTTONTRANS", 1)
        .AddInteger("SKIN2_BUTTONFONTCOLOR", 0xFF);
    return skin;
}

// One-bit bitmaps that fill the 16 M pixel budget: the most pixels per compressed byte.
SkinContainerBuilder PixelBudget() {
    SkinContainerBuilder skin;
    for (int i = 1; i <= 4; ++i)
        skin.AddBitmap("SKIN2_TITLEBAR" + std::to_string(i), OneBitBmp(4096, 1024));
    return skin;
}

// As many flag records as fit in the 64 MiB an entry may hold: the longest chain.
SkinContainerBuilder ManyRecords() {
    SkinContainerBuilder skin;
    for (int i = 0; i < 860000; ++i) skin.AddBoolean("B", 1);
    return skin;
}

void Load(benchmark::State& state, const Sample* sample) {
    zelkova::StdioFileSystem files;
    zelkova::PortableTempFolder temp;
    for (auto _ : state) {
        const zelkova::Tsk2SkinFileReader reader({files, temp}, sample->skinPath, "");
        if (!reader.Ready()) state.SkipWithError("not ready");
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * sample->container.size()));
}

void Zlib(benchmark::State& state, const Sample* sample) {
    for (auto _ : state) {
        const auto out = zelkova::testing::ZlibRawInflate(sample->stream, sample->container.size());
        if (!out) state.SkipWithError("zlib failed");
        benchmark::DoNotOptimize(out->data());
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * sample->container.size()));
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    zelkova::testing::ScratchFolder folder;
    static const Sample button = Make(ButtonSkin(), folder, "button.skn");
    static const Sample pixels = Make(PixelBudget(), folder, "pixels.skn");
    static const Sample records = Make(ManyRecords(), folder, "records.skn");
    for (const auto& [name, sample] :
         {std::pair{"button", &button}, std::pair{"pixel_budget", &pixels},
          std::pair{"many_records", &records}}) {
        benchmark::RegisterBenchmark((std::string("Load/") + name).c_str(), Load, sample)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Zlib/") + name).c_str(), Zlib, sample)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
