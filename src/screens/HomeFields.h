#pragma once
// The home screen's value fields: which profile value each one holds and the
// whole-number scale it is shown in. The two sensitivities are visible
// fields; the six device parameters ride along in hidden fields, so a save
// stores them as whole hundredths or thousandths.

#include <QString>

#include <array>

namespace ostrel {

struct HomeField {
  int id;          // control id
  int valueIndex;  // index in the profile
  int scale;       // the field shows trunc(value x scale)
  bool visible;
};

inline constexpr std::array<HomeField, 8> kHomeFields = {{
    {1161, 0, 1, true},       // sensitivity1
    {1165, 1, 1, true},       // sensitivity2
    {1163, 163, 100, false},  // padParam163
    {1168, 27, 100, false},   // padParam27
    {1169, 75, 1000, false},  // paramA of control entry 9
    {1171, 21, 1000, false},  // padParam21
    {1172, 22, 1000, false},  // padParam22
    {1173, 23, 1000, false},  // padParam23
}};

// The field text of a value: value x scale truncated toward zero. A value
// that is a whole number of scale steps shows that number even when its
// float lies a hair below it (0.57 is 0.569999...), so saving an unchanged
// profile never lowers a value by one step.
QString fieldText(float value, int scale);

// The value of a field text: its leading whole number (0 when it has none)
// divided by scale.
float fieldValue(const QString& text, int scale);

}  // namespace ostrel
