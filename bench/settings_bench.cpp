// Load and save of 100, 1,000 and 10,000 favourites through the portable profile file, beside
// the references of writing and of reading the same file's bytes in one piece. The counter
// "vs_raw" is a save's time as a multiple of the raw write, a load's as one of the raw read,
// both measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "favourites/FavouritesList.h"
#include "favourites/Global.h"
#include "support/SettingsWorkload.h"
#include "favourites/PortableProfileFile.h"
#include "favourites/StdioProfileFileStore.h"
#include "support/ScratchFolder.h"

namespace {

using namespace zelkova;

// Every folder exists; the opener sends every path to one file of the scratch folder.
struct Fixture {
    testing::ScratchFolder scratch;
    std::string path = scratch.File("options.ini");
    testing::AlwaysThereEnvironment environment;
    StdioProfileFileStore files;
    SettingsFile settings{environment, [this](const std::string&) {
                              return std::make_unique<PortableProfileFile>(path, files);
                          }};
};

std::string Slurp(const std::string& path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char chunk[16384];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
        std::fclose(file);
    }
    return bytes;
}

// Seconds per iteration of the references, by kind and list size, filled by the raw
// benchmarks that run first.
std::map<std::pair<char, int>, double>& ReferenceSeconds() {
    static std::map<std::pair<char, int>, double> seconds;
    return seconds;
}

template <typename Body>
void TimeIteration(benchmark::State& state, double& total, Body body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    total += seconds;
}

void RecordReference(benchmark::State& state, char kind, int count, double total) {
    state.counters["entries"] = count;
    ReferenceSeconds()[{kind, count}] = total / static_cast<double>(state.iterations());
}

void Report(benchmark::State& state, char kind, int count, double total) {
    state.counters["entries"] = count;
    const double reference = ReferenceSeconds()[{kind, count}];
    if (reference > 0)
        state.counters["vs_raw"] = total / static_cast<double>(state.iterations()) / reference;
}

// References: the file a save produces, written in one piece ('w') or read in one piece ('r').
void RawWrite(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Fixture fixture;
    fixture.settings.SaveFavourites(testing::FavouritesOf(count));
    const std::string bytes = Slurp(fixture.path);
    double total = 0;
    for (auto _ : state) {
        std::remove(fixture.path.c_str());
        TimeIteration(state, total, [&] {
            std::ofstream out(fixture.path, std::ios::binary);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        });
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
    RecordReference(state, 'w', count, total);
}

void RawRead(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Fixture fixture;
    fixture.settings.SaveFavourites(testing::FavouritesOf(count));
    double total = 0;
    for (auto _ : state) {
        TimeIteration(state, total, [&] { benchmark::DoNotOptimize(Slurp(fixture.path)); });
    }
    RecordReference(state, 'r', count, total);
}

void Save(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Fixture fixture;
    const FavouritesList list = testing::FavouritesOf(count);
    double total = 0;
    for (auto _ : state) {
        std::remove(fixture.path.c_str());
        TimeIteration(state, total, [&] { fixture.settings.SaveFavourites(list); });
    }
    Report(state, 'w', count, total);
}

void Load(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Fixture fixture;
    fixture.settings.SaveFavourites(testing::FavouritesOf(count));
    double total = 0;
    for (auto _ : state) {
        FavouritesList list;
        TimeIteration(state, total, [&] { fixture.settings.LoadFavourites(list); });
        if (list.Count() != count) state.SkipWithError("the load lost entries");
    }
    Report(state, 'r', count, total);
}

#define SIZES Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMicrosecond)
BENCHMARK(RawWrite)->SIZES;
BENCHMARK(RawRead)->SIZES;
BENCHMARK(Save)->SIZES;
BENCHMARK(Load)->SIZES;
#undef SIZES

}  // namespace

BENCHMARK_MAIN();
