#include "gui/StoredLayout.h"

#include "gui/Action.h"
#include "gui/Menu.h"
#include "gui/WinControl.h"

namespace zelkova {

namespace {

Component* FindByName(Component& owner, std::string_view name) {
    if (AsciiEqualNoCase(owner.Name(), name)) return &owner;
    for (Component* component : owner.Components()) {
        if (AsciiEqualNoCase(component->Name(), name)) return component;
    }
    return nullptr;
}

void PutInto(Component& component, Component& container) {
    if (auto* control = dynamic_cast<Control*>(&component)) {
        if (auto* parent = dynamic_cast<WinControl*>(&container)) {
            control->SetParent(parent);
            return;
        }
    } else if (auto* action = dynamic_cast<Action*>(&component)) {
        if (auto* list = dynamic_cast<ActionList*>(&container)) {
            action->SetActionList(list);
            return;
        }
    } else if (auto* item = dynamic_cast<MenuItem*>(&component)) {
        if (auto* menu = dynamic_cast<PopupMenu*>(&container)) {
            menu->Add(*item);
            return;
        }
    }
    throw PropertyError(std::string(container.ClassName()) + " cannot hold a " +
                        std::string(component.ClassName()));
}

PropertyValue Resolve(const LayoutValue& value, Component& owner, const LayoutContext& context) {
    if (const auto* stated = std::get_if<PropertyValue>(&value)) return *stated;
    if (const auto* ref = std::get_if<ComponentRef>(&value)) {
        if (Component* component = FindByName(owner, ref->name)) return component;
        throw PropertyError("no component named " + ref->name);
    }
    const std::string& name = std::get<NamedRef>(value).name;
    for (const NamedValue& entry : context.named) {
        if (entry.name == name) return entry.value;
    }
    throw PropertyError("no value named " + name);
}

Component& MakeRow(Component& owner, const LayoutRow& row, const LayoutContext& context) {
    // Resolved before the component exists, so that a wrong row leaves nothing behind.
    std::vector<PropertyAssignment> values;
    values.reserve(row.properties.size());
    for (const LayoutProperty& property : row.properties) {
        values.emplace_back(property.name, Resolve(property.value, owner, context));
    }
    if (row.className == owner.ClassName() && row.container.empty()) {
        ApplyLayout(owner, values);
        owner.SetName(row.name);
        return owner;
    }
    const LayoutClass* kind = nullptr;
    for (const LayoutClass& entry : context.classes) {
        if (entry.name == row.className) kind = &entry;
    }
    if (kind == nullptr) throw PropertyError("unknown class " + row.className);
    Component* container = nullptr;
    if (!row.container.empty()) {
        container = FindByName(owner, row.container);
        if (container == nullptr) throw PropertyError("no container named " + row.container);
    }
    Component& component = *kind->make(owner);
    try {
        component.SetName(row.name);
        if (container != nullptr) PutInto(component, *container);
        ApplyLayout(component, values);
    } catch (...) {
        delete &component;
        throw;
    }
    return component;
}

}  // namespace

std::vector<Component*> BuildLayout(Component& owner, std::span<const LayoutRow> rows,
                                    const LayoutContext& context) {
    std::vector<Component*> made;
    made.reserve(rows.size());
    for (const LayoutRow& row : rows) {
        try {
            made.push_back(&MakeRow(owner, row, context));
        } catch (const PropertyError& error) {
            throw PropertyError("Layout row " + (row.name.empty() ? row.className : row.name) +
                                ": " + error.what());
        }
    }
    return made;
}

Component& FindOwnedComponent(const Component& owner, std::string_view name) {
    for (Component* component : owner.Components()) {
        if (AsciiEqualNoCase(component->Name(), name)) return *component;
    }
    throw PropertyError("no component named " + std::string(name));
}

}  // namespace zelkova
