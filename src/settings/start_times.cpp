#include "settings/start_times.h"

#include <cstdio>

namespace rovex {

std::string NormaliseTime(const std::string& text) {
  std::string t = text.substr(0, 8);
  for (char& c : t) {
    if (c == '-' || c == '.') c = ':';
  }
  size_t first = t.find_first_not_of(" \t");
  size_t last = t.find_last_not_of(" \t");
  t = first == std::string::npos ? std::string() : t.substr(first, last - first + 1);
  if (t.size() < 5) t = "0" + t;
  return t;
}

bool InTimeWindow(const std::string& t, const std::string& s, const std::string& e) {
  if (s <= e) return s <= t && t <= e;
  return (s <= t && t <= "24:00") || t <= e;
}

std::string ClockText(const std::tm& local) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", local.tm_hour % 100, local.tm_min % 100);
  return text;
}

}  // namespace rovex
