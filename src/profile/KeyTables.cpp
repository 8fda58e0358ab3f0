#include "profile/KeyTables.h"

#include <array>
#include <cstdint>

namespace ostrel {
namespace {

using Table = std::array<uint8_t, kMaxKeyCode + 1>;

bool validLayout(int layout) { return layout >= 0 && layout < kLayoutCount; }

// Rows of the code-to-VK table that differ by layout: {code, AZERTY, QWERTY, QWERTY SP, QWERTZU}.
struct LayoutRow {
  uint8_t code;
  uint8_t vk[kLayoutCount];
};
constexpr LayoutRow kLayoutRows[] = {
    // letters that move
    {4, {'Q', 'A', 'A', 'A'}},
    {16, {0xBC, 'M', 'M', 'M'}},
    {20, {'A', 'Q', 'Q', 'Q'}},
    {26, {'Z', 'W', 'W', 'W'}},
    {28, {'Y', 'Y', 'Y', 'Z'}},
    {29, {'W', 'Z', 'Z', 'Y'}},
    // punctuation
    {45, {0xDB, 0xBD, 0xDB, 0xDB}},
    {46, {0xBB, 0xBB, 0xDD, 0xDD}},
    {47, {0xDD, 0xDB, 0xBA, 0xBA}},
    {48, {0xBA, 0xDD, 0xBB, 0xBB}},
    {49, {0xDC, 0xDC, 0xBF, 0}},
    {50, {0, 0, 0, 0xBF}},
    {51, {'M', 0xBA, 0xC0, 0xC0}},
    {52, {0xC0, 0xDE, 0xDE, 0xDE}},
    {53, {0xDE, 0xC0, 0xDC, 0xDC}},
    {54, {0xBE, 0xBC, 0xBC, 0xBC}},
    {55, {0, 0xBE, 0xBE, 0xBE}},
    {56, {0xBF, 0xBF, 0xBD, 0xBD}},
    // the few international and keypad-extended usages with a key
    {135, {0xE2, 0, 0, 0}},
    {152, {0xDE, 0, 0, 0}},
    {180, {0xBA, 0, 0, 0}},
    {196, {0xC0, 0, 0, 0}},
    {197, {0, 0xE1, 0xE1, 0xE1}},
    {198, {0xE2, 0xE2, 0xE2, 0}},
    {203, {0xBF, 0, 0, 0}},
    {207, {0xDF, 0, 0, 0}},  // the French '!' key
};

constexpr Table commonTable() {
  Table t{};
  for (int c = 4; c <= 29; ++c) t[c] = static_cast<uint8_t>('A' + (c - 4));
  for (int c = 30; c <= 38; ++c) t[c] = static_cast<uint8_t>('1' + (c - 30));
  t[39] = '0';
  constexpr uint8_t from40[] = {0x0D, 0x1B, 0x08, 0x09, 0x20};
  for (int i = 0; i < 5; ++i) t[40 + i] = from40[i];
  t[57] = 0x14;
  for (int c = 58; c <= 69; ++c) t[c] = static_cast<uint8_t>(0x70 + (c - 58));
  constexpr uint8_t from70[] = {0x2C, 0x91, 0x13, 0x2D, 0x24, 0x21, 0x2E, 0x23, 0x22,
                                0x27, 0x25, 0x28, 0x26, 0x90, 0x6F, 0x6A, 0x6D, 0x6B,
                                0x0D, 0x23, 0x28, 0x22, 0x25, 0x0C, 0x27, 0x24, 0x26,
                                0x21, 0x2D, 0x6E, 0xE2, 0x5D};
  for (int i = 0; i < 32; ++i) t[70 + i] = from70[i];  // 70..101
  constexpr uint8_t from224[] = {0x11, 0x10, 0x12, 0x5B, 0x11, 0x10, 0x12, 0x5C};
  for (int i = 0; i < 8; ++i) t[224 + i] = from224[i];
  for (int c = kMouseLeft; c <= kMouseWheelDown; ++c) t[c] = static_cast<uint8_t>(c);
  return t;
}

constexpr std::array<Table, kLayoutCount> buildTables() {
  std::array<Table, kLayoutCount> tables{};
  for (int l = 0; l < kLayoutCount; ++l) {
    tables[l] = commonTable();
    for (const LayoutRow& row : kLayoutRows) tables[l][row.code] = row.vk[l];
  }
  return tables;
}

constexpr std::array<Table, kLayoutCount> kTables = buildTables();

// Keys shown by a picture or label that depends on the layout:
// {VK, AZERTY, QWERTY, QWERTY SP, QWERTZU}; a text ending in ".png" is a picture.
struct LayoutShow {
  uint8_t vk;
  const char* show[kLayoutCount];
};
constexpr LayoutShow kLayoutShows[] = {
    {0xBC, {"?", ",", ",", ","}},
    {0xBB, {"+", "=", "+", "+"}},
    {0xBF, {"/", "/", "ES_5.png", "#"}},
    {0xC0, {"%", "`", "ES_6.png", "DE_2.png"}},
    {0xDB, {"FR-4.png", "[", "ES_2.png", "DE_4.png"}},
    {0xDD, {"FR-5.png", "]", "ES_3.png", "DE_5.png"}},
    {0xBA, {"FR-7.png", ";", "ES_4.png", "DE_1.png"}},
    {0xDE, {"FR-6.png", "'", "ES_7.png", "DE_3.png"}},
    {0xDC, {"FR-2.png", "\\", "ES_1.png", "DE_0.png"}},
    {0xDF, {"FR-3.png", nullptr, nullptr, nullptr}},
    {0xE2, {"FR-1.png", "\\", "\\", "DE_6.png"}},
};

// Keys shown the same way in every layout.
struct CommonShow {
  uint8_t vk;
  const char* show;
};
constexpr CommonShow kCommonShows[] = {
    {kMouseLeft, "Mouse-L.png"}, {kMouseRight, "Mouse-R.png"}, {kMouseMiddle, "Mouse-3.png"},
    {kMouseButton4, "Mouse-4.png"}, {kMouseButton5, "Mouse-5.png"},
    {kMouseWheelUp, "Mouse-WU.png"}, {kMouseWheelDown, "Mouse-WD.png"},
    {0x2C, "PScr.png"}, {0x13, "Pause.png"}, {0x0D, "enter.png"}, {0x1B, "esc.png"},
    {0x08, "backspace.png"}, {0x09, "tab.png"}, {0x14, "capslock.png"},
    {0x91, "numlock.png"}, {0x90, "numlock.png"}, {0x2D, "insert.png"},
    {0x21, "page-up.png"}, {0x22, "page-down.png"}, {0x2E, "delete.png"},
    {0x23, "end.png"}, {0x24, "home.png"}, {0x27, "arrow_r.png"}, {0x28, "arrow_d.png"},
    {0x25, "arrow_l.png"}, {0x26, "arrow_u.png"}, {0x20, "space.png"},
    {0x10, "shift.png"}, {0x11, "ctrl.png"}, {0x12, "alt.png"},
    {0x5B, "windowst.png"}, {0x5C, "windowst.png"}, {0x5D, "apps.png"},
    {0x6F, "/"}, {0x6A, "*"}, {0x6D, "-"}, {0x6B, "+"}, {0x6E, "."},
    {0xBD, "-"}, {0xBE, "."},
};

KeyPicture shown(const char* text) {
  if (text == nullptr) return {};
  const std::string s = text;
  const bool picture = s.size() > 4 && s.compare(s.size() - 4, 4, ".png") == 0;
  return {picture ? KeyPicture::Picture : KeyPicture::Label, s};
}

}  // namespace

int usageToKey(int layout, int code) {
  if (!validLayout(layout) || code < 0 || code > kMaxKeyCode) return 0;
  return kTables[layout][code];
}

int keyToUsage(int layout, int vk) {
  if (!validLayout(layout) || vk == 0) return 0;
  for (int code = 4; code <= kMaxKeyCode; ++code)
    if (kTables[layout][code] == vk) return code;
  return 0;
}

KeyPicture keyPicture(int layout, int vk) {
  if (!validLayout(layout) || vk <= 0) return {};
  if (vk >= 0x70 && vk <= 0x7B) return shown(("F" + std::to_string(vk - 0x6F) + ".png").c_str());
  for (const CommonShow& s : kCommonShows)
    if (s.vk == vk) return shown(s.show);
  for (const LayoutShow& s : kLayoutShows)
    if (s.vk == vk) return shown(s.show[layout]);
  // Any other key shows the character of its VK's low byte; control
  // characters have no glyph, so they show nothing.
  const auto ch = static_cast<unsigned char>(vk & 0xFF);
  if (ch < 0x20 || ch == 0x7F) return {};
  return {KeyPicture::Label, std::string(1, static_cast<char>(ch))};
}

const char* layoutFolder(int layout) {
  switch (layout) {
    case kAzerty: return "res/French/";
    case kQwertySp: return "res/Spanish/";
    case kQwertzu: return "res/German/";
    default: return "res/English/";
  }
}

}  // namespace ostrel
