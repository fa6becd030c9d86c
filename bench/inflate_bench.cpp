// Our Deflate decoder beside zlib's inflate and libdeflate's decompressor on the same streams,
// decoding to memory (all three, each given the exact output size) and to a file (ours and
// zlib). Ours runs twice to memory: with the inner loop the processor allows best (as the
// program does) and with the one for any processor ("portable"). Prints MB/s of output for each
// and our speeds as ratios of the others' (medians when run with --benchmark_repetitions).
//
// Streams: synthetic text and noisy pixel rows, and files found on this machine (licence texts,
// a PE and an ELF program, a photograph and a diagram decoded to pixels), up to 4 MB, written by
// zlib at levels 1, 6 and 9 and by libdeflate at level 12; the same data in pieces of 4, 16 and
// 64 KB from the middle, and one 35 KB licence text whole, as small as the entries of a skin; and
// streams of tiny dynamic blocks, as zlib writes them when flushed often and as a hostile writer
// would, each block with 15-bit codes. A missing file only drops its streams.
//
// With --instructions[=REGEX] it decodes each matching stream once more by each decoder with
// callgrind's collection on and dumps the count under the decoder's and stream's name, for
// tools/inflate-instructions; outside valgrind that mode only decodes.
#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <libdeflate.h>
#include <zlib.h>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(name) static_cast<void>(name)
#endif

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <functional>
#include <memory>
#include <random>
#include <regex>
#include <string>

#include "skin/file/Inflate.h"
#include "base/StdioFileSystem.h"
#include "support/DeflateWriter.h"
#include "support/Libdeflate.h"
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
    static const char* const kWords[] = {"the ",
                                         "of ",
                                         "and ",
                                         "skin ",
                                         "button ",
                                         "registry ",
                                         "key ",
                                         "value ",
                                         "editor ",
                                         "favourites ",
                                         "window ",
                                         "theme ",
                                         "bitmap ",
                                         "frame ",
                                         "colour ",
                                         "password ",
                                         "archive ",
                                         "HKEY_CURRENT_USER\\Software\\",
                                         "Microsoft\\Windows\\CurrentVersion\\",
                                         ". ",
                                         ",\r\n"};
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
    bool toFile = false;  // also decoded to a file
};

// A stream not yet made: making them all takes seconds, and under valgrind minutes.
struct Recipe {
    std::string name;
    std::function<Sample()> make;
};

// The data a stream is made from, read or generated once.
using DataSource = std::function<const Bytes&()>;
DataSource Cached(std::function<Bytes()> make) {
    auto cache = std::make_shared<std::optional<Bytes>>();
    return [cache, make = std::move(make)]() -> const Bytes& {
        if (!*cache) *cache = make();
        return **cache;
    };
}

// `size` bytes from the middle of data, or nothing when data is shorter.
Bytes Piece(const Bytes& data, std::size_t size) {
    if (data.size() < size) return {};
    const std::size_t from = (data.size() - size) / 2;
    return Bytes(data.begin() + static_cast<std::ptrdiff_t>(from),
                 data.begin() + static_cast<std::ptrdiff_t>(from + size));
}

struct Level {
    const char* name;
    Bytes (*deflate)(std::span<const std::uint8_t>);
};
constexpr Level kLevels[] = {
    {"z1", [](std::span<const std::uint8_t> d) { return zelkova::testing::ZlibRawDeflate(d, 1); }},
    {"z6", [](std::span<const std::uint8_t> d) { return zelkova::testing::ZlibRawDeflate(d, 6); }},
    {"z9", [](std::span<const std::uint8_t> d) { return zelkova::testing::ZlibRawDeflate(d, 9); }},
    {"ld12",
     [](std::span<const std::uint8_t> d) { return zelkova::testing::LibdeflateRawDeflate(d, 12); }},
};

