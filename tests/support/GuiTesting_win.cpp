#include "support/GuiTesting_win.h"

#include <gtest/gtest.h>

namespace zelkova::gui_testing {

namespace {
// A real message box would wait for a click that never comes: an error that reaches the
// standard error report outside a test that expects one fails that test instead.
class FailingMessageBox : public MessageBoxSink {
public:
    int Show(HWND, const std::string& text, const std::string& caption, UINT) override {
        ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
        return IDOK;
    }
};

FailingMessageBox& Unexpected() {
    static FailingMessageBox sink;
    return sink;
}
}  // namespace

Application& TestApplication() {
    static Application* app = [] {
        auto* created = new Application();  // lives until the program ends
        created->SetTitle("Free Zelkova");
        created->SetMessageBoxSink(&Unexpected());
        return created;
    }();
    return *app;
}

void PumpPending() { TestApplication().ProcessMessages(); }

void PumpFor(std::chrono::milliseconds duration) {
    PumpUntil([] { return false; }, duration);
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    Application& app = TestApplication();
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return done();
        app.ProcessMessages();
        app.Idle();
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  static_cast<DWORD>(std::min<long long>(left.count(), 10)),
                                  QS_ALLINPUT);
    }
    return true;
}

void PumpUntilPlaced(HWND window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    RECT last{};
    GetWindowRect(window, &last);
    auto still = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < deadline &&
           std::chrono::steady_clock::now() - still < std::chrono::milliseconds(300)) {
        PumpFor(std::chrono::milliseconds(20));
        RECT now{};
        GetWindowRect(window, &now);
        if (!EqualRect(&now, &last)) {
            last = now;
            still = std::chrono::steady_clock::now();
        }
    }
}

void PostAndPump(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    PostMessageA(window, msg, wParam, lParam);
    PumpPending();
}

LPARAM KeyData(WPARAM key, bool up, bool alt) {
    LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), 0)) << 16);
    if (alt) data |= kAltKeyData;
    if (up) data |= (1L << 30) | (1L << 31);
    return data;
}

LPARAM PointData(int x, int y) {
    return static_cast<LPARAM>((static_cast<unsigned>(y) << 16) | (static_cast<unsigned>(x) & 0xFFFF));
}

RecordingMessageBox::RecordingMessageBox() { TestApplication().SetMessageBoxSink(this); }

RecordingMessageBox::~RecordingMessageBox() { TestApplication().SetMessageBoxSink(&Unexpected()); }

int RecordingMessageBox::Show(HWND owner, const std::string& text, const std::string& caption,
                              UINT flags) {
    boxes.push_back(RecordedBox{owner, text, caption, flags});
    if (watchedForm != nullptr) formEnabledDuringBox.push_back(IsWindowEnabled(watchedForm) != FALSE);
    return IDOK;
}

TestForm::TestForm(int width, int height) : Form(nullptr) {
    TestApplication();
    SetBorderStyle(FormBorderStyle::Single);
    SetClientSize(width, height);
    SetBounds(40, 40, Width(), Height());
}

}  // namespace zelkova::gui_testing
