// A form: a top-level window owned by the application window, holding controls. It keeps the
// active control and tells all its controls when the focus moves, walks the tab order, and can
// be shown modally: the other windows are disabled and a nested message loop runs until the
// modal result is set.
#pragma once

#include <functional>

#include "gui/WinControl.h"

namespace zelkova {

enum class FormBorderStyle : std::uint8_t { Sizeable, Single, Dialog, None };
enum class FormPosition : std::uint8_t { Designed, ScreenCenter, OwnerFormCenter };
enum class CloseAction : std::uint8_t { None, Hide, Minimize };

class Form : public WinControl {
public:
    explicit Form(Component* owner);
    ~Form() override;

    std::string_view ClassName() const override { return "TForm"; }
    const PropertyTable& PublishedProperties() const override;
    bool IsTopLevel() const override { return true; }

    // --- Layout of the window ---
    void SetClientSize(int width, int height);
    void SetClientWidth(int width) { SetClientSize(width, clientHeight_); }
    void SetClientHeight(int height) { SetClientSize(clientWidth_, height); }
    void SetBorderStyle(FormBorderStyle style) { borderStyle_ = style; }
    void SetBorderIcons(bool systemMenu, bool minimize, bool maximize);
    // The same as a layout states it: the buttons by name, "biSystemMenu, biMinimize".
    void SetBorderIconNames(const std::string& names);
    void SetPosition(FormPosition position) { position_ = position; }
    void SetCaption(std::string caption) { SetText(std::move(caption)); }

    // --- Showing ---
    void Show();
    void Hide();
    // Runs the close sequence: OnCloseQuery, OnClose; a modal form sets its modal result to
    // cancel, the main form ends the application, any other form hides.
    void Close();
    // Shows the form modally and returns the modal result. Throws if it is visible already.
    int ShowModal();
    bool IsModal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // --- Focus ---
    WinControl* ActiveControl() const { return activeControl_; }
    // Moves the focus to control (or remembers it while the form is hidden).
    void SetActiveControl(WinControl* control);
    // Tells every control of the form which one has the focus now (the active control).
    void AnnounceFocus();
    // Focus moves to the next (or previous) tab stop after current, wrapping around.
    void SelectNext(WinControl* current, bool forward);
    // Called by a control of the form that received the keyboard focus.
    void FocusedControlChanged(WinControl* control);

    // Runs the update handler of every action of the form's action lists.
    void UpdateActions();

    NotifyEvent OnShow;
    NotifyEvent OnHide;
    std::function<void(Component* sender, bool& canClose)> OnCloseQuery;
    std::function<void(Component* sender, CloseAction& action)> OnClose;

    // A control of the form is going away.
    void ForgetControl(const Control* control);

    // The message the shell sends this form about its notification-area icon; 0 for none.
    void SetTrayCallbackMessage(UINT message) { trayCallbackMessage_ = message; }

protected:
    void CreateParams(struct CreateParams& params) override;
    void FocusIn() override;
    bool DialogKey(const DialogKeyEvent& event) override;
    bool HandleMessage(Message& message) override;
    // A system-menu command; the base runs the system's processing of it.
    virtual void SystemCommand(const SystemCommandEvent& event);
    // A mouse message over the form's notification-area icon; the base ignores it.
    virtual void TrayNotification(const TrayNotifyEvent&) {}
    void Notification(Component* component, Operation operation) override;

private:
    void PlaceOnScreen();
    void FocusFirstControl();
    void CloseModal();
    void SelectNextSibling(WinControl* current, bool forward);

    FormBorderStyle borderStyle_ = FormBorderStyle::Sizeable;
    FormPosition position_ = FormPosition::Designed;
    bool systemMenu_ = true;
    bool minimizeBox_ = true;
    bool maximizeBox_ = true;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool placed_ = false;
    WinControl* activeControl_ = nullptr;
    bool modal_ = false;
    int modalResult_ = kModalNone;
    UINT trayCallbackMessage_ = 0;
};

template <>
struct EnumNames<FormBorderStyle> {
    static constexpr const char* kNames[] = {"bsSizeable", "bsSingle", "bsDialog", "bsNone"};
};

template <>
struct EnumNames<FormPosition> {
    static constexpr const char* kNames[] = {"poDesigned", "poScreenCenter", "poOwnerFormCenter"};
};

}  // namespace zelkova
