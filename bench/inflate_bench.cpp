// Our Deflate decoder beside zlib's inflate on the same streams, decoding to memory and to a
// file. Prints MB/s of output for both and our speed as a ratio of zlib's (medians when run with
// --benchmark_repetitions).
//
// Streams: synthetic text and noisy pixel rows; files found on this machine (licence texts, a PE
// and an ELF program, a photograph and a diagram decoded to pixels) at levels 6 and 9; and
// streams of tiny dynamic blocks, as zlib writes them when flushed often and as a hostile writer
// would, each block with 15-bit codes. A missing file only drops its stream.
#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "skin/Inflate.h"
#include "base/StdioFileSystem.h"
#include "support/DeflateWriter.h"
#include "support/ZlibDeflate.h"

namespace {

using zelkova::InflateStatus;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kDataSize = 4 << 20;

// 32-bit pixel rows with gradients, flat areas, a key colour and some noise.
Bytes BitmapLike() {
    std::mt19937 rng(1);
    Bytes data;
    data.reserve(kDataSize);
    const std::size_t width = 640;
    for (std::size_t y = 0; data.size() < kDataSize; ++y) {
        for (std::size_t x = 0; x < width && data.size() < kDataSize; ++x) {
            const bool key = (x / 40 + y / 30) % 4 == 0;
            const std::uint8_t noise = rng() % 8 == 0 ? static_cast<std::uint8_t>(rng() % 6) : 0;
            const std::uint8_t pixel[4] = {
                key ? std::uint8_t{0xFF} : static_cast<std::uint8_t>(x / 3 + noise),
                key ? std::uint8_t{0} : static_cast<std::uint8_t>(y / 2),
                key ? std::uint8_t{0xFF} : static_cast<std::uint8_t>(128 + noise), 0};
            data.insert(data.end(), pixel, pixel + 4);
        }
    }
    data.resize(kDataSize);
    return data;
}

// Word salad with a skewed vocabulary, roughly like English text.
Bytes TextLike() {
    static const char* const kWords[] = {
        "the ", "of ", "and ", "skin ", "button ", "registry ", "key ", "value ", "editor ",
        "favourites ", "window ", "theme ", "bitmap ", "frame ", "colour ", "password ", "archive ",
        "HKEY_CURRENT_USER\\Software\\", "Microsoft\\Windows\\CurrentVersion\\", ". ", ",\r\n"};
    std::mt19937 rng(2);
    std::geometric_distribution<int> pick(0.18);
    Bytes data;
    data.reserve(kDataSize + 64);
    while (data.size() < kDataSize) {
        const char* word = kWords[std::min(pick(rng), 20)];
        while (*word != '\0') data.push_back(static_cast<std::uint8_t>(*word++));
        if (rng() % 50 == 0) data.push_back(static_cast<std::uint8_t>('0' + rng() % 10));
    }
    data.resize(kDataSize);
    return data;
}

Bytes ReadFile(const std::filesystem::path& path, std::size_t limit = kDataSize) {
    std::ifstream file(path, std::ios::binary);
    Bytes data(limit);
    file.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(limit));
    data.resize(static_cast<std::size_t>(file.gcount()));
    return data;
}

// The first of the candidates that exists, cut to kDataSize.
Bytes FirstFile(std::initializer_list<const char*> candidates) {
    for (const char* path : candidates)
        if (std::filesystem::is_regular_file(path)) return ReadFile(path);
    return {};
}

// Every regular file of a folder, in name order, one after another.
Bytes ConcatenatedFolder(const char* folder) {
    std::vector<std::filesystem::path> paths;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file()) paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    Bytes data;
    for (const auto& path : paths) {
        const Bytes part = ReadFile(path);
        data.insert(data.end(), part.begin(), part.end());
    }
    return data;
}

struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// Reads the picture's rows as RGB into `pixels`, up to kDataSize; false on a libjpeg error.
bool ReadJpegRows(jpeg_decompress_struct& info, JpegErrors& errors, const Bytes& file,
                  Bytes& pixels) {
    if (setjmp(errors.jump) != 0) return false;
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t row = std::size_t{info.output_width} * 3;
    while (info.output_scanline < info.output_height && pixels.size() + row <= kDataSize) {
        pixels.resize(pixels.size() + row);
        JSAMPROW line = pixels.data() + pixels.size() - row;
        jpeg_read_scanlines(&info, &line, 1);
    }
    jpeg_abort_decompress(&info);
    return true;
}

