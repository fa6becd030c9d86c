// Load and save of 100, 1,000 and 10,000 favourites under Wine through the system's profile
// functions and through the portable profile file, beside the reference of writing and of
// reading the same file's bytes in one piece (measured in the same run). Prints milliseconds,
// the multiple of the reference, and the growth from one size to the next.
//
//   settings_bench.exe [largest size, default 10000]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "favourites/FavouritesList.h"
#include "favourites/Global.h"
#include "support/SettingsWorkload.h"
#include "favourites/PortableProfileFile.h"
#include "platform/WinProfileFile.h"
#include "support/WinScratchFolder_win.h"

namespace {

using namespace zelkova;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

template <typename Body>
double Median(int rounds, Body body) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        body();
        times.push_back(Milliseconds(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Every folder exists; the settings file is whatever path the opener was built for.
struct Timing {
    double save = 0;
    double load = 0;
};

Timing Measure(const std::string& path, const ProfileFileOpener& open, int count, int rounds) {
    testing::AlwaysThereEnvironment environment;
    SettingsFile settings(environment, [&](const std::string&) { return open(path); });
    const FavouritesList list = testing::FavouritesOf(count);
    Timing timing;
    timing.save = Median(rounds, [&] {
        DeleteFileA(path.c_str());
        settings.SaveFavourites(list);
    });
    timing.load = Median(rounds, [&] {
        FavouritesList loaded;
        settings.LoadFavourites(loaded);
        if (loaded.Count() != count) {
            std::printf("settings_bench: the load lost entries\n");
            std::exit(1);
        }
    });
    return timing;
}

Timing MeasureRaw(const std::string& path, int rounds) {
    const std::string bytes = testing::ReadFileText(path);
    Timing timing;
    timing.save = Median(rounds, [&] {
        DeleteFileA(path.c_str());
        testing::WriteFileText(path, bytes);
    });
    timing.load = Median(rounds, [&] {
        if (testing::ReadFileText(path).size() != bytes.size()) std::exit(1);
    });
    return timing;
}

}  // namespace

int main(int argc, char** argv) {
    const int largest = argc > 1 ? std::atoi(argv[1]) : 10000;
    testing::WinScratchFolder scratch;
    const ProfileFileOpener system = OpenWinProfileFile;
    const ProfileFileOpener portable = [](const std::string& path) {
        return std::unique_ptr<ProfileFile>(std::make_unique<PortableProfileFile>(path));
    };

    std::printf("%8s %-9s %12s %10s %12s %10s\n", "entries", "via", "save ms", "save/raw",
                "load ms", "load/raw");
    Timing previousSystem, previousPortable;
    for (int count = 100; count <= largest; count *= 10) {
        // The system functions cost seconds at 10,000 entries: fewer rounds there.
        const int rounds = count >= 10000 ? 1 : count >= 1000 ? 3 : 9;
        const Timing s = Measure(scratch.File("system.ini"), system, count, rounds);
        const Timing p = Measure(scratch.File("portable.ini"), portable, count, rounds * 3);
        const Timing raw = MeasureRaw(scratch.File("portable.ini"), rounds * 3);
        std::printf("%8d %-9s %12.2f %10.1f %12.2f %10.1f\n", count, "system", s.save,
                    s.save / raw.save, s.load, s.load / raw.load);
        std::printf("%8d %-9s %12.2f %10.1f %12.2f %10.1f\n", count, "portable", p.save,
                    p.save / raw.save, p.load, p.load / raw.load);
        std::printf("%8d %-9s %12.3f %10s %12.3f\n", count, "raw", raw.save, "", raw.load);
        if (previousSystem.save > 0) {
            std::printf("%8s growth x10 entries: system save x%.1f load x%.1f, portable save "
                        "x%.1f load x%.1f\n",
                        "", s.save / previousSystem.save, s.load / previousSystem.load,
                        p.save / previousPortable.save, p.load / previousPortable.load);
        }
        std::printf("%8s system/portable: save x%.1f, load x%.1f\n", "", s.save / p.save,
                    s.load / p.load);
        std::fflush(stdout);
        previousSystem = s;
        previousPortable = p;
    }
    return 0;
}
