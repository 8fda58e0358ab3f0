// Value text, line splitting and index text: the bytes every file is made of.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "library/TextLines.h"
#include "library/ValueText.h"

namespace ostrel {
namespace {

TEST(ValueText, FormatsAsPrintfFixedSix) {
  const struct { float value; const char* text; } cases[] = {
      {1.0f, "1.000000"},      {-0.5f, "-0.500000"},   {255.0f, "255.000000"},
      {0.0f, "0.000000"},      {-0.0f, "-0.000000"},   {0.1f, "0.100000"},
      {3.14159274f, "3.141593"}, {1e-7f, "0.000000"},  {1234567.0f, "1234567.000000"},
      {3.4028235e38f, "340282346638528859811704183484516925440.000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatValue(c.value), c.text) << c.text;
}

TEST(ValueText, ParsesAsAtof) {
  const float inf = std::numeric_limits<float>::infinity();
  const struct { const char* text; float value; } cases[] = {
      {"1.000000", 1.0f},  {"-0.500000", -0.5f}, {"  \t42", 42.0f}, {"+7.5", 7.5f},
      {"12abc", 12.0f},    {"3.5.1", 3.5f},      {".25", 0.25f},    {"5.", 5.0f},
      {"1e3", 1000.0f},    {"2e", 2.0f},         {"0x10", 16.0f},   {"-0x1p-1", -0.5f},
      {"abc", 0.0f},       {"", 0.0f},           {"-", 0.0f},       {"+-1", 0.0f},
      {"--1", 0.0f},       {"0x", 0.0f},         {"1,5", 1.0f},     {"inf", inf},
      {"-INFINITY", -inf}, {"1e400", inf},       {"-1e400", -inf},  {"1e-400", 0.0f},
      {"1e39", inf},       {"3.4028235e38", 3.4028235e38f},
  };
  for (const auto& c : cases) EXPECT_EQ(parseValue(c.text), c.value) << c.text;
  EXPECT_TRUE(std::isnan(parseValue("nan")));
}

// The decimal point stays a full stop whatever locale the process runs in.
// The build generates a German locale for this test when it can.
TEST(ValueText, IgnoresTheProcessLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale available";
  const std::string formatted = formatValue(-2.25f);
  const float parsed = parseValue("1.5");
  const float parsedComma = parseValue("1,5");
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(formatted, "-2.250000");
  EXPECT_EQ(parsed, 1.5f);
  EXPECT_EQ(parsedComma, 1.0f);
}

TEST(ValueText, BodyIsOneValuePerCrLfLine) {
  const float values[] = {1.0f, -0.5f, 255.0f};
  EXPECT_EQ(bodyText(values, 3), "1.000000\r\n-0.500000\r\n255.000000\r\n");
}

TEST(TextLines, SplitsAtLfAndDropsTheCrBeforeIt) {
  using Lines = std::vector<std::string>;
  const struct { const char* text; Lines lines; } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\r\r\n", {"a\r"}},
      {"a\rb\n", {"a\rb"}},
      {"\n", {""}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitLines(c.text), c.lines) << c.text;
}

TEST(TextLines, IndexTextStripsTrailingLineEnds) {
  EXPECT_EQ(joinLines({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(indexText({"a", "b"}), "a\r\nb");
  EXPECT_EQ(indexText({"a", "", ""}), "a");
  EXPECT_EQ(indexText({}), "");
}

}  // namespace
}  // namespace ostrel
