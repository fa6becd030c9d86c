// A control with a window. The framework registers its own window classes with one window
// procedure; standard controls (edit, list view) are the system's classes, hooked with
// SetWindowSubclass. Either way the C++ object is bound to its window when the window is made
// (WM_NCCREATE, or right after creation for a subclassed control) and unbound before the window
// is destroyed, and no exception ever leaves the window procedure: the application's standard
// error report shows it.
//
// A windowed control is also a container: it keeps its child controls, paints the ones without
// a window, routes the mouse to them and tracks which of them the mouse is over.
//
// The class spans several files, one job each: WinControl.cpp (window life and message
// dispatch), WinControlState.cpp (state kept in the window), WinControlChildren.cpp (children,
// tab order, focus), WinControlMouse.cpp (mouse routing, capture, cursor and context menu),
// WinControlAlign.cpp (alignment) and WinControlPaint.cpp (painting).
#pragma once

#include <string>
#include <vector>

#include "gui/Control.h"

namespace zelkova {

struct CreateParams {
    std::string className;     // our class, registered on first use; or a system class
    bool systemClass = false;  // className is a system class to subclass (EDIT, SysListView32)
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT classStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = nullptr;  // parent, or owner for a top-level window
};

class WinControl : public Control {
public:
    explicit WinControl(Component* owner);
    ~WinControl() override;

    std::string_view ClassName() const override { return "TWinControl"; }
    const PropertyTable& PublishedProperties() const override;
    bool IsWindowed() const override { return true; }
    // A window without a parent control (forms, the application window).
    virtual bool IsTopLevel() const { return false; }

    // The window, made on first request (with the parent's and then the children's).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    // The control bound to a window, or null; looks through the window's ancestors when
    // `orAncestor` is set (for the inner windows of a standard control).
    static WinControl* FromHandle(HWND window, bool orAncestor = false);

    // --- Children ---
    const std::vector<Control*>& Controls() const { return controls_; }
    // Windowed children in tab order.
    const std::vector<WinControl*>& TabList() const { return tabList_; }
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    virtual void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    // Every windowed descendant in tab order, depth first (a container, then its children).
    void GetTabOrderList(std::vector<WinControl*>& list) const;
    // The topmost visible child without a window at point (client coordinates), or null.
    Control* ControlAtPos(Point point) const;

    // --- Focus ---
    bool Focused() const;
    // Visible and enabled, and so are all its parents.
    virtual bool CanFocus() const;
    // Throws if the control cannot take the focus.
    virtual void SetFocus();

    // --- State reaching the window ---
    void SetBounds(int left, int top, int width, int height) override;
    Rect ClientRect() const override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    std::string Text() const override;
    void SetText(std::string text) override;
    void Invalidate() override;
    void Repaint() override;

    // The area aligned children are placed in.
    virtual Rect AdjustClientRect() const { return ClientRect(); }
    // Places the children that have an alignment, in creation order, within that area.
    void AlignControls();
    // Paints the window into dc: the control's own Paint, then its children without a window.
    void PaintWindow(HDC dc);
    void PaintControls(HDC dc);

    NotifyEvent OnEnter;
    NotifyEvent OnExit;
    KeyEventHandler OnKeyDown;
    KeyEventHandler OnKeyUp;
    KeyPressHandler OnKeyPress;
    void SetOnEnter(NotifyEvent handler) { OnEnter = std::move(handler); }
    void SetOnExit(NotifyEvent handler) { OnExit = std::move(handler); }
    void SetOnKeyDown(KeyEventHandler handler) { OnKeyDown = std::move(handler); }
    void SetOnKeyUp(KeyEventHandler handler) { OnKeyUp = std::move(handler); }
    void SetOnKeyPress(KeyPressHandler handler) { OnKeyPress = std::move(handler); }

    void WndProc(Message& message) override;

    // Entry of the one window procedure and the subclass procedure: dispatches one message,
    // reporting any exception instead of letting it through.
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

protected:
    virtual void CreateParams(struct CreateParams& params);
    // The window exists (children not yet made).
    virtual void HandleCreated() {}
    // The window's size changed.
    virtual void Resized() {}
    // Whether the window should paint itself with Paint (our own classes) or is painted by
    // its system class.
    bool OwnClass() const { return !systemClass_; }

    // Windowed controls' typed operations.
    virtual void KeyDown(KeyEvent& event);
    virtual void KeyUp(KeyEvent& event);
    virtual void KeyPress(char& character);
    virtual void FocusIn() {}
    virtual void FocusOut() {}
    // Answers WM_ERASEBKGND; return true when the background is done (or to be left alone).
    virtual bool EraseBackground(HDC dc);
    // A WM_COMMAND or WM_NOTIFY that the parent received from this control's window.
    virtual bool CommandNotification(UINT code) {
        (void)code;
        return false;
    }
    virtual bool NotifyNotification(NMHDR& header, LRESULT& result) {
        (void)header;
        (void)result;
        return false;
    }

    // Destroys the window (and the children's), unbinding first. Classes whose painting or
    // messages use their own members call this at the start of their destructor.
    void DestroyHandle();

    // The click rule: a left press and release inside the window is a click. Controls whose
    // system class tracks the mouse itself switch this off.
    void SetCapturesMouse(bool captures) { capturesMouse_ = captures; }

    bool DialogKey(const DialogKeyEvent& event) override;    // offers it to the children
    bool DialogChar(const DialogCharEvent& event) override;  // offers it to the children
    void FocusChanged(Control* focused) override;            // tells the children
    void DefaultHandler(Message& message) override;
    void FontChanged() override;
    void ColorChanged() override;

    friend class Control;

private:
    void CreateHandle();
    void Bind(HWND window);
    void Unbind();
    // Unbinds this control and every windowed descendant, so that destroying the window
    // sends nothing to objects that are going away.
    void UnbindTree();
    void InsertControl(Control* control);
    void RemoveControl(Control* control);
    void ApplyFontToWindow();

    bool HandleMouseMessage(Message& message);
    void TrackMouse(Point point);
    void MouseLeft();
    void CaptureChanged(HWND newCapture);
    // Answers WM_SETCURSOR; true when the shape was set.
    bool SetCursorShape(Message& message);
    void ShowPopupMenu(Message& message);
    // Opens the popup menu for Shift+F10 and the context-menu key; true when the key was one.
    bool HandleContextMenuKey(Message& message);

    friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM) noexcept;
    friend LRESULT CALLBACK SubclassProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR,
                                              DWORD_PTR) noexcept;

    HWND handle_ = nullptr;
    bool systemClass_ = false;
    std::vector<Control*> controls_;
    std::vector<WinControl*> tabList_;
    bool tabStop_ = false;
    bool capturesMouse_ = true;
    // Mouse state: whether the mouse is over this window, the child without a window it is
    // over, the one that took a press, and whether a release now would be a click.
    bool mouseInside_ = false;
    Control* hoverChild_ = nullptr;
    Control* pressedChild_ = nullptr;
    bool clickPending_ = false;
};

// Window procedure for every class the framework registers.
LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

}  // namespace zelkova