std::vector<Recipe> Recipes() {
    const DataSource text = Cached(TextLike);
    const DataSource licences =
        Cached([] { return ConcatenatedFolder("/usr/share/common-licenses"); });
    const DataSource dll = Cached([] {
        return FirstFile({"/usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll",
                          "/usr/lib/gcc/x86_64-w64-mingw32/12-win32/libstdc++-6.dll"});
    });
    const DataSource elf = Cached([] {
        return FirstFile({"/usr/bin/cmake", "/usr/bin/gdb", "/usr/bin/bash"});
    });
    const DataSource photo = Cached([] {
        return JpegPixels(
            {"/root/.rustup/toolchains/stable-x86_64-unknown-linux-gnu/share/doc/"
             "rust/html/embedded-book/assets/f3.jpg"});
    });
    const DataSource diagram = Cached([] {
        return JpegPixels(
            {"/usr/lib/google-cloud-sdk/platform/gsutil/third_party/pyparsing/docs/"
             "_static/pyparsingClassDiagram_3.0.9.jpg"});
    });
    const std::pair<std::string, DataSource> whole[] = {
        {"synthetic-text", text},    {"synthetic-noisy-pixels", Cached(BitmapLike)},
        {"licence-texts", licences}, {"pe-dll", dll},
        {"elf-program", elf},        {"photo-pixels", photo},
        {"diagram-pixels", diagram},
    };
    std::vector<std::pair<std::string, DataSource>> small = {
        {"gpl3-text-35k", Cached([] { return ReadFile("/usr/share/common-licenses/GPL-3"); })}};
    for (const auto& [name, source] : {std::pair{"licence-texts", licences},
                                       {"pe-dll", dll},
                                       {"elf-program", elf},
                                       {"photo-pixels", photo}}) {
        for (std::size_t kb : {4, 16, 64})
            small.push_back({std::string(name) + "-" + std::to_string(kb) + "k",
                             Cached([source = source, kb] { return Piece(source(), kb * 1024); })});
    }

    std::vector<Recipe> recipes;
    const auto add = [&](const std::string& name, const DataSource& source, bool wholeFile) {
        for (const Level& level : kLevels) {
            // Decoding to a file is measured where it always was: whole files, zlib 6 and 9.
            const bool toFile = wholeFile && (std::string_view(level.name) == "z6" ||
                                              std::string_view(level.name) == "z9");
            recipes.push_back(
                {name + "/" + level.name, [=] {
                     const Bytes& data = source();
                     if (data.empty()) return Sample{};
                     return Sample{name + "/" + level.name, data, level.deflate(data), toFile};
                 }});
        }
    };
    for (const auto& [name, source] : whole) add(name, source, true);
    for (const auto& [name, source] : small) add(name, source, false);
    recipes.push_back({"zlib-flush-every-64", [text] {
                           const std::span<const std::uint8_t> head(text().data(), 1 << 20);
                           return Sample{
                               "zlib-flush-every-64",
                               {head.begin(), head.end()},
                               zelkova::testing::ZlibFlushedEvery(head, 64, Z_FULL_FLUSH)};
                       }});
    recipes.push_back({"tiny-blocks-15-bit-codes", [] {
                           Stream hostile = TinyBlocksWithLongCodes(20000);
                           return Sample{"tiny-blocks-15-bit-codes", std::move(hostile.original),
                                         std::move(hostile.stream)};
                       }});
    return recipes;
}

// The samples whose names match the filter (all when it is empty), in the recipes' order.
std::vector<Sample> MakeSamples(const std::string& filter) {
    const std::regex pattern(filter);
    std::vector<Sample> samples;
    std::vector<std::string> skipped;
    for (const Recipe& recipe : Recipes()) {
        if (!filter.empty() && !std::regex_search(recipe.name, pattern)) continue;
        Sample sample = recipe.make();
        if (sample.original.empty()) {
            std::fprintf(stderr, "no data for %s: skipped\n", recipe.name.c_str());
            continue;
        }
        samples.push_back(std::move(sample));
    }
    return samples;
}

std::string TempOutput() {
    return std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
           "/zelkova-inflate-bench.out";
}

// Each decoder to memory, given the exact output size. `out` is kept between calls, as a caller
// decoding entry after entry would keep its buffer.
bool OursOnce(const Sample& sample, Bytes& out,
              zelkova::InflateLoop loop = zelkova::InflateLoop::Best) {
    return zelkova::InflateToVector(sample.stream, out, sample.original.size(), loop) ==
           InflateStatus::Done;
}

// zlib's inflate with the whole output buffer given at once: its fastest path.
bool ZlibOnce(const Sample& sample, z_stream& z, Bytes& out) {
    inflateReset(&z);
    z.next_in = const_cast<Bytef*>(sample.stream.data());
    z.avail_in = static_cast<uInt>(sample.stream.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    return inflate(&z, Z_FINISH) == Z_STREAM_END;
}

// libdeflate's one call for a whole buffer, asked to fill exactly the output size.
bool LibdeflateOnce(const Sample& sample, libdeflate_decompressor* decompressor, Bytes& out) {
    return libdeflate_deflate_decompress(decompressor, sample.stream.data(), sample.stream.size(),
                                         out.data(), out.size(), nullptr) == LIBDEFLATE_SUCCESS;
}

using Decompressor =
    std::unique_ptr<libdeflate_decompressor, decltype(&libdeflate_free_decompressor)>;
Decompressor NewDecompressor() {
    return {libdeflate_alloc_decompressor(), &libdeflate_free_decompressor};
}

void OursToMemory(benchmark::State& state, const Sample* sample, zelkova::InflateLoop loop) {
    Bytes out;
    for (auto _ : state) {
        if (!OursOnce(*sample, out, loop)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(out.data());
    }
    if (out != sample->original) state.SkipWithError("wrong output");
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * sample->original.size()));
}

void ZlibToMemory(benchmark::State& state, const Sample* sample) {
    Bytes out(sample->original.size());
    z_stream z{};
    inflateInit2(&z, -15);
    for (auto _ : state) {
        if (!ZlibOnce(*sample, z, out)) state.SkipWithError("zlib failed");
        benchmark::DoNotOptimize(out.data());
    }
    inflateEnd(&z);
    if (out != sample->original) state.SkipWithError("wrong output");
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * sample->original.size()));
}

