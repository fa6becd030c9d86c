// Time of a jump into Wine's own Registry Editor, from the click on Zelkova.exe's Jump button to
// the handler's return after its last message, for a 3-level and an 8-level key, with the
// editor running and with none running (the jump then starts it).
//
// References from the same run: a click on Jump with text that resolves to nothing (what the
// click, the handler's dispatch and our way of noticing its return cost by themselves), and
// the editor's own start, from the shell call to its tree holding the root keys. Each jump is
// checked to have landed on its key, by the editor's status bar. For a breakdown, the same
// navigation is also timed when called from this process, which has no window to give up.
#include "jump/EditorNavigation.h"
#include "platform/WinEditorAutomation.h"

#include "support/WineRegistryEditor_win.h"
#include "support/ZelkovaApp_win.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace zelkova::testing;
using Clock = std::chrono::steady_clock;

constexpr const char* kBase = "Software\\Zelkova Jump Bench";
const std::string kUserBase = std::string("HKEY_CURRENT_USER\\") + kBase;
const std::string kThreeLevels = kUserBase + "\\Level 3";
const std::string kEightLevels = kUserBase + "\\L3\\L4.4\\L 5\\L_6\\L-7\\Level 8";

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Run {
    std::vector<double> times;
    int landed = 0;
};

class Bench {
public:
    bool Ready() const { return app_.Started() && app_.JumpButton(); }

    // Posts the click and, behind it, a selection change of the jump field that Zelkova handles
    // only after the click's handler has returned. The field is asked every millisecond: a
    // handler waiting on the editor answers each question, so asking without pause would
    // slow down what is measured.
    double Click(const std::string& text) {
        HWND field = app_.JumpField();
        app_.SetJumpText(text);
        SendMessageA(field, EM_SETSEL, 0, 0);
        const Clock::time_point start = Clock::now();
        ZelkovaApp::Click(app_.JumpButton());
        PostMessageA(field, EM_SETSEL, 0, -1);
        const Clock::time_point limit = start + std::chrono::seconds(30);
        for (DWORD end = 0; end == 0 && Clock::now() < limit; Sleep(1))
            SendMessageA(field, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
        return Milliseconds(Clock::now() - start);
    }

    void Jump(const std::string& key, Run& run) {
        run.times.push_back(Click(key));
        HWND editor = RegistryEditorWindow();
        if (editor && SelectedKeyPath(editor) == key) ++run.landed;
    }

private:
    ZelkovaApp app_;
};

void Navigate(const std::string& key, Run& run) {
    zelkova::WinEditorAutomation automation;
    const std::size_t slash = key.find('\\');
    const Clock::time_point start = Clock::now();
    zelkova::NavigateRegistryEditor({key.substr(0, slash), key.substr(slash + 1), ""}, automation);
    run.times.push_back(Milliseconds(Clock::now() - start));
    HWND editor = RegistryEditorWindow();
    if (editor && SelectedKeyPath(editor) == key) ++run.landed;
}

void Print(const char* what, const Run& run, double reference, const char* referenceName) {
    const double median = Median(run.times);
    std::printf("  %-34s %8.1f ms  = %6.2f x %s  (landed %d of %zu)\n", what, median,
                reference > 0 ? median / reference : 0.0, referenceName, run.landed,
                run.times.size());
}

}  // namespace

int main() {
    if (const std::string problem = EnsureWinesOwnRegistryEditor(); !problem.empty()) {
        std::printf("wine_jump_bench: %s\n", problem.c_str());
        return 1;
    }
    CloseEveryRegistryEditor();
    const ScratchRegistryTree tree(kBase);
    if (!tree.AddKey("Level 3") || !tree.AddKey("L3\\L4.4\\L 5\\L_6\\L-7\\Level 8")) {
        std::puts("wine_jump_bench: cannot make the keys");
        return 1;
    }
    Bench bench;
    if (!bench.Ready()) {
        std::puts("wine_jump_bench: Zelkova.exe showed no Jump button");
        return 1;
    }

    constexpr int kColdRounds = 8;
    constexpr int kWarmRounds = 25;
    Run idle, cold3, cold8, warm3, warm8, direct3, direct8;
    std::vector<double> editorStarts;

    bench.Click("HKCU");  // warm-up of Zelkova's handler
    for (int round = 0; round < kColdRounds; ++round) {
        CloseEveryRegistryEditor();
        const Clock::time_point start = Clock::now();
        if (StartRegistryEditor()) editorStarts.push_back(Milliseconds(Clock::now() - start));
        CloseEveryRegistryEditor();
        bench.Jump(kThreeLevels, cold3);
        CloseEveryRegistryEditor();
        bench.Jump(kEightLevels, cold8);
    }
    for (int round = 0; round < kWarmRounds; ++round) {
        idle.times.push_back(bench.Click("HKCU"));
        bench.Jump(kThreeLevels, warm3);
        bench.Jump(kEightLevels, warm8);
    }
    for (int round = 0; round < kWarmRounds; ++round) {
        Navigate(kThreeLevels, direct3);
        Navigate(kEightLevels, direct8);
    }
    CloseEveryRegistryEditor();

    const double click = Median(idle.times);
    const double start = Median(editorStarts);
    std::printf("jump into Wine's Registry Editor, click to return, median:\n");
    std::printf("  %-34s %8.1f ms  (reference: click on a text that jumps nowhere)\n",
                "click alone", click);
    std::printf("  %-34s %8.1f ms  (reference: shell start to a filled tree, median of %zu)\n",
                "editor start alone", start, editorStarts.size());
    Print("editor running, 3 levels", warm3, click, "click");
    Print("editor running, 8 levels", warm8, click, "click");
    Print("  navigation alone, 3 levels", direct3, click, "click");
    Print("  navigation alone, 8 levels", direct8, click, "click");
    Print("editor not running, 3 levels", cold3, start, "start");
    Print("editor not running, 8 levels", cold8, start, "start");
    return warm3.landed + warm8.landed + cold3.landed + cold8.landed ==
                   static_cast<int>(warm3.times.size() + warm8.times.size() + cold3.times.size() +
                                    cold8.times.size())
               ? 0
               : 2;
}
