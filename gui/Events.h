// The typed events that the window procedure unpacks messages into, and the handler types
// that forms attach to controls.
#pragma once

#include <cstdint>
#include <functional>

#include "base/Geometry.h"

namespace zelkova {

class Component;

// Which modifier keys and mouse buttons were down when an input event happened.
enum class Shift : std::uint8_t {
    None = 0,
    Shift = 1,
    Alt = 2,
    Ctrl = 4,
    Left = 8,
    Right = 16,
    Middle = 32,
    Double = 64,
};
constexpr Shift operator|(Shift a, Shift b) {
    return static_cast<Shift>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr bool Has(Shift set, Shift flag) {
    return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(flag)) != 0;
}

enum class MouseButton : std::uint8_t { Left, Right, Middle };

struct MouseEvent {
    MouseButton button = MouseButton::Left;
    Shift shift = Shift::None;
    Point position;  // client coordinates of the control that receives the event
};

// A key handler may set key to 0 to keep the default processing from seeing it.
struct KeyEvent {
    unsigned key = 0;  // virtual-key code
    Shift shift = Shift::None;
    // A system key (WM_SYSKEYDOWN or WM_SYSKEYUP): held with Alt, or F10. Such keys belong to
    // the window's menus, so controls that act on a plain key leave them alone.
    bool system = false;
};

// A key the form's controls are offered before the focused control sees it (dialog key): Enter,
// Escape, Tab or an arrow, with the modifier keys (Shift, Ctrl, Alt) held as it arrived.
struct DialogKeyEvent {
    unsigned key = 0;  // virtual-key code
    Shift shift = Shift::None;
};

// A character the form's controls are offered as a possible caption accelerator (dialog
// character): typed with Alt held, or not wanted by the focused control.
struct DialogCharEvent {
    char character = 0;
    Shift shift = Shift::None;
};

// A command of a top-level window's system menu (WM_SYSCOMMAND): minimise, restore, close and
// the like.
struct SystemCommandEvent {
    unsigned command = 0;     // SC_MINIMIZE and so on, without the four low bits
    unsigned systemBits = 0;  // those four low bits, which the system uses internally
    // As sent: the cursor's screen position when the command was chosen with the mouse; a
    // program that sends a command may give a value of its own.
    std::intptr_t argument = 0;
};

// Which mouse message the shell reports over a notification-area icon.
enum class TrayMouse : std::uint8_t {
    Move,
    LeftDown,
    LeftUp,
    LeftDoubleClick,
    RightDown,
    RightUp,
    RightDoubleClick,
    MiddleDown,
    MiddleUp,
    MiddleDoubleClick,
    Other,
};

// What the shell sends through a notification-area icon's callback message.
struct TrayNotifyEvent {
    TrayMouse mouse = TrayMouse::Other;
};

using NotifyEvent = std::function<void(Component* sender)>;
using MouseEventHandler = std::function<void(Component* sender, const MouseEvent&)>;
using MouseMoveHandler = std::function<void(Component* sender, Shift, Point)>;
using KeyEventHandler = std::function<void(Component* sender, KeyEvent&)>;
// A key-press handler may set the character to 0 to swallow it.
using KeyPressHandler = std::function<void(Component* sender, char& character)>;

}  // namespace zelkova