// The RGB pixels of the first JPEG picture of the candidates that can be read, cut to kDataSize.
Bytes JpegPixels(std::initializer_list<const char*> candidates) {
    for (const char* path : candidates) {
        const Bytes file = ReadFile(path, 64 << 20);
        if (file.empty()) continue;
        jpeg_decompress_struct info{};
        JpegErrors errors{};
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = [](j_common_ptr cinfo) {
            std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1);
        };
        jpeg_create_decompress(&info);
        Bytes pixels;
        const bool read = ReadJpegRows(info, errors, file, pixels);
        jpeg_destroy_decompress(&info);
        if (read && !pixels.empty()) return pixels;
    }
    return {};
}

// Dynamic blocks of six literals and one match, each with a literal/length and a distance code
// whose longest codes are 15 bits: the most table per input bit a block can ask for. Lengths
// are written with zero runs, as a compact header would be.
struct Stream {
    Bytes original;
    Bytes stream;
};
Stream TinyBlocksWithLongCodes(std::size_t blocks) {
    using zelkova::testing::BitWriter;
    // Code-length code: 0-12 take four bits, 13-18 five (as the test writer does).
    std::array<std::uint8_t, 19> codeLengthLengths{};
    for (unsigned s = 0; s < 19; ++s) codeLengthLengths[s] = s < 13 ? 4 : 5;
    const std::vector<std::uint32_t> lengthCodes =
        zelkova::testing::CanonicalCodes(codeLengthLengths);
    const auto putLengths = [&](BitWriter& bits, std::span<const std::uint8_t> lengths) {
        for (std::size_t i = 0; i < lengths.size();) {
            std::size_t run = 0;
            while (i + run < lengths.size() && lengths[i + run] == 0 && run < 138) ++run;
            if (run >= 11) {
                bits.PutCode(lengthCodes[18], 5);
                bits.Put(run - 11, 7);
                i += run;
            } else {
                bits.PutCode(lengthCodes[lengths[i]], codeLengthLengths[lengths[i]]);
                ++i;
            }
        }
    };
    // Literals 'a'..'n' take 1..14 bits, 'o' and the end of block 15; the match length 3
    // (symbol 257) shares a 15-bit pair by replacing 'o'.
    std::vector<std::uint8_t> literal(258, 0);
    const char kLetters[] = "abcdefghijklmn";
    for (unsigned i = 0; i < 14; ++i)
        literal[static_cast<std::uint8_t>(kLetters[i])] = static_cast<std::uint8_t>(i + 1);
    literal[256] = 15;
    literal[257] = 15;
    std::vector<std::uint8_t> distance(16);
    for (unsigned i = 0; i < 15; ++i) distance[i] = static_cast<std::uint8_t>(i + 1);
    distance[15] = 15;
    const std::vector<std::uint32_t> literalCodes = zelkova::testing::CanonicalCodes(literal);

    static const unsigned kOrder[] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                      11, 4,  12, 3, 13, 2, 14, 1, 15};
    Stream s;
    BitWriter bits;
    for (std::size_t b = 0; b < blocks; ++b) {
        zelkova::testing::PutBlockHeader(bits, b + 1 == blocks, 2);
        bits.Put(literal.size() - 257, 5);
        bits.Put(distance.size() - 1, 5);
        bits.Put(19 - 4, 4);
        for (unsigned i = 0; i < 19; ++i) bits.Put(codeLengthLengths[kOrder[i]], 3);
        putLengths(bits, literal);
        putLengths(bits, distance);
        for (char c : std::string_view("abacad")) {
            bits.PutCode(literalCodes[static_cast<std::uint8_t>(c)],
                         literal[static_cast<std::uint8_t>(c)]);
            s.original.push_back(static_cast<std::uint8_t>(c));
        }
        bits.PutCode(literalCodes[257], 15);  // length 3 ...
        bits.PutCode(0, 1);                   // ... at distance 1
        s.original.insert(s.original.end(), 3, 'd');
        bits.PutCode(literalCodes[256], 15);
    }
    s.stream = bits.Finish();
    return s;
}

