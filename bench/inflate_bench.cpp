// Our Deflate decoder beside zlib's inflate on the same streams, decoding to memory and to a
// file. Prints MB/s of output for both and our speed as a ratio of zlib's.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "skin/Inflate.h"
#include "skin/StdioFileSystem.h"
#include "support/ZlibDeflate.h"

namespace {

using zelkova::InflateStatus;

constexpr std::size_t kDataSize = 4 << 20;

// 32-bit pixel rows with gradients, flat areas, a key colour and some noise.
std::vector<std::uint8_t> BitmapLike() {
    std::mt19937 rng(1);
    std::vector<std::uint8_t> data;
    data.reserve(kDataSize);
    const std::size_t width = 640;
    for (std::size_t y = 0; data.size() < kDataSize; ++y) {
        for (std::size_t x = 0; x < width && data.size() < kDataSize; ++x) {
            const bool key = (x / 40 + y / 30) % 4 == 0;
            const std::uint8_t noise = rng() % 8 == 0 ? static_cast<std::uint8_t>(rng() % 6) : 0;
            const std::uint8_t pixel[4] = {key ? std::uint8_t{0xFF} : static_cast<std::uint8_t>(x / 3 + noise),
                                           key ? std::uint8_t{0} : static_cast<std::uint8_t>(y / 2),
                                           key ? std::uint8_t{0xFF} : static_cast<std::uint8_t>(128 + noise), 0};
            data.insert(data.end(), pixel, pixel + 4);
        }
    }
    data.resize(kDataSize);
    return data;
}

// Word salad with a skewed vocabulary, roughly like English text.
std::vector<std::uint8_t> TextLike() {
    static const char* const kWords[] = {
        "the ", "of ", "and ", "skin ", "button ", "registry ", "key ", "value ", "editor ",
        "favourites ", "window ", "theme ", "bitmap ", "frame ", "colour ", "password ", "archive ",
        "HKEY_CURRENT_USER\\Software\\", "Microsoft\\Windows\\CurrentVersion\\", ". ", ",\r\n"};
    std::mt19937 rng(2);
    std::geometric_distribution<int> pick(0.18);
    std::vector<std::uint8_t> data;
    data.reserve(kDataSize + 64);
    while (data.size() < kDataSize) {
        const char* word = kWords[std::min(pick(rng), 20)];
        while (*word != '\0') data.push_back(static_cast<std::uint8_t>(*word++));
        if (rng() % 50 == 0) data.push_back(static_cast<std::uint8_t>('0' + rng() % 10));
    }
    data.resize(kDataSize);
    return data;
}

struct Sample {
    std::string name;
    std::vector<std::uint8_t> original;
    std::vector<std::uint8_t> stream;
};

const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = [] {
        std::vector<Sample> s;
        const std::vector<std::uint8_t> bitmap = BitmapLike();
        const std::vector<std::uint8_t> text = TextLike();
        for (int level : {6, 9}) {
            s.push_back({"bitmap/" + std::to_string(level), bitmap, zelkova::testing::ZlibRawDeflate(bitmap, level)});
            s.push_back({"text/" + std::to_string(level), text, zelkova::testing::ZlibRawDeflate(text, level)});
        }
        return s;
    }();
    return samples;
}

std::string TempOutput() { return std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/zelkova-inflate-bench.out"; }

void OursToMemory(benchmark::State& state, const Sample* sample) {
    std::vector<std::uint8_t> out;
    out.reserve(sample->original.size());
    for (auto _ : state) {
        if (zelkova::InflateToVector(sample->stream, out, sample->original.size()) != InflateStatus::Done)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(out.data());
    }
    if (out != sample->original) state.SkipWithError("wrong output");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sample->original.size()));
}

