#include "gui/Component.h"

#include <algorithm>

#include "gui/Properties.h"

namespace zelkova {

namespace {
void Erase(std::vector<Component*>& list, Component* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
}  // namespace

Component::Component(Component* owner) {
    if (owner != nullptr) owner->InsertComponent(this);
}

Component::~Component() {
    destroying_ = true;
    // Tell everyone who holds a reference to us, then forget them. Each one removes us from
    // its own list while being told, so work from a copy.
    const std::vector<Component*> watchers = std::exchange(freeNotifies_, {});
    for (Component* watcher : watchers) {
        Erase(watcher->freeNotifies_, this);
        watcher->Notification(this, Operation::Remove);
    }
    DestroyComponents();
    if (owner_ != nullptr) owner_->RemoveComponent(this);
}

const PropertyTable& Component::PublishedProperties() const {
    static const PropertyTable table{{
        {"Name", StringSetter<Component>(&Component::SetName)},
    }};
    return table;
}

void Component::FreeNotification(Component* component) {
    if (component == nullptr || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
        freeNotifies_.push_back(component);
        component->freeNotifies_.push_back(this);
    }
}

void Component::RemoveFreeNotification(Component* component) {
    if (component == nullptr) return;
    Erase(freeNotifies_, component);
    Erase(component->freeNotifies_, this);
}

void Component::Notification(Component*, Operation) {}

void Component::DestroyComponents() {
    while (!components_.empty()) {
        Component* last = components_.back();
        delete last;  // its destructor removes it from components_
    }
}

void Component::InsertComponent(Component* component) {
    component->owner_ = this;
    components_.push_back(component);
    for (Component* sibling : components_) {
        if (sibling != component) sibling->Notification(component, Operation::Insert);
    }
}

void Component::RemoveComponent(Component* component) {
    Erase(components_, component);
    component->owner_ = nullptr;
    // Components of one owner may refer to one another without FreeNotification.
    Notification(component, Operation::Remove);
    const std::vector<Component*> siblings = components_;
    for (Component* sibling : siblings) sibling->Notification(component, Operation::Remove);
}

}  // namespace zelkova
