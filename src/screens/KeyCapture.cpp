#include "screens/KeyCapture.h"

#include <QKeyEvent>

#include <array>
#include <cstdint>

#include "profile/KeyTables.h"

namespace ostrel {
namespace {

constexpr int kEvdevCount = 256;
using EvdevTable = std::array<uint8_t, kEvdevCount>;

// The VKs of the US layout (Windows' kbdus), by evdev code.
constexpr EvdevTable usTable() {
  EvdevTable t{};
  t[1] = 0x1B;
  for (int i = 0; i < 9; ++i) t[2 + i] = static_cast<uint8_t>('1' + i);
  t[11] = '0';
  constexpr const char* rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
  constexpr int rowStart[] = {16, 30, 44};
  for (int r = 0; r < 3; ++r)
    for (int i = 0; rows[r][i] != '\0'; ++i) t[rowStart[r] + i] = static_cast<uint8_t>(rows[r][i]);
  struct Fixed {
    uint8_t evdev;
    uint8_t vk;
  };
  constexpr Fixed fixed[] = {
      {12, 0xBD}, {13, 0xBB}, {14, 0x08}, {15, 0x09}, {26, 0xDB}, {27, 0xDD}, {28, 0x0D},
      {29, 0x11}, {39, 0xBA}, {40, 0xDE}, {41, 0xC0}, {42, 0x10}, {43, 0xDC}, {51, 0xBC},
      {52, 0xBE}, {53, 0xBF}, {54, 0x10}, {55, 0x6A}, {56, 0x12}, {57, 0x20}, {58, 0x14},
      {69, 0x90}, {70, 0x91}, {74, 0x6D}, {78, 0x6B}, {86, 0xE2}, {87, 0x7A}, {88, 0x7B},
      {96, 0x0D}, {97, 0x11}, {98, 0x6F}, {99, 0x2C}, {100, 0x12}, {102, 0x24}, {103, 0x26},
      {104, 0x21}, {105, 0x25}, {106, 0x27}, {107, 0x23}, {108, 0x28}, {109, 0x22},
      {110, 0x2D}, {111, 0x2E}, {113, 0xAD}, {114, 0xAE}, {115, 0xAF}, {119, 0x13},
      {125, 0x5B}, {126, 0x5C}, {127, 0x5D}, {163, 0xB0}, {164, 0xB3}, {165, 0xB1},
      {166, 0xB2},
  };
  for (const Fixed& f : fixed) t[f.evdev] = f.vk;
  for (int i = 0; i < 10; ++i) t[59 + i] = static_cast<uint8_t>(0x70 + i);    // F1..F10
  for (int i = 0; i < 12; ++i) t[183 + i] = static_cast<uint8_t>(0x7C + i);  // F13..F24
  return t;
}

// Keys whose VK depends on the layout (Windows' kbdfr, kbdus, kbdsp, kbdgr):
// {evdev, AZERTY, QWERTY, QWERTY SP, QWERTZU}.
struct LayoutKey {
  uint8_t evdev;
  uint8_t vk[kLayoutCount];
};
constexpr LayoutKey kLayoutKeys[] = {
    {12, {0xDB, 0xBD, 0xDB, 0xDB}}, {13, {0xBB, 0xBB, 0xDD, 0xDD}},
    {16, {'A', 'Q', 'Q', 'Q'}},     {17, {'Z', 'W', 'W', 'W'}},
    {21, {'Y', 'Y', 'Y', 'Z'}},     {26, {0xDD, 0xDB, 0xBA, 0xBA}},
    {27, {0xBA, 0xDD, 0xBB, 0xBB}}, {30, {'Q', 'A', 'A', 'A'}},
    {39, {'M', 0xBA, 0xC0, 0xC0}},  {40, {0xC0, 0xDE, 0xDE, 0xDE}},
    {41, {0xDE, 0xC0, 0xDC, 0xDC}}, {43, {0xDC, 0xDC, 0xBF, 0xBF}},
    {44, {'W', 'Z', 'Z', 'Y'}},     {50, {0xBC, 'M', 'M', 'M'}},
    {51, {0xBE, 0xBC, 0xBC, 0xBC}}, {52, {0xBF, 0xBE, 0xBE, 0xBE}},
    {53, {0xDF, 0xBF, 0xBD, 0xBD}},
};

constexpr std::array<EvdevTable, kLayoutCount> buildTables() {
  std::array<EvdevTable, kLayoutCount> tables{};
  for (int l = 0; l < kLayoutCount; ++l) {
    tables[l] = usTable();
    for (const LayoutKey& key : kLayoutKeys) tables[l][key.evdev] = key.vk[l];
  }
  return tables;
}
constexpr std::array<EvdevTable, kLayoutCount> kTables = buildTables();

// The keypad's keys, the same in every layout: {evdev, Num Lock on, off}.
struct KeypadKey {
  uint8_t evdev;
  uint8_t digit;
  uint8_t navigation;
};
constexpr KeypadKey kKeypad[] = {
    {71, 0x67, 0x24}, {72, 0x68, 0x26}, {73, 0x69, 0x21}, {75, 0x64, 0x25},
    {76, 0x65, 0x0C}, {77, 0x66, 0x27}, {79, 0x61, 0x23}, {80, 0x62, 0x28},
    {81, 0x63, 0x22}, {82, 0x60, 0x2D}, {83, 0x6E, 0x2E},
};

const KeypadKey* keypadKey(int evdevCode) {
  for (const KeypadKey& key : kKeypad)
    if (key.evdev == evdevCode) return &key;
  return nullptr;
}

// Named Qt keys and their VKs; the keypad operators are listed apart.
struct QtKeyVk {
  int key;
  int vk;
};
constexpr QtKeyVk kNamedKeys[] = {
    {Qt::Key_Escape, 0x1B},   {Qt::Key_Tab, 0x09},      {Qt::Key_Backtab, 0x09},
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Return, 0x0D},  {Qt::Key_Enter, 0x0D},
    {Qt::Key_Insert, 0x2D},   {Qt::Key_Delete, 0x2E},   {Qt::Key_Pause, 0x13},
    {Qt::Key_Print, 0x2C},    {Qt::Key_SysReq, 0x2C},   {Qt::Key_Clear, 0x0C},
    {Qt::Key_Home, 0x24},     {Qt::Key_End, 0x23},      {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},       {Qt::Key_Right, 0x27},    {Qt::Key_Down, 0x28},
    {Qt::Key_PageUp, 0x21},   {Qt::Key_PageDown, 0x22}, {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},  {Qt::Key_Meta, 0x5B},     {Qt::Key_Alt, 0x12},
    {Qt::Key_AltGr, 0x12},    {Qt::Key_CapsLock, 0x14}, {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91}, {Qt::Key_Menu, 0x5D},   {Qt::Key_Space, 0x20},
    {Qt::Key_Minus, 0xBD},    {Qt::Key_Equal, 0xBB},    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Period, 0xBE},
};
constexpr QtKeyVk kKeypadOperators[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B}, {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Comma, 0x6E}, {Qt::Key_Slash, 0x6F},
};

