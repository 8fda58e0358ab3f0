#include "profile/ProfileRecord.h"

namespace ostrel {
namespace {

constexpr ProfileRecord makeDefaultProfile() {
  ProfileRecord r{};
  constexpr float head[] = {
      1, 1, 0.1f,                          // sensitivities, static dead zone
      0.33f, 0, 1.010101f, 0, 0,           // small zone
      0.33f, 0, 1.010101f, 0, 0,           // medium zone
      0.34f, 0.019608f, 0.980392f, 0, 0,   // big zone
      0.5f, 0.005f, 1200,                  // dynamic dead zone, threshold, latency
      0.36f, 0.225f, 0.117f, 16, 0, 0, 0.15f,  // device parameters 21..27
  };
  for (int i = 0; i < ProfileIndex::controls; ++i) r[i] = head[i];
  constexpr float codes[kControlCount] = {
      44, 5, 8, 27, 31, 41, 30, 43, 33, 0, 32, 0, 232, 9,
      233, 21, 21, 232, 238, 237, 10, 4, 0, 7, 26, 4, 22,
  };
  for (int k = 0; k < kControlCount; ++k) {
    const int at = controlIndex(k);
    r[at + ControlEntry::code] = codes[k];
    r[at + ControlEntry::option] = 0;
    r[at + ControlEntry::paramA] = -1;
    r[at + ControlEntry::paramB] = -1;
    r[at + ControlEntry::paramC] = 1;
  }
  r[ProfileIndex::padParam163] = 0.15f;
  r[ProfileIndex::padParam164] = 0;
  r[ProfileIndex::shortcutsOff] = 0;
  return r;
}

// Deliberately not the exact third: the pad's curves were tuned with it.
constexpr double kThird = 0.3333334;

}  // namespace

const ProfileRecord defaultProfile = makeDefaultProfile();

ZoneCoefficients deriveZoneCoefficients(int smallPercent, int mediumPercent, int bigPercent) {
  // The zone borders are single precision; everything after them is double.
  const float a = static_cast<float>(smallPercent) / 100.0f;
  const float b = static_cast<float>(smallPercent + mediumPercent) / 100.0f;
  const float d = static_cast<float>(smallPercent + mediumPercent + bigPercent) / 100.0f;
  const double ba = static_cast<double>(b) - static_cast<double>(a);
  const double db = static_cast<double>(d) - static_cast<double>(b);

  ZoneCoefficients z;
  z.offset[0] = 0.0f;
  z.slope[0] = kThird / static_cast<double>(a);
  z.offset[1] = static_cast<float>((2.0 - static_cast<double>(b) / ba) / 3.0);
  z.slope[1] = kThird / ba;
  z.offset[2] = static_cast<float>(1.0 - static_cast<double>(d) / (3.0 * db));
  z.slope[2] = kThird / db;
  return z;
}

}  // namespace ostrel