void LibdeflateToMemory(benchmark::State& state, const Sample* sample) {
    Bytes out(sample->original.size());
    const Decompressor decompressor = NewDecompressor();
    for (auto _ : state) {
        if (!LibdeflateOnce(*sample, decompressor.get(), out))
            state.SkipWithError("libdeflate failed");
        benchmark::DoNotOptimize(out.data());
    }
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

// Prints, after the usual table, each stream's speeds and ours as a ratio of zlib's and of
// libdeflate's: the median of the repetitions when there are several, else the one run.
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
        const auto speedOf = [&](const std::string& name) {
            const auto found = speeds.find(name);
            return found == speeds.end() ? 0.0 : found->second;
        };
        std::printf("\n%-36s %8s %8s %8s %8s %7s %7s %7s\n", "target / stream", "ours", "portabl.",
                    "zlib", "libdefl.", "/zlib", "/libdefl", "p/libd.");
        std::printf("%-36s %8s %8s %8s %8s\n", "", "MB/s", "MB/s", "MB/s", "MB/s");
        const auto print = [](double value, double scale, const char* format, int width) {
            if (value > 0)
                std::printf(format, width, value * scale);
            else
                std::printf(" %*s", width, "-");
        };
        for (const auto& [name, ours] : speeds) {
            if (name.rfind("ours/", 0) != 0) continue;
            const std::string rest = name.substr(5);
            const double portable = speedOf("portable/" + rest);
            const double zlib = speedOf("zlib/" + rest);
            const double libdeflate = speedOf("libdeflate/" + rest);
            std::printf("%-36s", rest.c_str());
            for (double speed : {ours, portable, zlib, libdeflate}) print(speed, 1e-6, " %*.1f", 8);
            print(zlib > 0 ? ours / zlib : 0, 1, " %*.2f", 7);
            print(libdeflate > 0 ? ours / libdeflate : 0, 1, " %*.2f", 7);
            print(libdeflate > 0 ? portable / libdeflate : 0, 1, " %*.2f", 7);
            std::printf("\n");
        }
    }

private:
    std::map<std::string, double> singles_;
    std::map<std::string, double> medians_;
};

// Decodes each sample by each decoder once to warm up, then once with callgrind collecting,
// and dumps that count as "<decoder>/<sample>".
int CountInstructions(const std::string& filter) {
    const std::vector<Sample> samples = MakeSamples(filter);
    const Decompressor decompressor = NewDecompressor();
    z_stream z{};
    inflateInit2(&z, -15);
    int failures = 0;
    for (const Sample& sample : samples) {
        Bytes ours;
        Bytes theirs(sample.original.size());
        const std::pair<const char*, std::function<bool()>> decoders[] = {
            {"ours", [&] { return OursOnce(sample, ours); }},
            {"portable", [&] { return OursOnce(sample, ours, zelkova::InflateLoop::Portable); }},
            {"zlib", [&] { return ZlibOnce(sample, z, theirs); }},
            {"libdeflate", [&] { return LibdeflateOnce(sample, decompressor.get(), theirs); }},
        };
        for (const auto& [name, decode] : decoders) {
            bool ok = decode();
            CALLGRIND_TOGGLE_COLLECT;
            ok = decode() && ok;
            CALLGRIND_TOGGLE_COLLECT;
            const std::string label = std::string(name) + "/" + sample.name;
            CALLGRIND_DUMP_STATS_AT(label.c_str());
            const bool isOurs = name[0] == 'o' || name[0] == 'p';
            if (!ok || (isOurs ? ours : theirs) != sample.original) {
                std::fprintf(stderr, "%s: wrong output\n", label.c_str());
                ++failures;
            }
        }
    }
    inflateEnd(&z);
    std::printf("%zu streams decoded by 4 decoders, %d failed\n", samples.size(), failures);
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--instructions") return CountInstructions("");
        if (arg.rfind("--instructions=", 0) == 0)
            return CountInstructions(std::string(arg.substr(15)));
    }
    static const std::vector<Sample> samples = MakeSamples("");
    for (const Sample& sample : samples) {
        benchmark::RegisterBenchmark(("ours/memory/" + sample.name).c_str(), OursToMemory, &sample,
                                     zelkova::InflateLoop::Best);
        benchmark::RegisterBenchmark(("portable/memory/" + sample.name).c_str(), OursToMemory,
                                     &sample, zelkova::InflateLoop::Portable);
        benchmark::RegisterBenchmark(("zlib/memory/" + sample.name).c_str(), ZlibToMemory, &sample);
        benchmark::RegisterBenchmark(("libdeflate/memory/" + sample.name).c_str(),
                                     LibdeflateToMemory, &sample);
        if (!sample.toFile) continue;
        benchmark::RegisterBenchmark(("ours/file/" + sample.name).c_str(), OursToFile, &sample);
        benchmark::RegisterBenchmark(("zlib/file/" + sample.name).c_str(), ZlibToFile, &sample);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
