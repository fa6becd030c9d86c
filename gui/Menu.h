// Pop-up menus: items with a caption, bound to an action (taking its caption and enabled state
// and executing it) or with a click handler of their own. The menu is built anew each time it
// pops up, so it always shows the actions' current state.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "gui/Control.h"

namespace zelkova {

class MenuItem : public Component, public ActionClient {
public:
    explicit MenuItem(Component* owner);
    ~MenuItem() override;

    std::string_view ClassName() const override { return "TMenuItem"; }
    const PropertyTable& PublishedProperties() const override;

    // A caption of "-" makes a separator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    bool IsSeparator() const { return caption_ == "-"; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    Action* GetAction() const { return action_; }
    void SetAction(Action* action);

    NotifyEvent OnClick;
    void SetOnClick(NotifyEvent handler) { OnClick = std::move(handler); }

    // The item's own handler if it has one, else its action.
    void Click();
    void ActionChanged(Action& action) override;

protected:
    void Notification(Component* component, Operation operation) override;

private:
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    Action* action_ = nullptr;
};

class PopupMenu : public Component {
public:
    explicit PopupMenu(Component* owner);

    std::string_view ClassName() const override { return "TPopupMenu"; }

    void Add(MenuItem& item);
    const std::vector<MenuItem*>& Items() const { return items_; }

    // Shows the menu at a screen point and runs the chosen item (after the menu has closed).
    // The owner window receives the menu's messages; by default the application window.
    void Popup(int x, int y, HWND owner = nullptr);
    // The screen point of the latest Popup.
    Point PopupPoint() const { return popupPoint_; }

    // Runs as the menu is about to show, after its items took their actions' state.
    NotifyEvent OnPopup;

protected:
    void Notification(Component* component, Operation operation) override;

private:
    std::vector<MenuItem*> items_;
    Point popupPoint_;
};

}  // namespace zelkova
