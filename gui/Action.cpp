#include "gui/Action.h"

#include <algorithm>

#include "gui/Control.h"
#include "gui/ImageList.h"

namespace zelkova {

Action::Action(Component* owner) : Component(owner) {}

Action::~Action() {
    SetActionList(nullptr);
    // Clients hear of our removal through the free notifications of ~Component.
}

const PropertyTable& Action::PublishedProperties() const {
    static const PropertyTable table(Component::PublishedProperties(),
                                     {
                                         {"Caption", Setter(&Action::SetCaption)},
                                         {"Enabled", Setter(&Action::SetEnabled)},
                                         {"Hint", Setter(&Action::SetHint)},
                                         {"ImageIndex", Setter(&Action::SetImageIndex)},
                                         {"Visible", Setter(&Action::SetVisible)},
                                         {"OnExecute", Setter(&Action::SetOnExecute)},
                                         {"OnUpdate", Setter(&Action::SetOnUpdate)},
                                     });
    return table;
}

void Action::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    Changed();
}

void Action::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed();
}

void Action::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed();
}

void Action::SetHint(std::string hint) {
    if (hint == hint_) return;
    hint_ = std::move(hint);
    Changed();
}

void Action::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Changed();
}

void Action::SetActionList(ActionList* list) {
    if (list == actionList_) return;
    if (actionList_ != nullptr) {
        auto& actions = actionList_->actions_;
        actions.erase(std::remove(actions.begin(), actions.end(), this), actions.end());
        RemoveFreeNotification(actionList_);
    }
    actionList_ = list;
    if (list != nullptr) {
        list->actions_.push_back(this);
        FreeNotification(list);
    }
}

bool Action::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

bool Action::Execute() {
    Update();
    if (!enabled_ || !OnExecute) return false;
    OnExecute(this);
    return true;
}

void Action::AddClient(Component* client) {
    if (std::find(clients_.begin(), clients_.end(), client) != clients_.end()) return;
    clients_.push_back(client);
    FreeNotification(client);
}

void Action::RemoveClient(Component* client) {
    clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
}

void Action::Notification(Component* component, Operation operation) {
    Component::Notification(component, operation);
    if (operation != Operation::Remove) return;
    RemoveClient(component);
    if (component == actionList_) actionList_ = nullptr;
}

void Action::Changed() {
    // A client may unbind itself while being told; work from a copy.
    const std::vector<Component*> clients = clients_;
    for (Component* client : clients) {
        if (auto* bound = dynamic_cast<ActionClient*>(client)) bound->ActionChanged(*this);
    }
}

ActionList::ActionList(Component* owner) : Component(owner) {}

ActionList::~ActionList() {
    const std::vector<Action*> actions = actions_;
    for (Action* action : actions) action->SetActionList(nullptr);
}

void ActionList::SetImages(ImageList* images) {
    if (images_ != nullptr) RemoveFreeNotification(images_);
    images_ = images;
    if (images != nullptr) FreeNotification(images);
}

void ActionList::UpdateActions() {
    const std::vector<Action*> actions = actions_;
    for (Action* action : actions) action->Update();
}

void ActionList::Notification(Component* component, Operation operation) {
    Component::Notification(component, operation);
    if (operation != Operation::Remove) return;
    if (component == images_) images_ = nullptr;
    actions_.erase(std::remove(actions_.begin(), actions_.end(), component), actions_.end());
}

}  // namespace zelkova
