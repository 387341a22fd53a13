#include "nmea/c_number.h"

#include <climits>
#include <clocale>
#include <cstdint>
#include <cstdlib>

#include <locale.h>

namespace rovex {
namespace {

locale_t CLocale() {
  // Made once and kept for the life of the process; newlocale for "C" cannot
  // fail short of running out of memory, and then plain strtod is the best left.
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

double GeneralAtof(const char* text) {
  locale_t c = CLocale();
  if (c == static_cast<locale_t>(nullptr)) return std::strtod(text, nullptr);
  return strtod_l(text, nullptr, c);
}

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

double CAtof(const char* text) {
  // Plain decimals of up to 15 significant digits: the digits make an exact
  // integer below 2^53 and the power of ten is exact, so the one division is
  // correctly rounded, which is what strtod gives. Anything else (exponent,
  // hexadecimal, inf, nan, more digits) goes to the general routine.
  const char* p = text;
  while (IsCSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  uint64_t mantissa = 0;
  int digits = 0;
  int decimals = 0;
  bool any = false;
  while (*p == '0' && digits == 0) {  // leading zeros add nothing
    ++p;
    any = true;
  }
  while (IsDigit(*p)) {
    if (++digits > 15) return GeneralAtof(text);
    mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
    any = true;
  }
  if (*p == '.') {
    ++p;
    while (IsDigit(*p)) {
      if (mantissa != 0 || *p != '0') {
        if (++digits > 15) return GeneralAtof(text);
      }
      if (++decimals > 22) return GeneralAtof(text);
      mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
      any = true;
    }
  }
  char stop = *p;
  if (!any || stop == 'e' || stop == 'E' || stop == 'x' || stop == 'X' || stop == 'p' || stop == 'P') {
    return GeneralAtof(text);
  }
  double value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
  return negative ? -value : value;
}

int CAtoi(const char* text) {
  const char* p = text;
  while (IsCSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  // Accumulate the magnitude, stopping at the first digit that would leave
  // the long range; strtol then gives LONG_MAX or LONG_MIN.
  const unsigned long limit = negative ? static_cast<unsigned long>(LONG_MAX) + 1 : LONG_MAX;
  unsigned long magnitude = 0;
  bool saturated = false;
  for (; IsDigit(*p); ++p) {
    unsigned digit = static_cast<unsigned>(*p - '0');
    if (saturated || magnitude > (limit - digit) / 10) {
      saturated = true;
      continue;
    }
    magnitude = magnitude * 10 + digit;
  }
  long value;
  if (saturated) value = negative ? LONG_MIN : LONG_MAX;
  else if (negative) value = magnitude == limit ? LONG_MIN : -static_cast<long>(magnitude);
  else value = static_cast<long>(magnitude);
  return static_cast<int>(value);
}

}  // namespace rovex