// zlib's inflate with the whole output buffer given at once: its fastest path.
void ZlibToMemory(benchmark::State& state, const Sample* sample) {
    std::vector<std::uint8_t> out(sample->original.size());
    z_stream z{};
    inflateInit2(&z, -15);
    for (auto _ : state) {
        inflateReset(&z);
        z.next_in = const_cast<Bytef*>(sample->stream.data());
        z.avail_in = static_cast<uInt>(sample->stream.size());
        z.next_out = out.data();
        z.avail_out = static_cast<uInt>(out.size());
        if (inflate(&z, Z_FINISH) != Z_STREAM_END) state.SkipWithError("zlib failed");
        benchmark::DoNotOptimize(out.data());
    }
    inflateEnd(&z);
    if (out != sample->original) state.SkipWithError("wrong output");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sample->original.size()));
}

class SpanSource final : public zelkova::InflateSource {
public:
    explicit SpanSource(std::span<const std::uint8_t> bytes) : rest_(bytes) {}
    std::size_t Read(std::span<std::uint8_t> buffer) override {
        const std::size_t n = std::min(buffer.size(), rest_.size());
        std::copy_n(rest_.begin(), n, buffer.begin());
        rest_ = rest_.subspan(n);
        return n;
    }

private:
    std::span<const std::uint8_t> rest_;
};

void OursToFile(benchmark::State& state, const Sample* sample) {
    zelkova::StdioFileSystem files;
    const std::string path = TempOutput();
    for (auto _ : state) {
        auto output = files.CreateForWriting(path);
        SpanSource source(sample->stream);
        if (zelkova::Inflate(source, *output, sample->original.size()) != InflateStatus::Done)
            state.SkipWithError("decode failed");
        output->Close();
    }
    files.RemoveFile(path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sample->original.size()));
}

// zlib writing through a 64 KB buffer, as a program unpacking to a file would.
void ZlibToFile(benchmark::State& state, const Sample* sample) {
    std::vector<std::uint8_t> buffer(64 * 1024);
    const std::string path = TempOutput();
    z_stream z{};
    inflateInit2(&z, -15);
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        inflateReset(&z);
        z.next_in = const_cast<Bytef*>(sample->stream.data());
        z.avail_in = static_cast<uInt>(sample->stream.size());
        int rc = Z_OK;
        while (rc == Z_OK) {
            z.next_out = buffer.data();
            z.avail_out = static_cast<uInt>(buffer.size());
            rc = inflate(&z, Z_NO_FLUSH);
            std::fwrite(buffer.data(), 1, buffer.size() - z.avail_out, file);
        }
        if (rc != Z_STREAM_END) state.SkipWithError("zlib failed");
        std::fclose(file);
    }
    inflateEnd(&z);
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sample->original.size()));
}

// Prints, after the usual table, each of our results as a ratio of zlib's on the same stream.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto found = run.counters.find("bytes_per_second");
            if (found != run.counters.end()) speeds_[run.benchmark_name()] = found->second.value;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-28s %12s %12s %8s\n", "stream / target", "ours MB/s", "zlib MB/s", "ratio");
        for (const auto& [name, ours] : speeds_) {
            if (name.rfind("ours/", 0) != 0) continue;
            const auto zlib = speeds_.find("zlib/" + name.substr(5));
            if (zlib == speeds_.end() || zlib->second <= 0) continue;
            std::printf("%-28s %12.1f %12.1f %8.2f\n", name.substr(5).c_str(), ours / 1e6,
                        zlib->second / 1e6, ours / zlib->second);
        }
    }

private:
    std::map<std::string, double> speeds_;
};

}  // namespace

int main(int argc, char** argv) {
    for (const Sample& sample : Samples()) {
        benchmark::RegisterBenchmark(("ours/memory/" + sample.name).c_str(), OursToMemory, &sample);
        benchmark::RegisterBenchmark(("zlib/memory/" + sample.name).c_str(), ZlibToMemory, &sample);
        benchmark::RegisterBenchmark(("ours/file/" + sample.name).c_str(), OursToFile, &sample);
        benchmark::RegisterBenchmark(("zlib/file/" + sample.name).c_str(), ZlibToFile, &sample);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
