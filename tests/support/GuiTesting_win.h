// Helpers for tests that drive the GUI framework with real window messages: one application
// for the whole test program, message pumping through the application's own loop, and a
// message-box sink that records instead of showing.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "gui/Application.h"
#include "gui/ErrorReport.h"
#include "gui/Form.h"

namespace zelkova::gui_testing {

// The program's application (made on first use, titled "Free Zelkova").
Application& TestApplication();

// Processes messages through the application's loop (dialog keys, accelerators and all) for
// the given time; idle updates run whenever the queue falls empty.
void PumpFor(std::chrono::milliseconds duration);
// Processes messages until done() or the timeout; returns done().
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
// Processes what is queued now, without waiting.
void PumpPending();

// Processes messages until the window has stood still on the screen for a moment. A window
// manager takes a shown window over (into its frame, to its place) after the show, and
// meanwhile Wine reports the window where the X server has it for the moment: a screen position
// read before it settles is stale.
void PumpUntilPlaced(HWND window);

// Posts a message and processes the queue, so it goes through the loop's pre-translation.
void PostAndPump(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// Key-down and key-up data for a key message (repeat count 1, scan code of the key).
LPARAM KeyData(WPARAM key, bool up, bool alt = false);
LPARAM PointData(int x, int y);

struct RecordedBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT flags;
};

// Installs itself as the application's message-box sink for its lifetime.
class RecordingMessageBox : public MessageBoxSink {
public:
    RecordingMessageBox();
    ~RecordingMessageBox() override;
    int Show(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;

    std::vector<RecordedBox> boxes;
    // Whether the forms were disabled while the box was up.
    std::vector<bool> formEnabledDuringBox;
    HWND watchedForm = nullptr;
};

// A plain form of the given client size at a fixed place, shown (and so focusable).
class TestForm : public Form {
public:
    TestForm(int width = 300, int height = 200);
};

}  // namespace zelkova::gui_testing
