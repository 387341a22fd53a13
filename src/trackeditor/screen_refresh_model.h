#pragma once

#include <cstdint>
#include <optional>
#include <string>

// "Show Position Screen Refresh Rate" (CDlgScreenRefresh): how often the track
// editor draws while it shows the car. The rate is the serial speed value; a
// frame is drawn, then rate / 9600 paints are skipped.

namespace rovex::trackeditor {

class ScreenRefreshModel {
 public:
  static constexpr const char* kTitle = "Show Position Screen Refresh Rate";
  static constexpr uint32_t kLeast = 300;

  explicit ScreenRefreshModel(uint32_t rate) : text(std::to_string(rate)), m_rate(rate) {}
  // OK: the typed value when it is a positive number; the rate then becomes it, or at least kLeast.
  uint32_t Ok() const;

  std::string text;  // the edit box

 private:
  uint32_t m_rate;
};

// Paints skipped after each drawn frame at that rate.
inline uint32_t SkippedPaints(uint32_t rate) { return rate / 9600; }

}  // namespace rovex::trackeditor
