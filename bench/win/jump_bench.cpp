// Time of one jump into the stand-in editor to a 10-level key path, beside the sleeps the
// keystroke sequence is obliged to make (measured in the same run, since Sleep's real length
// depends on the platform's timer). The difference is our overhead: the messages themselves.
#include "jump/EditorNavigation.h"
#include "jump/TypedPath.h"
#include "platform/WinEditorAutomation.h"

#include "support/WinProcess_win.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    using namespace zelkova;
    SetEnvironmentVariableA("ZELKOVA_FAKE_EDITOR_LOG", nullptr);
    testing::ChildProcess editor =
        testing::ChildProcess::Start(testing::ProgramCommandLine("fake_regedit.exe"));
    if (!testing::WaitForWindow(
            [&] { return testing::FindProcessWindow(editor.Id(), kEditorWindowClass); })) {
        std::puts("jump_bench: the stand-in editor did not start");
        return 1;
    }

    const KeyJumpRequest request{
        "HKEY_CURRENT_USER",
        "Software\\Level02\\Level03\\Level04\\Level05\\Level06\\Level07\\Level08\\Level09\\Level10",
        "Value"};
    const std::string typed = TypedPath(request);
    const int pauses =
        2 + static_cast<int>(std::count(typed.begin(), typed.end(), '\\')) + 1;  // + the list's
    const int messages =
        30 + 1 + static_cast<int>(typed.size()) + 1 + static_cast<int>(request.ValueName.size());

    WinEditorAutomation automation;
    constexpr int kRounds = 25;
    std::vector<double> jumps, sleeps, bare;
    HWND tree =
        FindWindowExA(FindWindowA(kEditorWindowClass, nullptr), nullptr, kTreePaneClass, nullptr);
    NavigateRegistryEditor(request, automation);  // warm-up
    for (int round = 0; round < kRounds; ++round) {
        auto start = Clock::now();
        NavigateRegistryEditor(request, automation);
        jumps.push_back(Milliseconds(Clock::now() - start));

        start = Clock::now();
        for (int i = 0; i < pauses; ++i) Sleep(kArrowPauseMs);
        sleeps.push_back(Milliseconds(Clock::now() - start));

        start = Clock::now();
        for (int i = 0; i < messages; ++i) SendMessageA(tree, WM_NULL, 0, 0);
        bare.push_back(Milliseconds(Clock::now() - start));
    }
    const double jump = Median(jumps), sleep = Median(sleeps), message = Median(bare);
    std::printf(
        "jump to a 10-level key and a value (%d messages, %d pauses of %u ms), median of %d:\n",
        messages, pauses, kArrowPauseMs, kRounds);
    std::printf("  jump            %8.2f ms\n", jump);
    std::printf("  obliged sleeps  %8.2f ms (nominal %d ms)\n", sleep,
                pauses * static_cast<int>(kArrowPauseMs));
    std::printf("  overhead        %8.2f ms = %.1f%% above the sleeps (ratio %.3f)\n", jump - sleep,
                100.0 * (jump - sleep) / sleep, jump / sleep);
    std::printf(
        "  bare messages   %8.2f ms for %d cross-process WM_NULL: the platform's share of the "
        "overhead\n",
        message, messages);
    std::printf("  ours            %8.2f ms = %.1f%% above sleeps + bare messages\n",
                jump - sleep - message, 100.0 * (jump - sleep - message) / (sleep + message));
    return 0;
}
