// Time from process start to a visible main window: Zelkova.exe beside a plain Win32 program
// that shows one window of the same size, started the same way, alternately, in the same run.
// The ratio of the medians is the figure; the plain program's time is what Wine itself costs.
#include "support/WinProcess_win.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using zelkova::testing::ChildProcess;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds until the program's window of that class is visible; negative when it never is.
double TimeToWindow(const std::string& program, const char* windowClass) {
    const auto start = Clock::now();
    ChildProcess child = ChildProcess::Start(zelkova::testing::ProgramCommandLine(program));
    if (!child) return -1;
    for (;;) {
        HWND window = zelkova::testing::FindProcessWindow(child.Id(), windowClass);
        if (window != nullptr && IsWindowVisible(window)) break;
        if (Clock::now() - start > std::chrono::seconds(20)) return -1;
        Sleep(1);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<double> zelkova, plain;
    // One start of each first: the system's caches and the wineserver are warm afterwards.
    TimeToWindow("plain_window.exe", "ZelkovaPlainWindow");
    TimeToWindow("Zelkova.exe", "Free Zelkova Made by Velund Software");
    for (int round = 0; round < rounds; ++round) {
        const double p = TimeToWindow("plain_window.exe", "ZelkovaPlainWindow");
        const double z = TimeToWindow("Zelkova.exe", "Free Zelkova Made by Velund Software");
        if (p < 0 || z < 0) {
            std::puts("startup_bench: a program showed no window");
            return 1;
        }
        plain.push_back(p);
        zelkova.push_back(z);
    }
    // On a shared machine the fastest start is the steadiest estimate of the cost itself; the
    // median shows what the other load added.
    const double z = Median(zelkova), p = Median(plain);
    const double zMin = *std::min_element(zelkova.begin(), zelkova.end());
    const double pMin = *std::min_element(plain.begin(), plain.end());
    std::printf("start to visible main window, %d alternate starts each:\n", rounds);
    std::printf("                      fastest   median\n");
    std::printf("  plain Win32 window  %7.1f  %7.1f ms\n", pMin, p);
    std::printf("  Zelkova.exe         %7.1f  %7.1f ms\n", zMin, z);
    std::printf("  ratio               %7.3f  %7.3f\n", zMin / pMin, z / p);
    return 0;
}
