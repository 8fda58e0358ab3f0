#include <gtest/gtest.h>

#include "screens/WindowsText.h"

namespace ostrel {
namespace {

TEST(WindowsText, NamesRoundTripThroughTheCodePage) {
  const std::string bytes = "Caf\xE9 \x80 \x9F\x8A \xFF";
  const QString text = fromWindows1252(bytes);
  EXPECT_EQ(text, QString::fromUtf8("Café € Ÿ\u0160 ÿ"));
  EXPECT_EQ(toWindows1252(text), bytes);
  // Every byte maps to a character and back.
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
}

TEST(WindowsText, CharactersOutsideTheCodePageAreRefused) {
  EXPECT_EQ(toWindows1252(QString::fromUtf8("名前")), std::nullopt);
  EXPECT_EQ(toWindows1252(QString::fromUtf8("a\u0101")), std::nullopt);
  EXPECT_EQ(toWindows1252(QString()), std::string());
}

}  // namespace
}  // namespace ostrel
