// The root of every object a form is made of. A component may have an owner, which destroys it
// with itself, and may ask to be told when another component goes away (removal
// notification), so that references between components never dangle.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelkova {

class PropertyTable;

enum class Operation { Insert, Remove };

class Component {
public:
    // The owner (may be null) takes ownership: a component with an owner must be created with
    // new (see Make) and is deleted by its owner unless deleted earlier.
    explicit Component(Component* owner);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Component* Owner() const { return owner_; }
    const std::vector<Component*>& Components() const { return components_; }

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // The class name as the kit's rules compare it (for example "TsuiButton").
    virtual std::string_view ClassName() const { return "TComponent"; }

    // The properties a stored layout may set by name, in the order a layout applies them.
    virtual const PropertyTable& PublishedProperties() const;

    // Asks to receive Notification(component, Remove) when component is destroyed. Mutual:
    // component is told as well if this one goes first.
    void FreeNotification(Component* component);
    void RemoveFreeNotification(Component* component);

    // True while the component is being edited in a form designer; there is none at run time,
    // but the kit's controls keep their design-time rules, and tests can switch it on.
    bool IsDesigning() const { return designing_; }
    void SetDesigning(bool designing) { designing_ = designing; }

protected:
    // A component of the same owner, or one registered with FreeNotification, was inserted or
    // is being removed. Overrides drop their references to it.
    virtual void Notification(Component* component, Operation operation);

    // Deletes every owned component now, newest first. Derived classes whose owned
    // components refer back to them (forms and their controls) call this first in their
    // destructor, while the whole object still exists.
    void DestroyComponents();

private:
    void InsertComponent(Component* component);
    void RemoveComponent(Component* component);

    Component* owner_ = nullptr;
    std::string name_;
    std::vector<Component*> components_;
    std::vector<Component*> freeNotifies_;
    bool designing_ = false;
    bool destroying_ = false;
};

// Creates a component that its owner will own.
template <typename T, typename... Args>
T& Make(Component& owner, Args&&... args) {
    return *new T(&owner, std::forward<Args>(args)...);
}

}  // namespace zelkova