struct Sample {
    std::string name;
    Bytes original;
    Bytes stream;
};

const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = [] {
        const std::pair<std::string, Bytes> sources[] = {
            {"synthetic-text", TextLike()},
            {"synthetic-noisy-pixels", BitmapLike()},
            {"licence-texts", ConcatenatedFolder("/usr/share/common-licenses")},
            {"pe-dll", FirstFile({"/usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll",
                                  "/usr/lib/gcc/x86_64-w64-mingw32/12-win32/libstdc++-6.dll"})},
            {"elf-program", FirstFile({"/usr/bin/cmake", "/usr/bin/gdb", "/usr/bin/bash"})},
            {"photo-pixels",
             JpegPixels({"/root/.rustup/toolchains/stable-x86_64-unknown-linux-gnu/share/doc/rust/"
                         "html/embedded-book/assets/f3.jpg"})},
            {"diagram-pixels",
             JpegPixels({"/usr/lib/google-cloud-sdk/platform/gsutil/third_party/pyparsing/docs/"
                         "_static/pyparsingClassDiagram_3.0.9.jpg"})},
        };
        std::vector<Sample> s;
        for (const auto& [name, data] : sources) {
            if (data.empty()) {
                std::fprintf(stderr, "no data for %s: skipped\n", name.c_str());
                continue;
            }
            for (int level : {6, 9})
                s.push_back({name + "/" + std::to_string(level), data,
                             zelkova::testing::ZlibRawDeflate(data, level)});
        }
        const Bytes text = TextLike();
        const std::span<const std::uint8_t> head(text.data(), 1 << 20);
        s.push_back(
            {"zlib-flush-every-64", {head.begin(), head.end()}, zelkova::testing::ZlibFlushedEvery(head, 64, Z_FULL_FLUSH)});
        Stream hostile = TinyBlocksWithLongCodes(20000);
        s.push_back(
            {"tiny-blocks-15-bit-codes", std::move(hostile.original), std::move(hostile.stream)});
        return s;
    }();
    return samples;
}

std::string TempOutput() {
    return std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
           "/zelkova-inflate-bench.out";
}

void OursToMemory(benchmark::State& state, const Sample* sample) {
    Bytes out;
    for (auto _ : state) {
        if (zelkova::InflateToVector(sample->stream, out, sample->original.size()) !=
            InflateStatus::Done)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(out.data());
    }
    if (out != sample->original) state.SkipWithError("wrong output");
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * sample->original.size()));
}

// zlib's inflate with the whole output buffer given at once: its fastest path.
void ZlibToMemory(benchmark::State& state, const Sample* sample) {
    Bytes out(sample->original.size());
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
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * sample->original.size()));
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
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * sample->original.size()));
}

// zlib writing through a 64 KB buffer, as a program unpacking to a file would.
void ZlibToFile(benchmark::State& state, const Sample* sample) {
    Bytes buffer(64 * 1024);
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
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * sample->original.size()));
}

// Prints, after the usual table, each of our results as a ratio of zlib's on the same stream:
// the median of the repetitions when there are several, else the one run.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto found = run.counters.find("bytes_per_second");
            if (found == run.counters.end() || run.error_occurred) continue;
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[name] = found->second.value;
            else if (run.run_type == Run::RT_Iteration)
                singles_[name] = found->second.value;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::map<std::string, double> speeds = singles_;
        for (const auto& [name, value] : medians_) speeds[name] = value;
        std::printf("\n%-40s %10s %10s %7s\n", "stream / target", "ours MB/s", "zlib MB/s",
                    "ratio");
        for (const auto& [name, ours] : speeds) {
            if (name.rfind("ours/", 0) != 0) continue;
            const auto zlib = speeds.find("zlib/" + name.substr(5));
            if (zlib == speeds.end() || zlib->second <= 0) continue;
            std::printf("%-40s %10.1f %10.1f %7.2f\n", name.substr(5).c_str(), ours / 1e6,
                        zlib->second / 1e6, ours / zlib->second);
        }
    }

private:
    std::map<std::string, double> singles_;
    std::map<std::string, double> medians_;
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
