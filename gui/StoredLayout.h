// A window described as data, the way a stored form layout describes it: one row per component
// in creation order, each with its class, name, container and property values. Values that
// name something rather than state it (a menu, an action, a handler) are looked up by name as
// the row is applied, and every row's values go through the class's published properties in
// their published order.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "gui/Properties.h"

namespace zelkova {

// A component an earlier row made (or the form itself), by name.
struct ComponentRef {
    std::string name;
};
// An entry of the form's own table: a handler, or a value only known at run time.
struct NamedRef {
    std::string name;
};
inline ComponentRef Ref(std::string name) { return {std::move(name)}; }
inline NamedRef Named(std::string name) { return {std::move(name)}; }

using LayoutValue = std::variant<PropertyValue, ComponentRef, NamedRef>;

struct LayoutProperty {
    std::string name;
    LayoutValue value;
};

struct LayoutRow {
    std::string className;
    std::string name;
    // What holds it: a control's parent, an action's list, a menu item's menu; empty for none.
    std::string container;
    std::vector<LayoutProperty> properties;
};

// A class a layout may create, with its owner.
struct LayoutClass {
    std::string_view name;
    Component* (*make)(Component& owner);
};

template <typename T>
Component* MakeComponent(Component& owner) {
    return &Make<T>(owner);
}

struct NamedValue {
    std::string name;
    PropertyValue value;
};

// What a layout is applied with: the classes it may create and the form's named values.
struct LayoutContext {
    std::span<const LayoutClass> classes;
    std::span<const NamedValue> named;
};

// Makes each row's component, owned by owner, in row order: named, put into its container,
// its values applied. A row of owner's own class without a container stands for owner itself,
// which is named and given the row's values. Returns the rows' components in row order.
// Throws PropertyError, naming the row, for an unknown class, property, reference or named
// value, or a container that cannot hold the component.
std::vector<Component*> BuildLayout(Component& owner, std::span<const LayoutRow> rows,
                                    const LayoutContext& context);

// The first component of that name that owner owns (the name compared in any ASCII case; ""
// finds the first unnamed one), as T. Throws PropertyError when there is none.
Component& FindOwnedComponent(const Component& owner, std::string_view name);
template <typename T>
T& FindOwned(const Component& owner, std::string_view name) {
    if (auto* typed = dynamic_cast<T*>(&FindOwnedComponent(owner, name))) return *typed;
    throw PropertyError(std::string(name) + " is not of the expected class");
}

// Sets slot to the component of that name that owner owns.
template <typename T>
void BindOwned(const Component& owner, std::string_view name, T*& slot) {
    slot = &FindOwned<T>(owner, name);
}

// A named handler that does not look at its sender.
template <typename F>
NotifyEvent Handler(F handler) {
    return [handler](Component*) { handler(); };
}

}  // namespace zelkova
