#include "gui/Menu.h"

#include <algorithm>

#include "gui/Action.h"
#include "gui/Application.h"
#include "gui/SystemError.h"

namespace zelkova {

namespace {
struct MenuTraits {
    using Handle = HMENU;
    static void Close(HMENU menu) noexcept { DestroyMenu(menu); }
};
using OwnedMenu = UniqueHandle<MenuTraits>;
}  // namespace

MenuItem::MenuItem(Component* owner) : Component(owner) {}

MenuItem::~MenuItem() {
    if (action_ != nullptr) action_->RemoveClient(this);
}

const PropertyTable& MenuItem::PublishedProperties() const {
    static const PropertyTable table(Component::PublishedProperties(),
                                     {
                                         {"Action", Setter(&MenuItem::SetAction)},
                                         {"Caption", Setter(&MenuItem::SetCaption)},
                                         {"Enabled", Setter(&MenuItem::SetEnabled)},
                                         {"Visible", Setter(&MenuItem::SetVisible)},
                                         {"OnClick", Setter(&MenuItem::SetOnClick)},
                                     });
    return table;
}

void MenuItem::SetAction(Action* action) {
    if (action == action_) return;
    if (action_ != nullptr) action_->RemoveClient(this);
    action_ = action;
    if (action != nullptr) {
        action->AddClient(this);
        ActionChanged(*action);
    }
}

void MenuItem::ActionChanged(Action& action) {
    caption_ = action.Caption();
    enabled_ = action.Enabled();
    visible_ = action.Visible();
}

void MenuItem::Click() {
    if (OnClick) {
        OnClick(this);
    } else if (action_ != nullptr) {
        action_->Execute();
    }
}

void MenuItem::Notification(Component* component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove && component == action_) action_ = nullptr;
}

PopupMenu::PopupMenu(Component* owner) : Component(owner) {}

void PopupMenu::Add(MenuItem& item) {
    items_.push_back(&item);
    FreeNotification(&item);
}

void PopupMenu::Notification(Component* component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove) std::erase(items_, component);
}

void PopupMenu::Popup(int x, int y, HWND owner) {
    OwnedMenu menu(CreatePopupMenu());
    if (!menu) throw std::runtime_error(WithSystemError("Cannot create menu", GetLastError()));
    std::vector<MenuItem*> shown;
    for (MenuItem* item : items_) {
        if (Action* action = item->GetAction()) action->Update();
        if (!item->Visible()) continue;
        if (item->IsSeparator()) {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        shown.push_back(item);
        const UINT flags = MF_STRING | (item->Enabled() ? MF_ENABLED : MF_GRAYED);
        AppendMenuA(menu.get(), flags, shown.size(), item->Caption().c_str());
    }
    popupPoint_ = Point{x, y};
    if (OnPopup) OnPopup(this);
    if (owner == nullptr) {
        Application* app = Application::Instance();
        owner = app != nullptr ? app->Handle() : GetActiveWindow();
    }
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0, owner, nullptr));
    if (chosen == 0 || chosen > shown.size()) return;
    // The item may have gone while the menu was open (a timer, a message); look it up again.
    MenuItem* item = shown[chosen - 1];
    if (std::find(items_.begin(), items_.end(), item) != items_.end()) item->Click();
}

}  // namespace zelkova
