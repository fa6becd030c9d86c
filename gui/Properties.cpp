#include "gui/Properties.h"

namespace zelkova {

PropertyTable::PropertyTable(const PropertyTable& base,
                             std::initializer_list<PublishedProperty> entries)
    : entries_(base.entries_) {
    entries_.insert(entries_.end(), entries.begin(), entries.end());
}

const PublishedProperty* PropertyTable::Find(std::string_view name) const {
    for (const PublishedProperty& entry : entries_) {
        if (AsciiEqualNoCase(entry.name, name)) return &entry;
    }
    return nullptr;
}

bool HasPublishedProperty(const Component& component, std::string_view name) {
    return component.PublishedProperties().Find(name) != nullptr;
}

void SetPublishedProperty(Component& component, std::string_view name, const PropertyValue& value) {
    const PublishedProperty* property = component.PublishedProperties().Find(name);
    if (property == nullptr) {
        throw PropertyError(std::string(component.ClassName()) + " has no property " +
                            std::string(name));
    }
    property->set(component, value);
}

void ApplyLayout(Component& component, std::span<const PropertyAssignment> values) {
    const PropertyTable& table = component.PublishedProperties();
    for (const PropertyAssignment& assignment : values) {
        if (table.Find(assignment.first) == nullptr) {
            throw PropertyError(std::string(component.ClassName()) + " has no property " +
                                assignment.first);
        }
    }
    for (const PublishedProperty& property : table.Entries()) {
        for (const PropertyAssignment& assignment : values) {
            if (AsciiEqualNoCase(property.name, assignment.first)) {
                property.set(component, assignment.second);
            }
        }
    }
}

std::function<void(Component&, const PropertyValue&)> IgnoredSetter() {
    return [](Component&, const PropertyValue&) {};
}

}  // namespace zelkova
