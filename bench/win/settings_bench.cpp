// Load and save of 100, 1,000 and 10,000 favourites under Wine through the system's profile
// functions and through the portable profile file (as the program uses it under Wine), beside
// the reference of writing and of reading the same file's bytes in one piece (measured in the
// same run). Prints milliseconds, the multiple of the reference, and the growth from one size
// to the next.
//
//   settings_bench.exe [largest size, default 10000] [largest for the system, default 1000]
//
// Wine's functions take minutes to save 10,000 favourites: ask for them by the second argument.
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
#include "platform/WinProfileFileStore.h"
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
    const int largestSystem = argc > 2 ? std::atoi(argv[2]) : 1000;
    testing::WinScratchFolder scratch;
    const ProfileFileOpener system = OpenWinProfileFile;
    const WinProfileFileStore files;
    const ProfileFileOpener portable = PortableProfileFileOpener(files);

    std::printf("%8s %-9s %12s %10s %12s %10s\n", "entries", "via", "save ms", "save/raw",
                "load ms", "load/raw");
    const auto print = [](int count, const char* via, const Timing& t, const Timing& raw) {
        std::printf("%8d %-9s %12.2f %10.1f %12.2f %10.1f\n", count, via, t.save, t.save / raw.save,
                    t.load, t.load / raw.load);
    };
    const auto growth = [](const char* via, const Timing& now, const Timing& before) {
        if (before.save > 0)
            std::printf("%8s %s grew x%.1f (save) and x%.1f (load) for x10 entries\n", "", via,
                        now.save / before.save, now.load / before.load);
    };
    Timing previousSystem, previousPortable;
    for (int count = 100; count <= largest; count *= 10) {
        // The system functions cost seconds at 10,000 entries: fewer rounds there.
        const int rounds = count >= 10000 ? 1 : count >= 1000 ? 3 : 9;
        const Timing p = Measure(scratch.File("portable.ini"), portable, count, rounds * 3);
        const Timing raw = MeasureRaw(scratch.File("portable.ini"), rounds * 3);
        print(count, "portable", p, raw);
        growth("portable", p, previousPortable);
        previousPortable = p;
        if (count <= largestSystem) {
            const Timing s = Measure(scratch.File("system.ini"), system, count, rounds);
            print(count, "system", s, raw);
            growth("system", s, previousSystem);
            std::printf("%8s system/portable: save x%.1f, load x%.1f\n", "", s.save / p.save,
                        s.load / p.load);
            previousSystem = s;
        }
        std::printf("%8d %-9s %12.3f %10s %12.3f\n", count, "raw", raw.save, "", raw.load);
        std::fflush(stdout);
    }
    return 0;
}
