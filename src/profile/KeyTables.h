#pragma once
// Translation between the pad's control codes (HID keyboard usages plus seven
// mouse actions) and the Windows virtual-key codes (VK) that the button screen
// captures and shows, for each of the four keyboard layouts.

#include <string>

namespace ostrel {

enum KeyboardLayout : int {
  kAzerty = 0,
  kQwerty = 1,
  kQwertySp = 2,
  kQwertzu = 3,
};
inline constexpr int kLayoutCount = 4;

// Highest code any table can hold; codes above it have no key.
inline constexpr int kMaxKeyCode = 241;

// Mouse actions: the same numbers serve as the program's own VK values.
inline constexpr int kMouseLeft = 232;
inline constexpr int kMouseRight = 233;
inline constexpr int kMouseMiddle = 234;
inline constexpr int kMouseButton4 = 235;
inline constexpr int kMouseButton5 = 236;
inline constexpr int kMouseWheelUp = 237;
inline constexpr int kMouseWheelDown = 238;

// VK of a code in a layout; 0 when the code has no key (or the layout is unknown).
int usageToKey(int layout, int code);

// The lowest code whose VK in the layout is vk; 0 when none matches or vk is 0.
int keyToUsage(int layout, int vk);

// How a key is shown: a picture below layoutFolder(layout) + "Screen5/", a
// short text label (8-bit, Windows-1252), or nothing.
struct KeyPicture {
  enum Kind { None, Picture, Label };
  Kind kind = None;
  std::string text;  // file name or label
  friend bool operator==(const KeyPicture&, const KeyPicture&) = default;
};
KeyPicture keyPicture(int layout, int vk);

// The language folder whose Screen5/ holds the layout's key pictures.
const char* layoutFolder(int layout);

}  // namespace ostrel
