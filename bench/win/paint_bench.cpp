// Full paints per second of a MacOS push button at the two sizes of the program's windows,
// beside a plain window of the same size whose paint is one FillRect and one DrawTextA: the
// least any paint of a captioned rectangle can cost. Both are painted the same way (invalidate,
// then a synchronous WM_PAINT on a visible window), interleaved in batches, and the medians
// compared; the ratio is the figure. The button caches nothing between paints: every paint
// loads its face from the resources again, as it must.
//
// Below the totals, the parts of one button paint are timed alone.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "gui/Application.h"
#include "gui/Canvas.h"
#include "gui/Form.h"
#include "gui/Gdi.h"
#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIPublic_win.h"
#include "skin/win/SUIThemes_win.h"

namespace zelkova {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBatch = 200;
constexpr int kBatches = 15;
constexpr TColor kFormColour = 0xD8C8B0;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Microseconds per call of work, median over batches.
template <typename Work>
double MicrosecondsPerCall(Work&& work, int batch = kBatch, int batches = kBatches) {
    std::vector<double> times;
    work();  // warm up
    for (int b = 0; b < batches; ++b) {
        const auto start = Clock::now();
        for (int i = 0; i < batch; ++i) work();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                        batch);
    }
    return Median(times);
}

// The reference: a window that paints its rectangle and its caption with plain GDI.
struct PlainPaint {
    HFONT font;
    COLORREF background;
    const char* caption;
};

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        const auto* paint =
            reinterpret_cast<const PlainPaint*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        PaintDC dc(window);
        RECT client{};
        GetClientRect(window, &client);
        OwnedBrush brush(CreateSolidBrush(paint->background));
        FillRect(dc.get(), &client, brush.get());
        ScopedSelectObject font(dc.get(), paint->font);
        SetBkMode(dc.get(), TRANSPARENT);
        DrawTextA(dc.get(), paint->caption, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakePlainWindow(HWND parent, int left, int top, int width, int height, PlainPaint* paint) {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = PlainWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ZelkovaPlainPaint";
        return RegisterClassA(&windowClass) != 0;
    }();
    (void)registered;
    HWND window =
        CreateWindowExA(0, "ZelkovaPlainPaint", "", WS_CHILD | WS_VISIBLE, left, top, width, height,
                        parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(paint));
    return window;
}

void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

struct Result {
    double button;
    double plain;
};

// Button and reference paints, interleaved batch by batch so both see the same machine.
Result ComparePaints(HWND button, HWND plain) {
    std::vector<double> buttonTimes, plainTimes;
    PaintNow(button);
    PaintNow(plain);
    for (int b = 0; b < kBatches; ++b) {
        for (auto [window, times] : {std::pair{button, &buttonTimes}, {plain, &plainTimes}}) {
            const auto start = Clock::now();
            for (int i = 0; i < kBatch; ++i) PaintNow(window);
            times->push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - start).count() / kBatch);
        }
    }
    return {Median(buttonTimes), Median(plainTimes)};
}

void Report(const char* name, const Result& result) {
    std::printf(
        "%-28s button %8.1f us (%7.0f paints/s)   plain %6.1f us (%7.0f paints/s)   ratio %5.1f\n",
        name, result.button, 1e6 / result.button, result.plain, 1e6 / result.plain,
        result.button / result.plain);
}

int Run() {
    Application application;
    application.SetTitle("paint_bench");
    Form form(nullptr);
    form.SetBorderStyle(FormBorderStyle::Single);
    form.SetClientSize(400, 200);
    form.SetBounds(20, 20, form.Width(), form.Height());
    form.SetColor(kFormColour);

    struct Case {
        const char* name;
        int width;
        int height;
        const char* caption;
    };
    const Case cases[] = {{"MacOS 55 x 27", 55, 27, "Jump"},
                          {"MacOS 158 x 24", 158, 24, "Jump from Clipboard"}};

    OwnedFont font(
        CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif"));
    std::vector<TsuiButton*> buttons;
    std::vector<PlainPaint> plainPaints;
    plainPaints.reserve(std::size(cases));
    int top = 10;
    for (const Case& c : cases) {
        auto* button = new TsuiButton(&form);
        button->SetParent(&form);
        button->SetUIStyle(TsuiUIStyle::MacOS);
        button->SetBounds(10, top, c.width, c.height);
        button->SetCaption(c.caption);
        button->SetTabStop(false);
        buttons.push_back(button);
        plainPaints.push_back({font.get(), RGB(0xB0, 0xC8, 0xD8), c.caption});
        top += 40;
    }
    form.Show();
    application.ProcessMessages();

    std::printf("Full paints (invalidate + synchronous WM_PAINT), median of %d batches of %d:\n",
                kBatches, kBatch);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        HWND plain = MakePlainWindow(form.Handle(), 200, 10 + 40 * static_cast<int>(i), c.width,
                                     c.height, &plainPaints[i]);
        Report(c.name, ComparePaints(buttons[i]->Handle(), plain));
        DestroyWindow(plain);
    }

    // The parts of one 55 x 27 paint, each alone.
    TsuiButton& small = *buttons[0];
    WindowDC screen(small.Handle());
    std::printf("\nParts of one 55 x 27 MacOS paint (us per call):\n");
    std::printf("  off-screen buffer          %7.1f\n",
                MicrosecondsPerCall([&] { OffscreenBuffer buffer(screen.get(), 55, 27); }));
    std::printf("  face frame from resource   %7.1f\n", MicrosecondsPerCall([&] {
                    OwnedBitmap face;
                    GetThemeBitmap(TsuiUIStyle::MacOS, teButtonImage, &face, 3, 1);
                }));
    OffscreenBuffer buffer(screen.get(), 55, 27);
    OwnedBitmap face;
    GetThemeBitmap(TsuiUIStyle::MacOS, teButtonImage, &face, 3, 1);
    std::printf("  parent background          %7.1f\n",
                MicrosecondsPerCall([&] { PaintParentBackground(buffer.dc(), small.Handle()); }));
    std::printf("  nine-part face             %7.1f\n", MicrosecondsPerCall([&] {
                    DrawStretchedFrame(face.get(), buffer.dc(), RECT{0, 0, 55, 27}, true);
                }));
    std::printf("  copy to the window         %7.1f\n",
                MicrosecondsPerCall([&] { buffer.Present(screen.get()); }));
    std::printf("  caption (font, measure, draw) %4.1f\n", MicrosecondsPerCall([&] {
                    Canvas canvas(buffer.dc());
                    canvas.SetFont(small.GetFont());
                    canvas.SetBrushStyle(BrushStyle::Clear);
                    Rect area{0, 0, 55, 27};
                    Rect measured = area;
                    canvas.DrawText("Jump", measured, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK,
                                    4);
                    canvas.DrawText("Jump", measured, DT_CENTER, -1);
                }));
    std::printf("  the whole paint, off screen %6.1f\n", MicrosecondsPerCall([&] {
                    SendMessageA(small.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(buffer.dc()),
                                 0);
                }));
    return 0;
}

}  // namespace
}  // namespace zelkova

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return zelkova::Run();
}