template <std::size_t N>
int lookUp(const QtKeyVk (&table)[N], int key) {
  for (const QtKeyVk& entry : table)
    if (entry.key == key) return entry.vk;
  return 0;
}

// The desktop turned a keypad key into a digit (or the decimal point) exactly
// when Num Lock is on and Shift does not override it.
[[maybe_unused]] bool keypadGivesDigit(int qtKey) {
  return (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || qtKey == Qt::Key_Period ||
         qtKey == Qt::Key_Comma;
}

[[maybe_unused]] constexpr int kX11KeycodeOffset = 8;

}  // namespace

int virtualKeyOfEvdev(int evdevCode, int layout, bool keypadDigits) {
  if (evdevCode <= 0 || evdevCode >= kEvdevCount) return 0;
  if (const KeypadKey* key = keypadKey(evdevCode)) return keypadDigits ? key->digit : key->navigation;
  const int table = layout >= 0 && layout < kLayoutCount ? layout : kQwerty;
  return kTables[static_cast<std::size_t>(table)][static_cast<std::size_t>(evdevCode)];
}

int virtualKeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers & Qt::KeypadModifier;
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return (keypad ? 0x60 : '0') + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 0x70 + (qtKey - Qt::Key_F1);
  if (keypad) {
    if (const int vk = lookUp(kKeypadOperators, qtKey)) return vk;
  }
  return lookUp(kNamedKeys, qtKey);
}

int capturedVirtualKey(const QKeyEvent& event, int layout) {
#if defined(Q_OS_WIN)
  Q_UNUSED(layout);
  if (event.nativeVirtualKey() != 0) return static_cast<int>(event.nativeVirtualKey());
#elif defined(Q_OS_LINUX)
  const int keycode = static_cast<int>(event.nativeScanCode());
  if (keycode > kX11KeycodeOffset) {
    return virtualKeyOfEvdev(keycode - kX11KeycodeOffset, layout, keypadGivesDigit(event.key()));
  }
#else
  Q_UNUSED(layout);
#endif
  return virtualKeyOfQtKey(event.key(), event.modifiers());
}

}  // namespace ostrel
