#pragma once
// The screens store Windows virtual-key codes (VK). A key event becomes the VK
// that Windows itself would give the same physical key under the keyboard
// layout chosen on the general screen, whatever layout the desktop uses, so a
// key is stored as a Windows user of that layout would store it.
//
// On Linux the physical key is the event's evdev code (Qt's native scan code
// minus 8, the X keycode offset that xcb, Wayland and offscreen share); on
// Windows it is the event's native VK. Events without a physical key (made by
// a program) fall back to Qt's key.

#include <Qt>

class QKeyEvent;

namespace ostrel {

// The VK of the physical key evdevCode under layout (KeyboardLayout; another
// value counts as QWERTY). keypadDigits: whether the keypad gives its digits
// (Num Lock on) or its navigation keys. 0 for a key Windows gives no VK.
int virtualKeyOfEvdev(int evdevCode, int layout, bool keypadDigits);

// The VK of a Qt key, for events that carry no physical key: letters, digits
// (keypad digits with Qt::KeypadModifier), function and editing keys,
// modifiers and the keypad operators. 0 for any other key.
int virtualKeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The VK a key press or release stands for under layout.
int capturedVirtualKey(const QKeyEvent& event, int layout);

}  // namespace ostrel
