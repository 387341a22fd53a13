#include "platform/c_number.h"

#include <locale.h>
#include <stdlib.h>

#include <climits>
#include <cstdint>

namespace rovex {
namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

}  // namespace

double CAtof(const char* text) {
  if (!text) return 0.0;
  return strtod_l(text, nullptr, CLocale());
}

int CAtoi(const char* text) {
  if (!text) return 0;
  // atoi is strtol truncated to int; out-of-range values are undefined there,
  // so they are clamped here instead.
  long long v = strtoll_l(text, nullptr, 10, CLocale());
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

}  // namespace rovex
