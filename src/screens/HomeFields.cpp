#include "screens/HomeFields.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ostrel {
namespace {

// Far below one step of any scale, far above a float's rounding error.
constexpr double kStepTolerance = 1e-4;

// Leading optional sign and digits, as C's atoi reads them; 0 without digits.
long long leadingNumber(const QString& text) {
  qsizetype at = 0;
  while (at < text.size() && text[at].isSpace()) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) negative = text[at++] == u'-';
  long long number = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
    if (number > std::numeric_limits<int>::max()) break;  // far outside every field's range
    number = number * 10 + (text[at].unicode() - u'0');
  }
  return negative ? -number : number;
}

}  // namespace

QString fieldText(float value, int scale) {
  const double scaled = static_cast<double>(value) * scale;
  if (!std::isfinite(scaled)) return QStringLiteral("0");
  const double nudged = scaled + std::copysign(kStepTolerance, scaled);
  const double clamped = std::clamp(std::trunc(nudged), -1e15, 1e15);
  return QString::number(static_cast<long long>(clamped));
}

float fieldValue(const QString& text, int scale) {
  return static_cast<float>(static_cast<double>(leadingNumber(text)) / scale);
}

}  // namespace ostrel
