#include "screens/StickValues.h"

#include <cmath>

namespace ostrel {
namespace {

template <typename Items>
std::optional<int> itemOf(const Items& items, std::optional<int> wanted) {
  if (!wanted) return std::nullopt;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == *wanted) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> truncatedProduct(float value, float factor) {
  // Rounded to single precision before the truncation, as the values are.
  const float product = value * factor;
  if (!std::isfinite(product) || std::fabs(product) >= 2147483520.0f) return std::nullopt;
  return static_cast<int>(std::trunc(product));
}

std::optional<int> latencyItem(float storedMs) {
  return itemOf(kLatencyItemsMs, truncatedProduct(storedMs, 1.0f));
}

std::optional<int> thresholdItem(float storedValue) {
  return itemOf(kThresholdItemThousandths, truncatedProduct(storedValue, 1000.0f));
}

}  // namespace ostrel
