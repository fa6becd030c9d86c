// Published properties: per class, the names a stored layout may set, each with a setter that
// takes a value, in the order a layout applies them. Layouts are C++ tables applied through
// this, and the skin kit uses it to hand a style down to any child that publishes one.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "base/AsciiText.h"
#include "gui/Color.h"
#include "gui/Component.h"
#include "gui/Events.h"

namespace zelkova {

class Font;

// Font values as a layout states them.
struct FontSpec {
    std::string name = "MS Sans Serif";
    int height = -11;  // pixels; negative is the character height, as LOGFONT has it
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    TColor color = SystemColor(COLOR_WINDOWTEXT);
    int charset = 1;  // DEFAULT_CHARSET
};

// A picture a layout names: one of the program's own resources, read when it is applied.
struct PictureSpec {
    enum class Kind : std::uint8_t { Bitmap, Icon, Jpeg };
    Kind kind = Kind::Bitmap;
    std::string resource;
    int size = 0;  // an icon's width and height in pixels

    static PictureSpec Bitmap(std::string name) { return {Kind::Bitmap, std::move(name), 0}; }
    static PictureSpec Icon(std::string name, int size) {
        return {Kind::Icon, std::move(name), size};
    }
    static PictureSpec Jpeg(std::string name) { return {Kind::Jpeg, std::move(name), 0}; }
};

// A list view's column as a layout states it.
struct ColumnSpec {
    std::string caption;
    int width = 0;
};
using ColumnSpecs = std::vector<ColumnSpec>;

using PropertyValue = std::variant<bool, std::int64_t, std::string, Component*, FontSpec,
                                   PictureSpec, ColumnSpecs, NotifyEvent, MouseEventHandler,
                                   MouseMoveHandler, KeyEventHandler, KeyPressHandler>;

// A layout gave a property a value of the wrong kind, or named one the class does not publish.
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PublishedProperty {
    std::string name;
    std::function<void(Component&, const PropertyValue&)> set;
};

class PropertyTable {
public:
    PropertyTable(std::initializer_list<PublishedProperty> entries) : entries_(entries) {}
    // The base class's entries in their order, then these.
    PropertyTable(const PropertyTable& base, std::initializer_list<PublishedProperty> entries);

    // Names compare without regard to ASCII case.
    const PublishedProperty* Find(std::string_view name) const;
    const std::vector<PublishedProperty>& Entries() const { return entries_; }

private:
    std::vector<PublishedProperty> entries_;
};

bool HasPublishedProperty(const Component& component, std::string_view name);

// Runs the setter of one published property. Throws PropertyError for an unknown name or a
// value of the wrong kind.
void SetPublishedProperty(Component& component, std::string_view name, const PropertyValue& value);

using PropertyAssignment = std::pair<std::string, PropertyValue>;

// Applies stored values the way a layout is loaded: in the class's published order, whatever
// order the list gives them in, so a later property may override what an earlier one derived.
void ApplyLayout(Component& component, std::span<const PropertyAssignment> values);
inline void ApplyLayout(Component& component, std::initializer_list<PropertyAssignment> values) {
    ApplyLayout(component, std::span<const PropertyAssignment>(values.begin(), values.size()));
}

// --- Conversions from a stored value to a setter's parameter type ------------------------

// Enumerations are stored by value name; a specialisation lists the names in value order.
template <typename E>
struct EnumNames;

template <typename T>
T PropertyValueAs(const PropertyValue& value) {
    if constexpr (std::is_same_v<T, bool>) {
        if (const bool* b = std::get_if<bool>(&value)) return *b;
    } else if constexpr (std::is_enum_v<T>) {
        if (const auto* n = std::get_if<std::int64_t>(&value)) return static_cast<T>(*n);
        if (const auto* s = std::get_if<std::string>(&value)) {
            const auto& names = EnumNames<T>::kNames;
            for (std::size_t i = 0; i < std::size(names); ++i) {
                if (AsciiEqualNoCase(names[i], *s)) return static_cast<T>(i);
            }
            throw PropertyError("Invalid property value: " + *s);
        }
    } else if constexpr (std::is_integral_v<T>) {
        if (const auto* n = std::get_if<std::int64_t>(&value)) return static_cast<T>(*n);
    } else if constexpr (std::is_pointer_v<T>) {
        if (const auto* c = std::get_if<Component*>(&value)) {
            if (*c == nullptr) return nullptr;
            if (auto* typed = dynamic_cast<T>(*c)) return typed;
            throw PropertyError("Invalid property value: wrong component type");
        }
    } else {
        if (const T* v = std::get_if<T>(&value)) return *v;
    }
    throw PropertyError("Invalid property value");
}

// A setter entry from a member function taking one value.
template <typename C, typename Arg>
auto Setter(void (C::*setter)(Arg)) {
    using T = std::remove_cvref_t<Arg>;
    return [setter](Component& component, const PropertyValue& value) {
        (static_cast<C&>(component).*setter)(PropertyValueAs<T>(value));
    };
}

template <typename C>
auto StringSetter(void (C::*setter)(std::string)) {
    return Setter<C, std::string>(setter);
}

// A published name whose assignment has no effect by design (it still loads from a layout).
std::function<void(Component&, const PropertyValue&)> IgnoredSetter();

}  // namespace zelkova
