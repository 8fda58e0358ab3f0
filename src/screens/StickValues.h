#pragma once
// How the stick screen shows the stored stick values and what it stores back:
// the latency and threshold list items, and the whole numbers its fields and
// labels show.

#include <array>
#include <optional>

namespace ostrel {

// The latency list's items in milliseconds ("0 ms" ... "3000 ms").
inline constexpr std::array<int, 8> kLatencyItemsMs = {0, 300, 600, 900, 1200, 1800, 2400, 3000};

// The threshold list's items ("Level 1" ... "Level 5"): the stored value and
// its thousandths as the list matches them.
inline constexpr std::array<float, 5> kThresholdItemValues = {0.001f, 0.002f, 0.005f, 0.01f, 0.05f};
inline constexpr std::array<int, 5> kThresholdItemThousandths = {1, 2, 5, 10, 50};

// trunc of the single-precision product value x factor: a stored 0.29 shows
// as 29 at factor 100. Nothing for a product that is not finite or lies
// beyond a whole number's range (a damaged file): it matches no item and no
// field accepts it.
std::optional<int> truncatedProduct(float value, float factor);

// The list item a stored value selects; nothing when no item matches.
std::optional<int> latencyItem(float storedMs);
std::optional<int> thresholdItem(float storedValue);

}  // namespace ostrel
