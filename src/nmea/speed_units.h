#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The units speeds are shown in (`SpeedUnits`: 0 mph, 1 kph, 2 knots). Speeds
// are kept in knots and distances in metres; these are the only conversions.

namespace rovex {

enum class SpeedUnit : uint32_t { Mph = 0, Kph = 1, Knots = 2 };

// Any stored value other than 1 and 2 shows miles per hour.
constexpr SpeedUnit SpeedUnitFromSetting(uint32_t value) {
  return value == 1 ? SpeedUnit::Kph : value == 2 ? SpeedUnit::Knots : SpeedUnit::Mph;
}

// "mph", "kph", "knots": the word shown after a speed.
constexpr const char* SpeedUnitName(SpeedUnit unit) {
  return unit == SpeedUnit::Kph ? "kph" : unit == SpeedUnit::Knots ? "knots" : "mph";
}

inline std::optional<SpeedUnit> SpeedUnitFromName(std::string_view name) {
  for (SpeedUnit u : {SpeedUnit::Mph, SpeedUnit::Kph, SpeedUnit::Knots}) {
    if (name == SpeedUnitName(u)) return u;
  }
  return std::nullopt;
}

constexpr double KnotsIn(SpeedUnit unit, double knots) {
  return unit == SpeedUnit::Kph ? knots * 1.852 : unit == SpeedUnit::Knots ? knots : knots * 1.15077945;
}

constexpr double MetresPerHourIn(SpeedUnit unit, double metresPerHour) {
  return unit == SpeedUnit::Kph     ? metresPerHour * 0.001
         : unit == SpeedUnit::Knots ? metresPerHour * 0.000539956803
                                    : metresPerHour * 0.000621371192;
}

}  // namespace rovex
